#include "devices/linux/DesktopAutomounter.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

TEST(DesktopAutomounterTest, FoundByItsCutNameOrItsProgram) {
    struct Case {
        QString folder;
        QByteArray comm;
        QByteArrayList arguments;
        bool automounter;
    };
    const QList<Case> cases = {
        // The kernel keeps 15 characters of GNOME's volume monitor.
        {"4242", "gvfs-udisks2-vo", {"/usr/libexec/gvfs-udisks2-volume-monitor"}, true},
        // A script started through its interpreter.
        {"4242", "python3", {"/usr/bin/python3", "/usr/bin/udiskie", "--tray"}, true},
        // Renamed itself, but its program says what it is.
        {"4242", "pool-0", {"/usr/bin/kded5"}, true},
        {"4242", "gvfs-udisks2", {"/usr/libexec/gvfs-udisks2"}, false},
        {"4242", "bash", {"bash", "/usr/bin/udiskie"}, false},
        // Not a process's folder.
        {"sys", "udiskie", {"udiskie"}, false},
    };
    for (const Case& c : cases) {
        TempDir proc;
        writeFile(proc("1/comm"), "systemd\n");
        writeFile(proc(c.folder + "/comm"), c.comm + '\n');
        writeFile(proc(c.folder + "/cmdline"), c.arguments.join('\0') + '\0');
        // A process that ended between the listing and the reading has no files left.
        QDir().mkpath(proc("99"));
        EXPECT_EQ(DesktopAutomounter::isRunning(proc.path()), c.automounter) << c.comm.data();
    }
}
