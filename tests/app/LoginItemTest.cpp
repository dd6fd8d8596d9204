// The start-at-login switch as an autostart entry in the test's own configuration folder.

#include "app/settings/LoginItem.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace stowly;

TEST(LoginItemTest, TheAutostartEntryStartsStowlyAsALoginLaunch) {
    QFile::remove(LoginItem::entryPath());
    test::TempDir dir;
    // A program in a folder whose name needs quoting in an Exec line.
    const QString program = test::writeFile(dir("Stowly \"beta\"/stowly"), "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    LoginItem item(true, program);
    EXPECT_FALSE(item.isOn());
    item.set(true);
    EXPECT_EQ(item.status(), LoginItem::Status::enabled);
    EXPECT_EQ(item.lastError(), std::nullopt);
    const QByteArray entry = test::readFile(LoginItem::entryPath());
    EXPECT_TRUE(entry.contains("\nExec=\"" + dir.path().toUtf8() +
                               "/Stowly \\\\\"beta\\\\\"/stowly\" --login\n"))
        << entry.toStdString();
    EXPECT_TRUE(LoginItem(true, program).isOn()); // read back from the entry

    // The desktop's own switch hides the entry; a program that has gone is not found.
    test::writeFile(LoginItem::entryPath(), entry + "Hidden=true\n");
    EXPECT_FALSE(LoginItem(true, program).isOn());
    test::writeFile(LoginItem::entryPath(), entry);
    QFile::remove(program);
    EXPECT_EQ(LoginItem(true, program).status(), LoginItem::Status::notFound);

    item.set(false);
    EXPECT_FALSE(QFileInfo::exists(LoginItem::entryPath()));
    EXPECT_EQ(item.status(), LoginItem::Status::notRegistered);

    LoginItem notLive(false, program);
    notLive.set(true);
    EXPECT_TRUE(notLive.isOn());
    EXPECT_FALSE(QFileInfo::exists(LoginItem::entryPath()));
}

TEST(LoginItemTest, AnEntryThatCannotBeWrittenLeavesTheErrorAndTheRealState) {
    QFile::remove(LoginItem::entryPath());
    const QString folder = QFileInfo(LoginItem::entryPath()).absolutePath();
    QDir().mkpath(folder);
    test::ReadOnlyFolder readOnly(folder);
    if (!readOnly.isActive())
        GTEST_SKIP() << "Skipped: the folder can't be made read-only here";
    LoginItem item(true, "/bin/sh");
    item.set(true);
    ASSERT_TRUE(item.lastError());
    EXPECT_TRUE(item.lastError()->startsWith(
        "Stowly couldn’t add itself to the programs that start at login: "));
    EXPECT_FALSE(item.isOn());
}
