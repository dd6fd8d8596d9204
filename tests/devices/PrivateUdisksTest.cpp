// The private udisks the device tests stand on: it must see real devices come and go, and its
// polkit stand-in must decide what an ordinary user may do.

#include "support/PrivateUdisks.h"
#include "support/ScratchMount.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace stowly;

namespace {

// Detaches what udisksctl attached, whatever the test's outcome.
struct AttachedLoops {
    QStringList devices;
    ~AttachedLoops() {
        for (const QString& device : devices)
            QProcess::execute("losetup", {"-d", device});
    }
};

// Runs udisksctl as "nobody" against the private bus; its output and whether it succeeded.
std::pair<QString, bool> udisksctlAsNobody(const test::PrivateUdisks& udisks,
                                           const QStringList& arguments) {
    // Everything the child needs is made before forking: it may only call what is safe there.
    QList<QByteArray> storage;
    storage.append("/usr/bin/udisksctl");
    for (const QString& argument : arguments)
        storage.append(argument.toLocal8Bit());
    QList<QByteArray> environment;
    for (const QString& entry : udisks.environment().toStringList())
        environment.append(entry.toLocal8Bit());
    std::vector<char*> argv, envp;
    for (QByteArray& a : storage)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (QByteArray& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    const auto result = test::runUnprivileged([&]() -> QByteArray {
        int fds[2];
        if (::pipe(fds) != 0)
            return "no pipe";
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(fds[1], 1);
            ::dup2(fds[1], 2);
            ::close(fds[0]);
            ::alarm(30); // survives exec: a hung call cannot hang the test
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        ::close(fds[1]);
        QByteArray output;
        char buffer[4096];
        for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
            output.append(buffer, n);
        ::close(fds[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        const bool ok = child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        return (ok ? "0" : "1") + output;
    });
    if (!result || result->isEmpty())
        return {"could not run as nobody", false};
    return {QString::fromLocal8Bit(result->mid(1)), result->at(0) == '0'};
}

} // namespace

TEST(PrivateUdisksTest, SeesALoopDeviceComeAndGo) {
    QString why;
    const auto udisks = test::PrivateUdisks::start(&why);
    if (!udisks)
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    test::TempDir dir;
    auto card = test::ScratchMount::exfatImage(dir.path(), 32 << 20, &why, "HARNESS");
    if (!card)
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    const QString device = card->device();

    ASSERT_TRUE(udisks->waitForBlock(device, 20000))
        << device.toStdString() << " never listed; udisksd said:\n"
        << udisks->daemonOutput().toStdString();
    const QVariantMap block = udisks->block(device);
    EXPECT_EQ(block.value("IdType").toString(), "exfat");
    EXPECT_EQ(block.value("IdLabel").toString(), "HARNESS");
    EXPECT_TRUE(udisks->block("/dev/no-such-device").isEmpty());

    // udisks keeps listing an unused loop node, but with no medium and no file system in it.
    card.reset(); // detaches the loop device
    QProcess::execute("udevadm", {"settle", "-t", "10"});
    EXPECT_TRUE(test::spinUntil(
        [&] {
            const QVariantMap gone = udisks->block(device);
            return gone.value("Size").toULongLong() == 0 &&
                   gone.value("IdType").toString().isEmpty();
        },
        10000))
        << device.toStdString() << " still has its card after it was detached";
}

TEST(PrivateUdisksTest, PolkitStandInDecidesForAnOrdinaryUser) {
    QString why;
    const auto udisks = test::PrivateUdisks::start(&why);
    if (!udisks)
        GTEST_SKIP() << "Skipped: " << why.toStdString();
    // The ordinary user must be able to read the image it asks udisks to attach.
    test::TempDir dir;
    QFile::setPermissions(dir.path(),
                          QFile::permissions(dir.path()) | QFile::ExeOther | QFile::ReadOther);
    const QString image = test::writeFile(dir("plain.img"), QByteArray(1 << 20, '\0'));
    QFile::setPermissions(image, QFile::permissions(image) | QFile::ReadOther);
    const QStringList setup = {"loop-setup", "-r", "-f", image, "--no-user-interaction"};
    AttachedLoops attached;
    const auto attach = [&] {
        const auto [output, ok] = udisksctlAsNobody(*udisks, setup);
        const auto match = QRegularExpression("as (/dev/loop\\d+)").match(output);
        if (match.hasMatch())
            attached.devices.append(match.captured(1));
        return std::pair{output, ok};
    };

    const auto expectRefused = [&] {
        const auto [output, ok] = attach();
        EXPECT_FALSE(ok);
        EXPECT_TRUE(output.contains("NotAuthorized")) << output.toStdString();
    };
    const auto expectGranted = [&] {
        const auto [output, ok] = attach();
        EXPECT_TRUE(ok) << output.toStdString();
    };

    ASSERT_TRUE(udisks->allowNone());
    expectRefused();
    ASSERT_TRUE(udisks->allowOnly({"org.freedesktop.udisks2.filesystem-mount"}));
    expectRefused();
    ASSERT_TRUE(udisks->allowOnly({"org.freedesktop.udisks2.loop-setup"}));
    expectGranted();
    ASSERT_TRUE(udisks->allowAll());
    expectGranted();
    EXPECT_EQ(attached.devices.size(), 2) << attached.devices.join(' ').toStdString();
}
