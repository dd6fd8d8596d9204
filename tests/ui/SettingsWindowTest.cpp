// The settings window: every control writes through at once and follows changes made
// elsewhere; the lists refuse what can't be used; the window reopens on its last tab.

#include "ui/settings/SettingsWindow.h"

#include "UiWorld.h"
#include "app/model/AppModel.h"
#include "app/stores/CameraStore.h"
#include "diagnostics/MailHandoff.h"
#include "diagnostics/Support.h"
#include "support/RecordingHandoff.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

TEST(SettingsWindow, GeneralControlsWriteThroughAndFollowTheSettings) {
    World world(false);
    AppSettings& settings = world.model->settings();
    SettingsWindow window(*world.model);

    auto* audio = find<QCheckBox>(window, "category_audio");
    audio->click();
    EXPECT_FALSE(settings.includedCategories().contains(MediaCategory::audio));
    EXPECT_TRUE(settings.includedCategories().contains(MediaCategory::video));
    settings.setCategory(MediaCategory::audio, true);
    EXPECT_TRUE(audio->isChecked());

    // 0 turns the rule off and keeps the seconds for when it comes back on.
    auto* slider = find<QSlider>(window, "shortClipSlider");
    settings.setValue(setting::shortClipSeconds, 8);
    EXPECT_EQ(slider->value(), 8);
    slider->setValue(0);
    EXPECT_FALSE(settings.value(setting::skipShortClips));
    EXPECT_EQ(settings.value(setting::shortClipSeconds), 8);
    slider->setValue(20);
    EXPECT_TRUE(settings.value(setting::skipShortClips));
    EXPECT_EQ(settings.value(setting::shortClipSeconds), 20);

    auto* keepRunning = find<QCheckBox>(window, "keepRunning");
    keepRunning->click();
    EXPECT_TRUE(settings.value(setting::keepRunningInMenuBar));
    // Linux has a system tray, not a menu bar.
    EXPECT_EQ(keepRunning->text(), QStringLiteral("Keep Stowly running in the system tray"));
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const QString shown = w->property("text").toString() + w->accessibleName();
        EXPECT_FALSE(shown.contains(QStringLiteral("menu bar"), Qt::CaseInsensitive))
            << shown.toStdString();
    }
    find<QAbstractButton>(window, "promptStyle_panel")->click();
    EXPECT_EQ(settings.value(setting::importPromptStyle), ImportPromptStyle::panel);

    // The program after an offload is written when the field is left, and follows the setting.
    auto* program = find<QLineEdit>(window, "afterOffloadProgram");
    program->setText(QStringLiteral("  /usr/local/bin/offload-done --quiet "));
    Q_EMIT program->editingFinished();
    EXPECT_EQ(settings.value(setting::afterOffloadProgram), "/usr/local/bin/offload-done --quiet");
    settings.setValue(setting::afterOffloadProgram, QString());
    EXPECT_TRUE(program->text().isEmpty());

    // The ignored card's button asks again for exactly that card.
    CardVolume card{QStringLiteral("/media/x/B"), QStringLiteral("B"), QStringLiteral("UUID-B")};
    settings.ignoreImports(card);
    settings.ignoreImports(CardVolume{QStringLiteral("/media/x/C"), QStringLiteral("C")});
    QPushButton* again = nullptr;
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->accessibleName() == QStringLiteral("Ask again for B"))
            again = b;
    ASSERT_NE(again, nullptr);
    again->click();
    ASSERT_EQ(settings.value(setting::ignoredImportCards).size(), 1);
    EXPECT_EQ(settings.value(setting::ignoredImportCards).first().name, QStringLiteral("C"));

    find<QAbstractButton>(window, "theme_ocean")->click();
    EXPECT_EQ(settings.value(setting::theme), ThemeID::ocean);
    find<QAbstractButton>(window, "mediaLayout_grid")->click();
    EXPECT_EQ(settings.value(setting::mediaLayout), MediaLayout::grid);
}

TEST(SettingsWindow, CamerasAreAddedRenamedAndRemovedInTheStore) {
    World world(false);
    CameraStore& cameras = world.model->cameras();
    SettingsWindow window(*world.model);
    auto* table = find<QTableWidget>(window, "cameraTable");

    find<QToolButton>(window, "addCamera")->click();
    ASSERT_EQ(cameras.cameras().size(), 1);
    table->item(0, 0)->setText(QStringLiteral("FX3 A"));
    table->item(0, 1)->setText(QStringLiteral("  A "));
    EXPECT_EQ(cameras.cameras().first().name, QStringLiteral("FX3 A"));
    EXPECT_EQ(cameras.cameras().first().code, QStringLiteral("A"));
    // An emptied name is not taken.
    table->item(0, 0)->setText(QString());
    EXPECT_EQ(cameras.cameras().first().name, QStringLiteral("FX3 A"));
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("FX3 A"));

    cameras.add(QStringLiteral("Drone"), QStringLiteral("D"));
    ASSERT_EQ(table->rowCount(), 2);
    table->selectRow(0);
    find<QToolButton>(window, "removeCamera")->click();
    ASSERT_EQ(cameras.cameras().size(), 1);
    EXPECT_EQ(cameras.cameras().first().name, QStringLiteral("Drone"));
}

