// The first-run setup window: its steps can only be left forward when valid, its progress
// survives a new window, and finishing turns the choices into settings, a favourite and a
// preset.

#include "ui/WelcomeWindow.h"
#include "app/onboarding/OnboardingStore.h"
#include "app/stores/PresetStore.h"
#include "support/AppModelWorld.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

struct Wizard {
    explicit Wizard(World& world, std::shared_ptr<QSettings> preferences, QString drivePath)
        : window(*world.model, std::move(preferences), [drivePath] {
              OnboardingDrive drive;
              drive.name = "Archive";
              drive.kind = "External";
              drive.suggestedPath = drivePath;
              drive.totalBytes = 4'000'000'000'000;
              drive.freeBytes = 1'200'000'000'000;
              return QList<OnboardingDrive>{drive};
          }) {
        window.show();
        QObject::connect(&window, &WelcomeWindow::exited,
                         [this](const OnboardingExit& exit) { exits.append(exit); });
    }
    template <typename T> T* find(const QString& name) { return window.findChild<T*>(name); }
    OnboardingStep step() { return window.store().step(); }
    void press(int key) { QTest::keyClick(&window, Qt::Key(key)); }
    void type(const QString& field, const QString& text) {
        auto* edit = find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    bool chooseDrive() {
        auto* drives = find<QListWidget>("welcomeDrives");
        if (!spinUntil([&] { return drives->count() == 1; }))
            return false;
        QTest::mouseClick(drives->viewport(), Qt::LeftButton, {},
                          drives->visualItemRect(drives->item(0)).center());
        return true;
    }

    WelcomeWindow window;
    QList<OnboardingExit> exits;
};

std::shared_ptr<QSettings> preferences(const TempDir& dir) {
    return std::make_shared<QSettings>(dir("prefs.ini"), QSettings::IniFormat);
}

} // namespace

TEST(WelcomeWindowTest, AStepThatIsNotValidCannotBeLeftForward) {
    World world;
    TempDir drive;
    Wizard w(world, nullptr, drive.path());
    w.press(Qt::Key_Return);
    ASSERT_EQ(w.step(), OnboardingStep::template_);
    w.find<QRadioButton>("welcomeStarter-podcast")->click();
    EXPECT_EQ(w.window.store().draft().presetName, "Podcast");
    w.press(Qt::Key_Return);

    // No folder yet: neither the button nor Return moves on, and the window says why.
    ASSERT_EQ(w.step(), OnboardingStep::destination);
    EXPECT_FALSE(w.find<QPushButton>("welcomeNext")->isEnabled());
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.step(), OnboardingStep::destination);
    EXPECT_FALSE(w.find<QLabel>("welcomeHint")->text().isEmpty());
    ASSERT_TRUE(w.chooseDrive());
    EXPECT_EQ(w.window.store().draft().destinationPath, drive.path());
    w.press(Qt::Key_Return);

    // A broken folder template holds the step; the steps after it cannot be jumped to.
    ASSERT_EQ(w.step(), OnboardingStep::folders);
    w.type("welcomeFolderTemplate", "{date}/{nonsense");
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.step(), OnboardingStep::folders);
    EXPECT_FALSE(w.find<QLabel>("welcomeHint")->text().isEmpty());
    EXPECT_FALSE(w.find<QPushButton>("welcomeStep-naming")->isEnabled());

    // Back through the step bar, and Escape closes without finishing.
    w.find<QPushButton>("welcomeStep-destination")->click();
    EXPECT_EQ(w.step(), OnboardingStep::destination);
    w.press(Qt::Key_Escape);
    EXPECT_FALSE(w.window.isVisible());
    ASSERT_EQ(w.exits.size(), 1);
    EXPECT_EQ(w.exits[0], OnboardingExit::skipped());
    EXPECT_FALSE(w.window.store().isFinished());
}

TEST(WelcomeWindowTest, ProgressSurvivesANewWindowUntilFinishedOrSkipped) {
    World world;
    TempDir drive;
    TempDir prefs;
    {
        Wizard w(world, preferences(prefs), drive.path());
        w.press(Qt::Key_Return);
        w.find<QRadioButton>("welcomeStarter-photoSession")->click();
        w.press(Qt::Key_Return);
        ASSERT_TRUE(w.chooseDrive());
        w.press(Qt::Key_Return);
        w.type("welcomeFolderTemplate", "{project}");
    }
    {
        Wizard w(world, preferences(prefs), drive.path());
        EXPECT_EQ(w.step(), OnboardingStep::folders);
        EXPECT_TRUE(w.find<QRadioButton>("welcomeStarter-photoSession")->isChecked());
        EXPECT_EQ(w.find<QLineEdit>("welcomeFolderTemplate")->text(), "{project}");
        EXPECT_EQ(w.window.store().draft().destinationPath, drive.path());
    }

    // Skipping from the first screen ends the setup for good.
    TempDir fresh;
    Wizard w(world, preferences(fresh), drive.path());
    w.find<QPushButton>("welcomeSkip")->click();
    EXPECT_EQ(w.exits, QList<OnboardingExit>{OnboardingExit::skipped()});
    EXPECT_TRUE(OnboardingStore(preferences(fresh)).isFinished());
}

TEST(WelcomeWindowTest, SavingAppliesTheChoicesAndTheLastScreenStartsOnACard) {
    World world;
    TempDir drive;
    TempDir prefs;
    Wizard w(world, preferences(prefs), drive.path());
    w.press(Qt::Key_Return);
    w.press(Qt::Key_Return);
    ASSERT_TRUE(w.chooseDrive());
    // Stowly already has a default folder, so making this one the default is a choice.
    auto* makeDefault = w.find<QCheckBox>("welcomeMakeDefault");
    EXPECT_TRUE(makeDefault->isVisible());
    w.press(Qt::Key_Return);
    w.press(Qt::Key_Return);
    w.press(Qt::Key_Return);
    ASSERT_EQ(w.step(), OnboardingStep::review);
    w.type("welcomePresetName", "  Harbour  ");
    w.find<QCheckBox>("welcomeEject")->click();
    w.find<QCheckBox>("welcomeSound")->click();
    w.press(Qt::Key_Return);

    // What saving does with the choices is the store's; here the window's choices reach it.
    ASSERT_EQ(w.step(), OnboardingStep::done);
    AppModel& model = *world.model;
    EXPECT_TRUE(model.settings().value(setting::ejectAfterOffload));
    EXPECT_FALSE(model.settings().value(setting::playSuccessSound));
    ASSERT_EQ(model.presets().presets().size(), 1);
    EXPECT_EQ(model.presets().presets().first().name, "Harbour");
    ASSERT_TRUE(model.destinations().defaultFavorite());
    EXPECT_EQ(model.destinations().defaultFavorite()->path, drive.path());
    EXPECT_TRUE(OnboardingStore(preferences(prefs)).isFinished());

    // Waiting until a card arrives; then Return starts on it.
    EXPECT_TRUE(w.find<QLabel>("welcomeWaiting")->isVisible());
    const CardVolume card = world.insertCard("A7SIII", {{"DCIM/A.JPG", QByteArray(1000, 'a')}});
    ASSERT_TRUE(spinUntil([&] {
        auto* start = w.find<QPushButton>("welcomeOffloadCard");
        return start && start->isVisible() && start->isDefault();
    }));
    w.press(Qt::Key_Return);
    ASSERT_EQ(w.exits.size(), 1);
    EXPECT_EQ(w.exits[0].kind, OnboardingExit::Kind::offload);
    EXPECT_EQ(w.exits[0].card->url, card.url);
}
