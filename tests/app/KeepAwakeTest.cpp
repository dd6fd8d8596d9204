// The computer stays awake while Stowly copies or erases: a logind inhibitor lock (the
// python3-dbusmock stand-in for logind on a bus of the test's own) held for as long as the work
// runs, and let go when it ends, whichever way.

#include "app/model/AppModel.h"
#include "devices/linux/LogindInhibitor.h"
#include "support/AppModelWorld.h"
#include "support/PrivateSessionBus.h"

#include <QDBusArgument>
#include <QDBusMessage>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

struct Lock {
    QString what, who, why, mode;
};

// What logind lists as held.
QList<Lock> inhibitors(PrivateSessionBus& bus) {
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                       "org.freedesktop.login1.Manager", "ListInhibitors");
    const QDBusMessage reply = bus.connection().call(call);
    QList<Lock> list;
    const QDBusArgument argument = reply.arguments().value(0).value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        Lock lock;
        uint uid = 0, pid = 0;
        argument.beginStructure();
        argument >> lock.what >> lock.who >> lock.why >> lock.mode >> uid >> pid;
        argument.endStructure();
        list << lock;
    }
    argument.endArray();
    return list;
}

} // namespace

TEST(KeepAwakeTest, ACopyAndAnEraseHoldTheComputerAwakeUntilTheyEnd) {
    QString why;
    auto bus = PrivateSessionBus::start(&why);
    if (!bus)
        GTEST_SKIP() << why.toStdString();
    ASSERT_TRUE(bus->startTemplate("logind", "org.freedesktop.login1"));
    World world(true, nullptr, std::make_shared<LogindInhibitor>(bus->connection()));
    AppModel& model = *world.model;
    world.insertCard("A7SIII", {{"DCIM/100MSDCF/DSC00001.JPG", QByteArray(200'000, 'a')},
                                {"DCIM/100MSDCF/DSC00002.JPG", QByteArray(200'000, 'b')}});
    ASSERT_TRUE(world.waitForSession());
    model.setProject("Harbour");

    QList<QList<Lock>> whileCopying;
    QObject::connect(&model, &AppModel::offloadProgressed, [&] {
        if (model.isBusy())
            whileCopying << inhibitors(*bus);
    });
    model.startOffload();
    ASSERT_TRUE(world.waitForOffload());
    ASSERT_FALSE(whileCopying.isEmpty());
    ASSERT_EQ(whileCopying.first().size(), 1);
    const Lock held = whileCopying.first().first();
    EXPECT_EQ(held.what, "sleep:idle:shutdown");
    EXPECT_EQ(held.who, "Stowly");
    EXPECT_EQ(held.why, "Copying “A7SIII”");
    EXPECT_EQ(held.mode, "block");
    EXPECT_TRUE(spinUntil([&] { return inhibitors(*bus).isEmpty(); })) << "still held after";

    // An erase holds it as long as it runs.
    model.finishSession();
    ASSERT_TRUE(world.waitForSession());
    QList<Lock> whileErasing;
    QObject::connect(&model, &AppModel::formatStateChanged, [&] {
        if (model.formatState().kind == AppModel::FormatState::Kind::formatting)
            whileErasing = inhibitors(*bus);
    });
    model.formatSelectedCard();
    ASSERT_TRUE(spinUntil([&] { return !model.isFormatting(); }));
    ASSERT_EQ(whileErasing.size(), 1);
    EXPECT_EQ(whileErasing.first().why, "Erasing “A7SIII”");
    EXPECT_TRUE(spinUntil([&] { return inhibitors(*bus).isEmpty(); }));

    // A cancelled copy lets go too.
    world.insertCard("B", {{"DCIM/IMG_0001.JPG", QByteArray(4'000'000, 'c')}});
    ASSERT_TRUE(spinUntil([&] {
        return model.session() && model.session()->card().name == "B" && !model.isScanning();
    }));
    bool stopped = false;
    QObject::connect(&model, &AppModel::offloadProgressed, [&] {
        if (!stopped && model.isBusy() && !inhibitors(*bus).isEmpty()) {
            stopped = true;
            model.session()->cancel();
        }
    });
    model.startOffload();
    ASSERT_TRUE(world.waitForOffload());
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(spinUntil([&] { return inhibitors(*bus).isEmpty(); }));
}
