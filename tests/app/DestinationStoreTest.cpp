#include "app/stores/DestinationStore.h"

#include "AppTestSupport.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

// Folders that exist, as far as the store is told.
struct Folders {
    QSet<QString> present;
    DestinationStore::FolderExists function() const {
        return [this](const QString& path) { return present.contains(path); };
    }
};

QStringList names(const DestinationStore& store) {
    QStringList result;
    for (const FavoriteDestination& favorite : store.favorites())
        result << favorite.displayName();
    return result;
}

} // namespace

TEST(DestinationStoreTest, RoundTripsWithUpperCaseIds) {
    TempDir home;
    const QString file = home("Stowly/destinations.json");
    DestinationStore store(destinationOptions(file));
    const FavoriteDestination a = store.add("/nowhere/Footage");
    store.markUsed(a.id);
    const QByteArray id = a.id.toString(QUuid::WithoutBraces).toUpper().toUtf8();
    EXPECT_EQ(readFile(file).count("\"" + id + "\""), 3);
    DestinationStore reloaded(destinationOptions(file));
    EXPECT_TRUE(reloaded.loadedSavedList());
    EXPECT_EQ(reloaded.favorites(), store.favorites());
    EXPECT_EQ(reloaded.lastUsedID(), a.id);
}

TEST(DestinationStoreTest, ReadsHandWrittenFilesWithoutOptionalKeys) {
    TempDir home;
    const QString file = home("destinations.json");
    writeFile(file, R"({"favorites": [
        {"id": "0b1e6a52-8d2c-4a51-9a55-2f6f5c1d0a01", "name": "", "path": "/a/One"},
        {"id": "0B1E6A52-8D2C-4A51-9A55-2F6F5C1D0A02", "name": " Two ", "path": "/b/2",
         "bookmark": "%%% not base64"}],
        "defaultID": "11111111-2222-3333-4444-555555555555",
        "lastUsedID": "99999999-2222-3333-4444-555555555555"})");
    DestinationStore store(destinationOptions(file));
    EXPECT_FALSE(store.lastError());
    EXPECT_EQ(names(store), QStringList({"One", "Two"}));
    EXPECT_FALSE(store.favorites()[1].bookmark);
    // A default that names no favourite becomes the first; the last used stays as stored.
    EXPECT_EQ(store.defaultID(), store.favorites()[0].id);
    EXPECT_EQ(store.lastUsedID(), QUuid::fromString(u"99999999-2222-3333-4444-555555555555"));
}

TEST(DestinationStoreTest, UnreadableFilesAreSetAsideNotOverwritten) {
    const QList<std::pair<QByteArray, QString>> cases{
        {R"({"defaultID": "0B1E6A52-8D2C-4A51-9A55-2F6F5C1D0A02"})", "the file lacks “favorites”"},
        {R"({"favorites": [{"id": "x", "name": "", "path": "/a"}]})",
         "“id” of favorite 1 isn’t a UUID"},
        {"{\"favorites\": [", "the file isn’t valid JSON ("},
    };
    for (const auto& [content, problem] : cases) {
        TempDir home;
        const QString file = home("destinations.json");
        writeFile(file, content);
        DestinationStore::Options o = destinationOptions(file);
        o.favorites = {FavoriteDestination{QUuid::createUuid(), "Kept", "/kept", std::nullopt}};
        DestinationStore store(o);
        EXPECT_EQ(names(store), QStringList{"Kept"}) << content.constData();
        EXPECT_FALSE(store.loadedSavedList());
        const QStringList aside = setAsideCopies(home.path(), "destinations.json");
        ASSERT_EQ(aside.size(), 1);
        ASSERT_TRUE(store.lastError());
        EXPECT_TRUE(
            store.lastError()->startsWith("Couldn’t read your favorite destinations: " + problem))
            << store.lastError()->toStdString();
        EXPECT_TRUE(store.lastError()->endsWith(". The old file was kept as " + aside[0] + "."));

        store.add("/new");
        EXPECT_FALSE(store.lastError());
        EXPECT_EQ(readFile(home(aside[0])), content);
        EXPECT_EQ(names(DestinationStore(destinationOptions(file))), QStringList({"Kept", "new"}));
    }
}

