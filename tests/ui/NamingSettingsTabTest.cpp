// The naming tab: the templates write through as they are typed, their problems and the
// example follow at once, tokens land at the cursor of the field last typed in, and changes
// made elsewhere show in the fields.

#include "ui/settings/NamingSettingsTab.h"

#include "app/model/AppModel.h"
#include "support/AppModelWorld.h"
#include "ui/settings/TemplateIssueList.h"
#include "ui/settings/TokenChips.h"
#include "ui/stages/ElidedLabel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

struct NamingTab {
    World world{false};
    AppSettings& settings = world.model->settings();
    NamingSettingsTab tab{*world.model, nullptr, nullptr};
    QLineEdit* folder = tab.findChild<QLineEdit*>(QStringLiteral("folderTemplateField"));
    QLineEdit* file = tab.findChild<QLineEdit*>(QStringLiteral("fileTemplateField"));

    template <typename T> T* find(const char* name) const {
        T* widget = tab.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QList<TemplateIssue> issues(const char* list) const {
        return find<TemplateIssueList>(list)->issues();
    }
    QStringList examples() const {
        QStringList paths;
        for (const ElidedLabel* label :
             tab.findChildren<ElidedLabel*>(QStringLiteral("examplePath")))
            paths << label->toolTip();
        return paths;
    }
    QAction* action(const char* menuButton, const QString& text) const {
        QMenu* menu = find<QPushButton>(menuButton)->menu();
        Q_EMIT menu->aboutToShow();
        for (QAction* action : menu->actions())
            if (action->text() == text || action->objectName() == text)
                return action;
        ADD_FAILURE() << qPrintable(text);
        return nullptr;
    }
    void retype(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }
};

} // namespace

TEST(NamingSettingsTab, TypingWritesThroughWithItsProblemsAndTheExample) {
    NamingTab t;
    const QString root = *t.settings.value(setting::destinationPath);
    EXPECT_EQ(t.folder->text(), QStringLiteral("{date}/{project}"));
    EXPECT_EQ(
        t.examples(),
        (QStringList{
            root + QStringLiteral("/2026-10-25/Coastline/MP4/2026-10-25_Coastline_0001.mp4"),
            root + QStringLiteral("/2026-10-25/Coastline/ARW/2026-10-25_Coastline_0002.arw")}));

    t.retype(t.folder, QStringLiteral("{year}/{camera}/{seq}"));
    // Written as typed, error and all: the offload bar tells the user to fix it.
    EXPECT_EQ(t.settings.value(setting::folderTemplate), QStringLiteral("{year}/{camera}/{seq}"));
    EXPECT_EQ(t.issues("folderTemplateFieldIssues"),
              QList{TemplateIssue::error(QStringLiteral("{seq} only works in the file name."))});
    EXPECT_TRUE(t.examples().isEmpty());
    EXPECT_FALSE(t.find<QLabel>("examplesBlocked")->isHidden());

    for (int i = 0; i < 4; ++i)
        QTest::keyClick(t.folder, Qt::Key_Backspace);
    QTest::keyClicks(t.folder, QStringLiteral("day}"));
    EXPECT_TRUE(t.issues("folderTemplateFieldIssues").isEmpty());
    EXPECT_TRUE(t.find<QLabel>("examplesBlocked")->isHidden());
    EXPECT_TRUE(t.examples().first().endsWith(
        QStringLiteral("/2026/FX3/25/MP4/2026-10-25_Coastline_0001.mp4")));

    // A warning leaves the example; an empty folder template puts files into the type folders.
    t.retype(t.file, QStringLiteral("{date}_{project}"));
    ASSERT_EQ(t.issues("fileTemplateFieldIssues").size(), 1);
    EXPECT_EQ(t.issues("fileTemplateFieldIssues").first().severity,
              TemplateIssue::Severity::warning);
    t.folder->clear();
    EXPECT_EQ(t.settings.value(setting::folderTemplate), QString());
    EXPECT_EQ(t.examples(), (QStringList{root + QStringLiteral("/MP4/2026-10-25_Coastline.mp4"),
                                         root + QStringLiteral("/ARW/2026-10-25_Coastline.arw")}));
}

