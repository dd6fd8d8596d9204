// The automatic offload tab: a rule reaches the store only when it can be followed, a refused
// edit says why and leaves the stored rule as it was, and the list's order is the store's.

#include "ui/settings/RulesSettingsTab.h"

#include "UiWorld.h"
#include "app/model/AppModel.h"
#include "app/stores/RuleStore.h"
#include "ui/settings/SettingsWindow.h"
#include "ui/stages/ElidedLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

void choose(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

// The text of a row's part ("match", "action", "state"); empty where the row has none.
QString rowText(QListWidget* list, int row, const char* part) {
    QWidget* widget = list->itemWidget(list->item(row));
    if (auto* elided = widget->findChild<ElidedLabel*>(QLatin1String(part)))
        return elided->fullText();
    auto* label = widget->findChild<QLabel*>(QLatin1String(part));
    return label ? label->text() : QString();
}

} // namespace

TEST(RulesTab, RulesAreStoredOnlyWhenTheyCanBeFollowed) {
    World world(false);
    AppModel& model = *world.model;
    const QList<OffloadRule>& rules = model.rules().rules();
    // Quick dump names nothing after the project, so a new rule can be followed at once.
    model.settings().setValue(setting::quickDump, true);
    const QUuid interview = model.presets().add({.name = QStringLiteral("Interview")}).id;
    const QUuid fx6 = model.cameras().add(QStringLiteral("FX6"), QStringLiteral("FX6")).id;
    RulesSettingsTab tab(model, nullptr, nullptr);
    auto* list = find<QListWidget>(tab, "ruleList");
    auto* message = find<QLabel>(tab, "ruleMessage");
    auto* match = find<QComboBox>(tab, "ruleMatch");

    find<QToolButton>(tab, "addRule")->click();
    ASSERT_EQ(rules.size(), 1);
    EXPECT_EQ(rules[0].match, OffloadRule::Match::anyCard);
    EXPECT_EQ(rules[0].presetID, std::nullopt);
    EXPECT_TRUE(rules[0].startWithoutAsking);
    EXPECT_FALSE(rules[0].ejectWhenVerified);
    EXPECT_EQ(tab.selectedRule(), rules[0].id);
    EXPECT_TRUE(message->isHidden());

    // A pattern is needed before the match changes; spaces around it are not kept.
    const OffloadRule anyCard = rules[0];
    choose(match, QStringLiteral("Cards named"));
    EXPECT_EQ(rules[0], anyCard);
    EXPECT_FALSE(message->isHidden());
    QTest::keyClicks(find<QLineEdit>(tab, "ruleValue"), QStringLiteral(" A*_CARD "));
    EXPECT_EQ(rules[0].match, OffloadRule::Match::name);
    EXPECT_EQ(rules[0].value, QStringLiteral("A*_CARD"));
    EXPECT_EQ(rowText(list, 0, "match"), QStringLiteral("Cards named “A*_CARD”"));
    EXPECT_TRUE(message->isHidden());

    // A preset that names folders after the project wants one: refused, said, and not stored.
    const OffloadRule named = rules[0];
    choose(find<QComboBox>(tab, "rulePreset"), QStringLiteral("Interview"));
    EXPECT_EQ(rules[0], named);
    EXPECT_FALSE(message->isHidden());
    EXPECT_TRUE(message->text().startsWith(QStringLiteral(
        "The preset “Interview” names folders or files after the project: give the rule a "
        "project.")))
        << message->text().toStdString();
    QTest::keyClicks(find<QLineEdit>(tab, "ruleProject"), QStringLiteral("Smith"));
    EXPECT_EQ(rules[0].presetID, interview);
    EXPECT_EQ(rules[0].project, QStringLiteral("Smith"));
    EXPECT_TRUE(message->isHidden());
    find<QCheckBox>(tab, "ruleEjectWhenVerified")->click();
    EXPECT_EQ(rowText(list, 0, "action"), QStringLiteral("Preset “Interview” · Project “Smith” · "
                                                         "Starts without asking · Ejects when "
                                                         "verified"));

    // Trying another kind of match and coming back keeps the pattern.
    choose(match, QStringLiteral("Cards from camera"));
    EXPECT_EQ(rules[0].match, OffloadRule::Match::name);
    choose(match, QStringLiteral("Cards named"));
    EXPECT_EQ(find<QLineEdit>(tab, "ruleValue")->text().trimmed(), QStringLiteral("A*_CARD"));
    EXPECT_TRUE(message->isHidden());

    // A camera is stored in the form a card's remembered camera is matched against.
    find<QToolButton>(tab, "addRule")->click();
    ASSERT_EQ(rules.size(), 2);
    choose(match, QStringLiteral("Cards from camera"));
    EXPECT_EQ(rules[1].match, OffloadRule::Match::anyCard);
    choose(find<QComboBox>(tab, "ruleCamera"), QStringLiteral("FX6"));
    EXPECT_TRUE(rules[1].matches(CardVolume{}, fx6));

    // Without quick dump the current setup wants a project: the camera rule can't be followed
    // any more, and a new rule waits, listed but not stored, until it has one.
    model.settings().setValue(setting::quickDump, false);
    EXPECT_EQ(rowText(list, 1, "state"), QStringLiteral("Can’t Be Followed"));
    find<QToolButton>(tab, "addRule")->click();
    EXPECT_EQ(rules.size(), 2);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(rowText(list, 2, "state"), QStringLiteral("Not Saved"));
    EXPECT_TRUE(message->text().startsWith(QStringLiteral("The current setup names folders")));
    QTest::keyClicks(find<QLineEdit>(tab, "ruleProject"), QStringLiteral("Harbour"));
    ASSERT_EQ(rules.size(), 3);
    EXPECT_EQ(rules[2].project, QStringLiteral("Harbour"));
    EXPECT_EQ(tab.selectedRule(), rules[2].id);
    EXPECT_EQ(rowText(list, 2, "state"), QString());

    // The order is the store's: the first match wins.
    const std::unique_ptr<QMimeData> data(list->model()->mimeData({list->model()->index(2, 0)}));
    list->model()->dropMimeData(data.get(), Qt::MoveAction, 0, 0, {});
    ASSERT_TRUE(spinUntil([&] { return rules[0].project == QStringLiteral("Harbour"); }));
    EXPECT_EQ(rules[1].value, QStringLiteral("A*_CARD"));

    tab.selectRule(rules[0].id);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(rules.size(), 2);
    EXPECT_EQ(rules[0].value, QStringLiteral("A*_CARD"));
    tab.selectRule(rules[1].id);
    find<QToolButton>(tab, "removeRule")->click();
    ASSERT_EQ(rules.size(), 1);
    EXPECT_EQ(rules[0].presetID, interview);
}

TEST(RulesTab, TheWindowShowsItAfterPresetsAndReopensOnIt) {
    World world(false);
    {
        SettingsWindow window(*world.model);
        auto* tabs = find<QTabWidget>(window, "settingsTabs");
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->tabText(3), QStringLiteral("Automatic Offload"));
        EXPECT_EQ(tabs->tabText(2), QStringLiteral("Presets"));
        window.showTab(SettingsTab::automaticOffload);
    }
    EXPECT_EQ(world.model->settings().value(setting::settingsTab), SettingsTab::automaticOffload);

    // A tab a later version stored reads as the first.
    const TempDir folder;
    auto stored = std::make_shared<QSettings>(folder("Stowly.conf"), QSettings::IniFormat);
    stored->setValue(QStringLiteral("settingsTab"), QStringLiteral("stations"));
    EXPECT_EQ(AppSettings(stored).value(setting::settingsTab), SettingsTab::general);
}