TEST(DestinationStoreTest, ABadFileThatCannotBeSetAsideIsNeverWritten) {
    TempDir home;
    QDir().mkpath(home("Stowly"));
    writeFile(home("Stowly/destinations.json"), "garbage");
    ReadOnlyFolder readOnly(home("Stowly"));
    if (!readOnly.isActive())
        GTEST_SKIP() << "cannot make a folder read-only here";
    DestinationStore store(destinationOptions(home("Stowly/destinations.json")));
    ASSERT_TRUE(store.lastError());
    EXPECT_TRUE(store.lastError()->endsWith("so Stowly won’t save over it."))
        << store.lastError()->toStdString();
    store.add("/x");
    EXPECT_EQ(store.favorites().size(), 1);
    EXPECT_EQ(readFile(home("Stowly/destinations.json")), "garbage");
}

TEST(DestinationStoreTest, SaveFailuresAreReportedAndClearedByTheNextSave) {
    TempDir home;
    writeFile(home("blocker"), "a file where the folder should be");
    DestinationStore store(destinationOptions(home("blocker/Stowly/destinations.json")));
    store.add("/a");
    EXPECT_EQ(store.lastError(), "Couldn’t save your favorite destinations: Not a directory.");
    EXPECT_EQ(store.favorites().size(), 1);
    QFile::remove(home("blocker"));
    store.add("/b");
    EXPECT_FALSE(store.lastError());
    EXPECT_EQ(DestinationStore(destinationOptions(home("blocker/Stowly/destinations.json")))
                  .favorites()
                  .size(),
              2);
}

TEST(DestinationStoreTest, AddingFindsExistingFoldersAndMakesNamesUnique) {
    DestinationStore store(destinationOptions(std::nullopt));
    const FavoriteDestination first = store.add("/Volumes/SSD/Footage");
    EXPECT_EQ(store.defaultID(), first.id);
    EXPECT_EQ(store.add("/Volumes/SSD/Footage/").id, first.id);
    EXPECT_EQ(store.add("/Volumes/SSD/./x/../Footage").id, first.id);
    store.add("/Volumes/Other/Footage");
    store.rename(store.favorites()[1].id, "footage 3");
    store.add("/Volumes/Third/Footage");
    store.add("/Volumes/Fourth/Footage", QString("  "));
    EXPECT_EQ(names(store), QStringList({"Footage", "footage 3", "Footage 2", "Footage 4"}));
    EXPECT_EQ(store.add("/x", QString("Archive")).name, "Archive");
    EXPECT_EQ(store.defaultID(), first.id);

    for (const auto& [path, normal] :
         QList<std::pair<QString, QString>>{{"///", "/"},
                                            {"/..", "/"},
                                            {"~/Movies/", QDir::homePath() + "/Movies"},
                                            {"/a/~", "/a/~"}})
        EXPECT_EQ(DestinationStore::normalized(path), normal) << path.toStdString();
}

TEST(DestinationStoreTest, EditsThatChangeNothingSaveNothingAndDeletingMovesTheDefault) {
    DestinationStore store(destinationOptions(std::nullopt));
    const auto a = store.add("/a");
    const auto b = store.add("/b");
    QSignalSpy changed(&store, &DestinationStore::changed);
    store.setDefault(a.id);
    store.markUsed(QUuid::createUuid());
    store.rename(a.id, "a");
    store.setPath(a.id, "/a/");
    store.move({0}, 1);
    store.remove({QUuid::createUuid()});
    EXPECT_EQ(changed.count(), 0);
    store.move({0}, 2);
    EXPECT_EQ(store.favorites()[0].id, b.id);
    store.setPath(a.id, "/elsewhere/");
    EXPECT_EQ(store.favorite(a.id)->path, "/elsewhere");
    EXPECT_EQ(changed.count(), 2);

    const auto c = store.add("/c");
    store.setDefault(b.id);
    store.markUsed(c.id);
    store.remove({b.id});
    EXPECT_EQ(store.defaultID(), a.id);
    EXPECT_EQ(store.lastUsedID(), c.id);
    store.remove({a.id, c.id});
    EXPECT_TRUE(store.favorites().isEmpty());
    EXPECT_FALSE(store.defaultID());
    EXPECT_FALSE(store.lastUsedID());
    EXPECT_FALSE(store.defaultFavorite());
}

