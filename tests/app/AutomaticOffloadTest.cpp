#include "app/model/AutomaticOffload.h"
#include "app/model/CardDesk.h"
#include "app/prompts/ImportPrompter.h"
#include "session/OffloadSession.h"
#include "support/AppModelWorld.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

const QHash<QString, QByteArray> shoot{{"DCIM/100/C0001.JPG", QByteArray(5000, 'a')},
                                       {"DCIM/100/C0002.JPG", QByteArray(7000, 'b')}};

} // namespace

// What a rule takes: a name pattern in any case and whole, a camera remembered for the card,
// a volume identity; anything else is left to the person.
TEST(AutomaticOffloadTest, RulesMatchCardsByNameCameraAndIdentity) {
    const CardVolume card{"/media/u/A001_CARD", "A001_CARD", "1234-ABCD"};
    OffloadRule rule;
    rule.match = OffloadRule::Match::name;
    rule.value = "a*_card";
    EXPECT_TRUE(rule.matches(card, std::nullopt));
    EXPECT_FALSE(rule.matches({"/media/u/XA001_CARD", "XA001_CARD", {}}, std::nullopt));
    rule.value = "";
    EXPECT_FALSE(rule.matches(card, std::nullopt)) << "an empty pattern takes nothing";
    rule.match = OffloadRule::Match::identity;
    rule.value = "1234-ABCD";
    EXPECT_TRUE(rule.matches(card, std::nullopt));
    const QUuid camera = QUuid::createUuid();
    rule.match = OffloadRule::Match::camera;
    rule.value = camera.toString(QUuid::WithoutBraces).toUpper();
    EXPECT_TRUE(rule.matches(card, camera));
    EXPECT_FALSE(rule.matches(card, QUuid::createUuid()));
    EXPECT_FALSE(rule.matches(card, std::nullopt));
    const auto decoded = OffloadRule::fromJson(rule.toJson(), "rule 1");
    ASSERT_TRUE(std::holds_alternative<OffloadRule>(decoded));
    EXPECT_EQ(std::get<OffloadRule>(decoded), rule);
}

// In the window: a card a rule takes is offloaded and ejected without a prompt, with the rule's
// preset and project; a card no rule takes is asked about; a rule that asks first shows its card
// ready; a rule whose preset's destination is missing fails its card, loudly.
TEST(AutomaticOffloadTest, ACardARuleTakesIsOffloadedWithoutAsking) {
    World w;
    AppModel& m = *w.model;
    QStringList prompted;
    m.importPrompter().presentOverride = [&](const CardVolume& card) { prompted << card.name; };
    OffloadPreset preset;
    preset.name = "Cart";
    preset.destinationPath = w.destination.path();
    preset.folderTemplate = "{project}";
    preset.fileTemplate = "{project}_{seq}";
    preset = m.presets().add(preset);
    AutomaticOffload& automatic = m.automaticOffload();
    OffloadRule rule;
    rule.match = OffloadRule::Match::name;
    rule.value = "A*";
    rule.presetID = preset.id;
    rule.ejectWhenVerified = true;
    EXPECT_TRUE(automatic.refusal(rule)) << "its naming needs a project";
    rule.project = "Shoot";
    EXPECT_FALSE(automatic.refusal(rule));
    m.rules().add(rule);
    QSignalSpy handed(&automatic, &AutomaticOffload::handedOver);
    QSignalSpy failed(&automatic, &AutomaticOffload::failed);

    const CardVolume taken = w.insertCard("A001", shoot);
    ASSERT_TRUE(spinUntil([&] { return w.disk->ejected.contains(taken.url); }));
    EXPECT_EQ(handed.size(), 1);
    EXPECT_EQ(filesBelow(w.destination.path() + "/Shoot").size(), 2);
    EXPECT_FALSE(prompted.contains("A001"));

    w.insertCard("B_CARD", shoot);
    EXPECT_TRUE(spinUntil([&] { return prompted.contains("B_CARD"); }));

    OffloadRule asking;
    asking.match = OffloadRule::Match::name;
    asking.value = "C*";
    asking.startWithoutAsking = false;
    asking.project = "Later";
    m.rules().add(asking);
    const CardVolume shown = w.insertCard("C001", shoot);
    ASSERT_TRUE(spinUntil([&] {
        const CardDesk* desk = m.desk(shown.id());
        return desk && desk->session() && desk->projectInput() == "Later";
    }));
    EXPECT_TRUE(m.desk(shown.id())->isOpen());
    EXPECT_EQ(m.selectedCardID(), shown.id());

    OffloadPreset gone = preset;
    gone.destinationPath = w.destination.path() + "/unplugged";
    m.presets().update(gone);
    w.insertCard("A002", shoot);
    ASSERT_TRUE(spinUntil([&] { return failed.size() == 1; }));
    EXPECT_TRUE(failed.first().at(1).toString().contains("isn’t there")) << "its reason";
    EXPECT_EQ(handed.size(), 1);
}