TEST(NamingSettingsTab, TokensGoToTheCursorOfTheFieldLastTypedIn) {
    NamingTab t;
    t.tab.show();
    t.tab.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.tab));
    auto* hint = t.find<QLabel>("tokenHint");
    EXPECT_EQ(hint->text(), QStringLiteral("Click a token to add it to the folder structure"));

    t.file->setFocus();
    t.file->setCursorPosition(int(QStringLiteral("{date}_").size()));
    EXPECT_EQ(hint->text(), QStringLiteral("Click a token to add it to the file name"));
    QTest::mouseClick(t.find<TokenChips>("tokenChips")->chip(TemplateToken::camera),
                      Qt::LeftButton);
    EXPECT_EQ(t.settings.value(setting::fileTemplate),
              QStringLiteral("{date}_{camera}{project}_{seq}"));
    // The chip took no focus: typing goes on where the token ended.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("_"));
    EXPECT_EQ(t.file->text(), QStringLiteral("{date}_{camera}_{project}_{seq}"));

    // The field keeps being the target after focus has gone elsewhere, until the other one
    // is typed in.
    t.find<QPushButton>("namingPresets")->setFocus();
    t.action("insertToken", QStringLiteral("insert_seq"))->trigger();
    EXPECT_EQ(t.file->text(), QStringLiteral("{date}_{camera}_{seq}{project}_{seq}"));
    EXPECT_EQ(t.issues("fileTemplateFieldIssues"),
              QList{TemplateIssue::error(QStringLiteral("Use {seq} only once."))});
    t.folder->setFocus();
    t.folder->home(false);
    t.action("insertToken", QStringLiteral("insert_card"))->trigger();
    EXPECT_EQ(t.settings.value(setting::folderTemplate), QStringLiteral("{card}{date}/{project}"));
    EXPECT_EQ(hint->text(), QStringLiteral("Click a token to add it to the folder structure"));
}

TEST(NamingSettingsTab, PresetsAndChangesFromElsewhereShowInTheFields) {
    NamingTab t;
    t.action("namingPresets", QStringLiteral("Project / Date / Camera"))->trigger();
    EXPECT_EQ(t.settings.value(setting::folderTemplate),
              QStringLiteral("{project}/{date}/{camera}"));
    EXPECT_EQ(t.file->text(), QStringLiteral("{date}_{project}_{camera}_{seq}"));
    EXPECT_TRUE(t.action("namingPresets", QStringLiteral("Project / Date / Camera"))->isChecked());
    EXPECT_FALSE(t.action("namingPresets", QStringLiteral("Date / Project"))->isChecked());

    t.action("namingPresets", QStringLiteral("Flat"))->trigger();
    EXPECT_EQ(t.folder->text(), QString());
    t.action("namingPresets", QStringLiteral("resetNaming"))->trigger();
    EXPECT_EQ(t.settings.value(setting::folderTemplate), QStringLiteral("{date}/{project}"));
    EXPECT_EQ(t.settings.value(setting::fileTemplate), QStringLiteral("{date}_{project}_{seq}"));

    // Another window changes the template and the last project; the issues and the example
    // follow. An echo of the user's own typing leaves the cursor where it was.
    t.settings.setValue(setting::fileTemplate, QStringLiteral("{original}"));
    t.settings.setValue(setting::lastProject, QStringLiteral("harbour shoot"));
    EXPECT_EQ(t.file->text(), QStringLiteral("{original}"));
    EXPECT_TRUE(t.issues("fileTemplateFieldIssues").isEmpty());
    EXPECT_TRUE(t.examples().first().endsWith(QStringLiteral("/HarbourShoot/MP4/C0001.mp4")));
    t.file->setCursorPosition(1);
    QTest::keyClicks(t.file, QStringLiteral("ab"));
    EXPECT_EQ(t.settings.value(setting::fileTemplate), QStringLiteral("{aboriginal}"));
    EXPECT_EQ(t.file->cursorPosition(), 3);
}
