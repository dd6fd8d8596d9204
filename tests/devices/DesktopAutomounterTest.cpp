#include "devices/linux/DesktopAutomounter.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

// A process folder in a pretend /proc: its name as the kernel cuts it, and its arguments.
void addProcess(const TempDir& proc, const QString& pid, const QByteArray& comm,
                const QByteArrayList& arguments) {
    writeFile(proc(pid + "/comm"), comm + '\n');
    writeFile(proc(pid + "/cmdline"), arguments.join('\0') + '\0');
}

} // namespace

TEST(DesktopAutomounterTest, FoundByItsCutNameOrItsProgram) {
    struct Case {
        QByteArray comm;
        QByteArrayList arguments;
        bool automounter;
    };
    const QList<Case> cases = {
        // The kernel keeps 15 characters of GNOME's volume monitor.
        {"gvfs-udisks2-vo", {"/usr/libexec/gvfs-udisks2-volume-monitor"}, true},
        {"kded6", {"kded6"}, true},
        // A script started through its interpreter.
        {"python3", {"/usr/bin/python3", "/usr/bin/udiskie", "--tray"}, true},
        // Renamed itself, but its program says what it is.
        {"pool-0", {"/usr/bin/kded5"}, true},
        {"gvfs-udisks2", {"/usr/libexec/gvfs-udisks2"}, false},
        {"kded", {"kded"}, false},
        {"vim", {"vim", "udiskie.conf"}, false},
        {"bash", {"bash", "/usr/bin/udiskie"}, false},
    };
    for (const Case& c : cases) {
        TempDir proc;
        addProcess(proc, "1", "systemd", {"/sbin/init"});
        addProcess(proc, "4242", c.comm, c.arguments);
        EXPECT_EQ(DesktopAutomounter::isRunning(proc.path()), c.automounter) << c.comm.data();
    }
}

TEST(DesktopAutomounterTest, OnlyProcessFoldersCount) {
    TempDir proc;
    addProcess(proc, "7", "sshd", {"sshd"});
    // Folders that are not processes.
    addProcess(proc, "sys", "udiskie", {"udiskie"});
    addProcess(proc, "12x", "udiskie", {"udiskie"});
    EXPECT_FALSE(DesktopAutomounter::isRunning(proc.path()));
    // A process that ended between the listing and the reading has no files left.
    QDir().mkpath(proc("99"));
    EXPECT_FALSE(DesktopAutomounter::isRunning(proc.path()));
    EXPECT_FALSE(DesktopAutomounter::isRunning(proc("missing")));
}
