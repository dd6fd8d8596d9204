#include "app/stores/CameraStore.h"

#include "support/Printing.h"
#include "support/TestSupport.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

TEST(CameraStoreTest, NamesAreUniqueAndTheCardsOwnCameraIsSuggestedUntilDeleted) {
    CameraStore store(std::nullopt);
    const Camera a = store.add("a7s iii", "a");
    EXPECT_EQ(store.add("A7S III", "B").name, "A7S III 2");
    const Camera b = store.add("A7S III", "b");
    EXPECT_EQ(b.name, "A7S III 3");

    EXPECT_FALSE(store.suggestedCamera("CARD-1"));
    store.remember(a.id, "CARD-1");
    store.remember(a.id, "CARD-2");
    store.remember(b.id, "CARD-3");
    EXPECT_EQ(store.suggestedCamera("CARD-1"), a);
    EXPECT_EQ(store.suggestedCamera("NEW"), b);
    QSignalSpy changed(&store, &CameraStore::changed);
    store.remember(b.id, "CARD-3");
    store.remember(std::nullopt, "CARD-4");
    EXPECT_EQ(changed.count(), 0);

    store.remove({a.id});
    EXPECT_EQ(store.perCard().keys(), QStringList{"CARD-3"});
    EXPECT_EQ(store.suggestedCamera("CARD-1"), b);
    store.remove({b.id});
    EXPECT_FALSE(store.lastCameraID());
    EXPECT_FALSE(store.suggestedCamera("CARD-3"));
}

TEST(CameraStoreTest, RoundTripsAndRejectsFilesWithoutPerCard) {
    TempDir home;
    const QString file = home("Stowly/cameras.json");
    {
        CameraStore store(file);
        const Camera a = store.add("FX3", "FX");
        store.add("Pocket", "");
        store.move({1}, 0);
        store.setCode(a.id, "FX3");
        store.remember(a.id, "1234-ABCD");
    }
    CameraStore reloaded(file);
    EXPECT_FALSE(reloaded.lastError());
    ASSERT_EQ(reloaded.cameras().size(), 2);
    EXPECT_EQ(reloaded.cameras()[0].name, "Pocket");
    EXPECT_EQ(reloaded.cameras()[1].code, "FX3");
    EXPECT_EQ(reloaded.suggestedCamera("1234-ABCD"), reloaded.cameras()[1]);

    const QByteArray camera =
        R"({"id": "0B1E6A52-8D2C-4A51-9A55-2F6F5C1D0A02", "name": "A", "code": "a"})";
    writeFile(file, R"({"cameras": [)" + camera + R"(], "perCard": {}})");
    CameraStore noLast(file);
    EXPECT_FALSE(noLast.lastError());
    EXPECT_FALSE(noLast.lastCameraID());
    EXPECT_EQ(noLast.cameras().size(), 1);

    writeFile(file, R"({"cameras": [)" + camera + "]}");
    const Camera kept{QUuid::createUuid(), "Kept", "K"};
    CameraStore noCards(file, {kept});
    EXPECT_EQ(noCards.cameras(), QList<Camera>{kept});
    ASSERT_TRUE(noCards.lastError());
    EXPECT_TRUE(noCards.lastError()->startsWith(
        "Couldn’t read the camera list: the file lacks “perCard”. The old file was kept as "));
}