TEST(SettingsWindow, FileRuleListsRefuseBadEntriesAndWarnAboutHiddenFootage) {
    World world(false);
    AppSettings& settings = world.model->settings();
    SettingsWindow window(*world.model);
    auto* field = find<QLineEdit>(window, "ignoreListField");
    auto* message = find<QLabel>(window, "ignoreListMessage");
    auto* warning = find<QLabel>(window, "ignoreListWarning");
    const FileRules before = settings.value(setting::fileRules);

    QTest::keyClicks(field, QStringLiteral("DCIM/*.jpg"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(settings.value(setting::fileRules), before);
    EXPECT_FALSE(message->isHidden());
    EXPECT_EQ(message->text(), QStringLiteral("That can’t be used here."));
    EXPECT_EQ(field->text(), QStringLiteral("DCIM/*.jpg"));

    field->clear();
    QTest::keyClicks(field, QStringLiteral(" *.MP4 "));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(message->isHidden());
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(settings.value(setting::fileRules).ignorePatterns.last(), QStringLiteral("*.MP4"));
    EXPECT_FALSE(warning->isHidden());
    EXPECT_TRUE(warning->text().contains(QStringLiteral("*.MP4 matches photos or videos.")));

    // Extensions are cleaned; one already there in another case is not added twice.
    auto* proxies = find<QLineEdit>(window, "proxyListField");
    const qsizetype count = settings.value(setting::fileRules).proxyExtensions.size();
    QTest::keyClicks(proxies, QStringLiteral(".MXP"));
    QTest::keyClick(proxies, Qt::Key_Return);
    EXPECT_EQ(settings.value(setting::fileRules).proxyExtensions.last(), QStringLiteral("mxp"));
    QTest::keyClicks(proxies, QStringLiteral("MXP"));
    QTest::keyClick(proxies, Qt::Key_Return);
    EXPECT_EQ(settings.value(setting::fileRules).proxyExtensions.size(), count + 1);

    find<QPushButton>(window, "restoreFileRules")->click();
    EXPECT_EQ(settings.value(setting::fileRules), FileRules::standard());
    EXPECT_TRUE(warning->isHidden());
}

TEST(SettingsWindow, ReopensOnTheLastTabAndFooterLinksLeaveStowly) {
    World world(false);
    auto handoff = std::make_shared<RecordingHandoff>();
    {
        SettingsWindow window(*world.model, nullptr, false, handoff);
        EXPECT_EQ(window.currentTab(), SettingsTab::general);
        window.showTab(SettingsTab::cameras);
        auto* tip = find<QLabel>(window, "tipLink");
        ASSERT_NE(tip, nullptr);
        Q_EMIT tip->linkActivated(QStringLiteral("#"));
        ASSERT_TRUE(spinUntil([&] {
            std::lock_guard lock(handoff->mutex);
            return handoff->links.size() == 1;
        }));
        EXPECT_EQ(handoff->links.first(), Support::tipPage());
    }
    EXPECT_EQ(world.model->settings().value(setting::settingsTab), SettingsTab::cameras);
    SettingsWindow again(*world.model);
    EXPECT_EQ(again.currentTab(), SettingsTab::cameras);
    auto* tabs = find<QTabWidget>(again, "settingsTabs");
    ASSERT_NE(tabs, nullptr);
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    EXPECT_EQ(titles, (QStringList{"General", "Appearance", "Presets", "Automatic Offload",
                                   "Destinations", "Naming", "Files", "Cameras"}));
}

// The history server's field never stores a password; a server that doesn't answer is said in
// the tab and in a banner over the main window, which goes once the setting is cleared.
TEST(SettingsWindow, TheSharedHistoryRefusesAPasswordAndSaysWhenItsServerIsAway) {
    World world(false);
    AppSettings& settings = world.model->settings();
    SettingsWindow window(*world.model);
    MainWindow main(*world.model);
    auto* banner = find<QLabel>(main, "sharedHistoryBanner");
    EXPECT_TRUE(banner->isHidden());

    auto* field = find<QLineEdit>(window, "historyServer");
    auto* note = find<QLabel>(window, "historyServerNote");
    field->setText(QStringLiteral("host=db.studio user=cart2 password=secret"));
    Q_EMIT field->editingFinished();
    EXPECT_TRUE(settings.value(setting::historyServer).isEmpty());
    EXPECT_TRUE(note->text().contains("password")) << note->text().toStdString();

    field->setText(QStringLiteral("host=/run/no-such-server dbname=stowly"));
    Q_EMIT field->editingFinished();
    EXPECT_EQ(settings.value(setting::historyServer), "host=/run/no-such-server dbname=stowly");
    ASSERT_TRUE(spinUntil([&] { return !banner->isHidden(); }));
    EXPECT_TRUE(banner->text().contains("Couldn’t reach the history server"))
        << banner->text().toStdString();
    EXPECT_TRUE(note->text().contains("Couldn’t reach the history server"));

    settings.setValue(setting::historyServer, QString());
    EXPECT_TRUE(banner->isHidden());
}