TEST(DestinationStoreTest, TwoFavoritesNeverShareAFolder) {
    DestinationStore store(destinationOptions(std::nullopt));
    const auto a = store.add("/Volumes/SSD/Footage", QString("Footage"));
    const auto b = store.add("/Volumes/SSD/Archive", QString("Archive"));
    QSignalSpy changed(&store, &DestinationStore::changed);
    QSignalSpy followed(&store, &DestinationStore::folderChanged);
    store.setPath(b.id, "/Volumes/SSD/Footage/");
    EXPECT_EQ(store.favorite(b.id)->path, "/Volumes/SSD/Archive");
    EXPECT_EQ(store.lastError(), "“Footage” already points at /Volumes/SSD/Footage. Two favorites "
                                 "can’t share a folder, so “Archive” wasn’t changed.");
    EXPECT_EQ(changed.count(), 1) << "the settings show why";
    EXPECT_TRUE(followed.isEmpty());

    store.setPath(b.id, "/Volumes/SSD/Old Archive");
    EXPECT_EQ(store.lastError(), std::nullopt);
    ASSERT_EQ(followed.count(), 1);
    EXPECT_EQ(followed[0], (QVariantList{"/Volumes/SSD/Archive", "/Volumes/SSD/Old Archive"}));
    EXPECT_EQ(store.favorite(a.id)->path, "/Volumes/SSD/Footage");
}

TEST(DestinationStoreTest, LaunchDestinationPrefersReachableFolders) {
    Folders folders;
    DestinationStore store(destinationOptions(std::nullopt, folders.function()));
    EXPECT_EQ(store.launchDestination(std::nullopt), std::nullopt);
    EXPECT_EQ(store.launchDestination(QString("/gone")), "/gone");

    const auto a = store.add("/a");
    const auto b = store.add("/b");
    store.add("/c");
    store.setDefault(a.id);
    store.markUsed(b.id);
    folders.present = {"/a", "/b", "/c", "/current"};
    EXPECT_EQ(store.launchDestination(QString("/current")), "/a");
    folders.present = {"/b", "/c"};
    EXPECT_EQ(store.launchDestination(QString("/current")), "/b");
    folders.present = {"/c"};
    EXPECT_EQ(store.launchDestination(QString("/current")), "/c");
    folders.present = {"/current"};
    EXPECT_EQ(store.launchDestination(QString("/current")), "/a");

    DestinationStore empty(destinationOptions(std::nullopt, folders.function()));
    EXPECT_EQ(empty.launchDestination(QString("/current")), "/current");
}

TEST(DestinationStoreTest, TheOldSingleDestinationIsTakenOverOnce) {
    DestinationStore fresh(destinationOptions(std::nullopt));
    EXPECT_FALSE(fresh.adoptLegacyDestination(QString("")));
    EXPECT_TRUE(fresh.adoptLegacyDestination(QString("/Volumes/SSD/Footage/")));
    ASSERT_EQ(fresh.favorites().size(), 1);
    EXPECT_EQ(fresh.favorites()[0].path, "/Volumes/SSD/Footage");
    EXPECT_EQ(fresh.defaultID(), fresh.favorites()[0].id);
    EXPECT_EQ(fresh.lastUsedID(), fresh.favorites()[0].id);
    EXPECT_FALSE(fresh.adoptLegacyDestination(QString("/Volumes/SSD/Footage")));

    // With favourites already saved, the old folder joins them without taking over.
    TempDir home;
    DestinationStore first(destinationOptions(home("d.json")));
    const auto kept = first.add("/kept");
    first.markUsed(kept.id);
    DestinationStore saved(destinationOptions(home("d.json")));
    EXPECT_FALSE(saved.migrate("/old"));
    EXPECT_TRUE(saved.adoptLegacyDestination(QString("/old")));
    EXPECT_EQ(names(saved), QStringList({"kept", "old"}));
    EXPECT_EQ(saved.defaultID(), kept.id);
    EXPECT_EQ(saved.lastUsedID(), kept.id);
}
