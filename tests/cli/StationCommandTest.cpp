// A station with nobody at it: real exFAT cards mounted one after another where removable media
// are, each offloaded by the rules, ejected, and told one JSON line per step; a card pulled
// during its offload fails alone, and SIGTERM ends a run cleanly.

#include "cli/CliHarness.h"
#include "support/PrivateUdisks.h"

#include <QDir>
#include <QFile>
#include <QJsonParseError>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stowly::test {
namespace {

constexpr qint64 MiB = 1 << 20;

// A running `stowly-cli station --json`, its events as they come.
class StationRun {
public:
    StationRun(const Cli& cli, const QStringList& options)
        : m_process(cli.start(QStringList{"station", "--json"} + options)) {}
    ~StationRun() {
        if (m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished();
        }
    }

    // Whether the card (none: the station itself) told the event within the time.
    bool waitFor(const QString& event, const QString& card = {}, int timeoutMs = 60000) {
        return spinUntil(
                   [&] {
                       m_process->waitForReadyRead(20);
                       read();
                       return index(event, card) >= 0 || m_process->state() == QProcess::NotRunning;
                   },
                   timeoutMs) &&
               index(event, card) >= 0;
    }
    // The card's events in order ("inserted", "queued"…).
    QStringList story(const QString& card) const {
        QStringList events;
        for (const QJsonObject& e : m_events)
            if (e["card"].toString() == card)
                events << e["event"].toString();
        return events;
    }
    QJsonObject event(const QString& event, const QString& card = {}) const {
        const int i = index(event, card);
        return i < 0 ? QJsonObject() : m_events[i];
    }
    void signal(int number) { ::kill(pid_t(m_process->processId()), number); }
    // Stops the station as the system does and returns its exit status.
    int terminate() {
        m_process->terminate();
        m_process->waitForFinished(60000);
        read();
        return m_process->exitStatus() == QProcess::NormalExit ? m_process->exitCode() : -1;
    }
    QString errors() {
        m_errors += QString::fromUtf8(m_process->readAllStandardError());
        return m_errors;
    }
    bool waitForError(const QString& text) {
        return spinUntil([&] {
            m_process->waitForReadyRead(20);
            return errors().contains(text);
        });
    }

private:
    void read() {
        m_pending += m_process->readAllStandardOutput();
        for (qsizetype end; (end = m_pending.indexOf('\n')) >= 0;) {
            const QByteArray line = m_pending.left(end);
            m_pending.remove(0, end + 1);
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(line, &error);
            EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
            EXPECT_TRUE(document.object()["time"].isString()) << line.toStdString();
            m_events.append(document.object());
        }
    }
    int index(const QString& event, const QString& card) const {
        for (int i = 0; i < m_events.size(); ++i)
            if (m_events[i]["event"] == event && m_events[i]["card"].toString() == card)
                return i;
        return -1;
    }

    std::unique_ptr<QProcess> m_process;
    QByteArray m_pending;
    QList<QJsonObject> m_events;
    QString m_errors;
};

// A machine whose cards the mount table tells of (no udisks2 on its bus), set up from the
// command line: a destination, a preset and a rule.
struct Cart {
    Cli cli;
    TempDir folder;
    TempDir destination;
    QString why;
    // The names of this test's cards start with it; other tests' cards, mounted meanwhile where
    // cards are, are no business of its station.
    QString tag = randomLabel("S");
    // Where its cards are mounted.
    QString media = "/media/" + tag;

    ~Cart() { QDir().rmdir(media); }

    // The program's log, for a failure to tell what the station saw.
    QString log() const {
        return QString::fromUtf8(readFile(cli.home(".local/state/Stowly/Stowly.log")));
    }

    bool addRule(const QStringList& options = {"--project", "Shoot"}) {
        return cli.run(QStringList{"rules", "add", "--match", "name:" + tag + "*", "--preset",
                                   "Cart"} +
                       options)
                   .status == 0;
    }

    bool setUp() {
        if (!canUseLoopDevices(&why) || !QFileInfo("/media").isWritable()) {
            why = "no loop devices or /media here: " + why;
            return false;
        }
        cli.systemBus = "unix:path=" + folder("no-bus");
        return cli.run({"settings", "destinationPath", destination.path()}).status == 0 &&
               cli.run({"presets", "save", "Cart"}).status == 0;
    }
    std::unique_ptr<MediaCard> card(const QString& prefix, int clips, qint64 clipBytes,
                                    const QString& extension = "MP4") {
        return mediaCard(
            prefix, folder.path(), ScratchMount::Driver::fuse, &why,
            [&](const QString& root) {
                for (int i = 1; i <= clips; ++i)
                    writeFile(root + QString("/DCIM/100/C%1.").arg(i, 4, 10, QChar('0')) +
                                  extension,
                              QByteArray(clipBytes, char('a' + i)));
            },
            clips * clipBytes + 16 * MiB, media);
    }
};

TEST(StationCommandTest, OffloadsAndEjectsEachCardItsRuleTakes) {
    Cart cart;
    if (!cart.setUp())
        GTEST_SKIP() << cart.why.toStdString();
    Cli& cli = cart.cli;
    EXPECT_EQ(cli.run({"station"}).status, 2) << "no rules and no preset";
    EXPECT_EQ(cli.run({"station", "--preset", "Nope"}).status, 2);
    const CliResult noProject = cli.run({"station", "--preset", "Cart"});
    EXPECT_EQ(noProject.status, 2);
    EXPECT_TRUE(noProject.errText().contains("give the rule a project"))
        << noProject.errText().toStdString();
    // A rule with a project its preset's naming needs; without one it is refused.
    EXPECT_FALSE(cart.addRule({"--eject"}));
    ASSERT_TRUE(cart.addRule({"--project", "Shoot", "--eject"}));
    const QJsonArray rules = cli.run({"rules", "--json"}).array();
    ASSERT_EQ(rules.size(), 1);
    EXPECT_EQ(rules[0]["preset"], "Cart");
    EXPECT_EQ(cli.run({"presets", "delete", "Cart"}).status, 2) << "a rule still names it";

    const QString hookOutput = cart.folder("hook.jsonl");
    const QString hook =
        writeFile(cart.folder("hook.sh"), "#!/bin/sh\ncat >> '" + hookOutput.toUtf8() +
                                              "'\necho >> '" + hookOutput.toUtf8() + "'\n");
    QFile::setPermissions(hook, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    StationRun station(cli, {"--hook", hook});
    ASSERT_TRUE(station.waitFor("watching")) << station.errors().toStdString();

    QStringList offloaded;
    for (const QString& prefix : QStringList{cart.tag, "O" + cart.tag, cart.tag, cart.tag}) {
        const auto card = cart.card(prefix, 2, MiB);
        ASSERT_TRUE(card) << cart.why.toStdString();
        const QString& label = card->label;
        if (prefix != cart.tag) {
            ASSERT_TRUE(station.waitFor("ignored", label));
            EXPECT_EQ(station.event("ignored", label)["reason"], "No rule matches this card.");
            continue;
        }
        ASSERT_TRUE(station.waitFor("ejected", label)) << station.errors().toStdString();
        offloaded << label;
        const QStringList story = station.story(label);
        EXPECT_EQ(story.mid(0, 4), QStringList({"inserted", "queued", "started", "finished"}))
            << story.join(' ').toStdString();
        EXPECT_TRUE(story.contains("removed"));
        EXPECT_EQ(station.event("finished", label)["copied"], 2);
        EXPECT_EQ(station.event("started", label)["bytes"], 2 * MiB);
        EXPECT_FALSE(QFileInfo::exists(card->mountPoint + "/DCIM"));
    }
    EXPECT_EQ(filesBelow(cart.destination.path()).size(), 6);
    EXPECT_EQ(station.terminate(), 0);
    EXPECT_EQ(station.event("stopped")["offloaded"], 3);

    QFile hooks(hookOutput);
    ASSERT_TRUE(hooks.open(QIODevice::ReadOnly));
    QStringList hookCards;
    for (const QByteArray& line : hooks.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            hookCards << QJsonDocument::fromJson(line).object()["card"].toString();
    EXPECT_EQ(hookCards, offloaded);
}

// A station started with a card in its reader that nothing mounted: through udisks2 it mounts
// the card read-only, offloads it by its rule, writes not a sector to it, and ejects it.
TEST(StationCommandTest, MountsACardAlreadyInThroughUdisks) {
    Cart cart;
    if (!cart.setUp())
        GTEST_SKIP() << cart.why.toStdString();
    const auto udisks = PrivateUdisks::start(&cart.why);
    if (!udisks)
        GTEST_SKIP() << cart.why.toStdString();
    ASSERT_TRUE(udisks->allowAll());
    ASSERT_TRUE(cart.addRule({"--project", "Shoot", "--eject"}));
    const QString label = randomLabel(cart.tag);
    const auto scratch = ScratchMount::exfatImage(cart.folder.path(), 32 * MiB, &cart.why, label);
    if (!scratch)
        GTEST_SKIP() << cart.why.toStdString();
    const QString staging = cart.folder("staging");
    ASSERT_TRUE(scratch->mount(staging, ScratchMount::Driver::kernelFirst, &cart.why));
    writeFile(staging + "/DCIM/100/C0001.MP4", QByteArray(3 * MiB, 'c'));
    ASSERT_TRUE(unmountAndWait(staging));
    ASSERT_TRUE(udisks->waitForBlock(scratch->device(), 15000));
    QFile stat("/sys/block/" + QFileInfo(scratch->device()).fileName() + "/stat");
    const auto sectorsWritten = [&] {
        stat.open(QIODevice::ReadOnly);
        const qint64 written =
            QString::fromLatin1(stat.readAll()).simplified().split(u' ').value(6).toLongLong();
        stat.close();
        return written;
    };
    QProcess::execute("sync", {});
    const qint64 before = sectorsWritten();
    cart.cli.systemBus = udisks->address();

    StationRun station(cart.cli, {"--mount"});
    ASSERT_TRUE(station.waitFor("ejected", label))
        << station.errors().toStdString() << cart.log().toStdString();
    EXPECT_EQ(station.event("finished", label)["copied"], 1);
    EXPECT_TRUE(station.event("inserted", label)["path"].toString().startsWith("/media/"));
    EXPECT_TRUE(spinUntil([&] { return scratch->mountPoints().isEmpty(); }, 5000))
        << scratch->mountPoints().join(", ").toStdString() << "\n"
        << cart.log().toStdString();
    EXPECT_EQ(station.terminate(), 0);
    QProcess::execute("sync", {});
    EXPECT_EQ(sectorsWritten(), before) << "the card was written to";
}

// A card pulled out during its offload fails alone and the next is
// offloaded; SIGTERM during an offload leaves no partial file and ends with the summary. The copy
// is held at its second call on a card file until the test has changed the world.
TEST(StationCommandTest, APulledCardFailsAloneAndATermStopsCleanly) {
    Cart cart;
    if (!cart.setUp())
        GTEST_SKIP() << cart.why.toStdString();
    if (cardWalkFaults(cart.media, "copy").isEmpty())
        GTEST_SKIP() << "libfiu's POSIX preload library (fiu-utils) is not installed";
    const auto holdingCopies = [&](const QString& fifo) {
        EXPECT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        cart.cli.environment = cardWalkFaults(cart.media, "copy");
        cart.cli.environment.insert("SOAK_FAULT_PROBABILITY", "0");
        cart.cli.environment.insert("SOAK_FAULT_PAUSE_NTH", "2");
        cart.cli.environment.insert("SOAK_FAULT_PAUSE_FIFO", fifo);
    };
    const auto release = [](const QString& fifo) {
        int go = -1;
        EXPECT_TRUE(spinUntil([&] {
            return (go = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK)) >= 0;
        }));
        ::close(go);
    };
    ASSERT_TRUE(cart.addRule());
    const QStringList options;

    const QString pulling = cart.folder("pulling");
    holdingCopies(pulling);
    {
        StationRun station(cart.cli, options);
        ASSERT_TRUE(station.waitFor("watching")) << station.errors().toStdString();
        const auto pulled = cart.card(cart.tag, 3, 4 * MiB, "JPG");
        ASSERT_TRUE(pulled) << cart.why.toStdString();
        ASSERT_TRUE(spinUntil([&] { return QFile::exists(pulling + ".paused"); }, 60000));
        ASSERT_TRUE(pulled->scratch->pull(&cart.why)) << cart.why.toStdString();
        release(pulling);
        ASSERT_TRUE(station.waitFor("finished", pulled->label))
            << station.story(pulled->label).join(' ').toStdString() << "\n"
            << cart.log().toStdString();
        EXPECT_EQ(station.event("finished", pulled->label)["failed"], 3);

        const auto next = cart.card(cart.tag, 2, MiB, "JPG");
        ASSERT_TRUE(next) << cart.why.toStdString();
        ASSERT_TRUE(station.waitFor("finished", next->label));
        EXPECT_EQ(station.event("finished", next->label)["copied"], 2);
        EXPECT_EQ(station.event("finished", next->label)["failed"], 0);
        EXPECT_EQ(station.terminate(), 0);
        EXPECT_EQ(station.event("stopped")["offloaded"], 1);
        EXPECT_EQ(station.event("stopped")["failed"], 1);
    }

    const QString stopping = cart.folder("stopping");
    holdingCopies(stopping);
    StationRun station(cart.cli, options);
    ASSERT_TRUE(station.waitFor("watching")) << station.errors().toStdString();
    const auto stopped = cart.card(cart.tag, 3, 4 * MiB, "JPG");
    ASSERT_TRUE(stopped) << cart.why.toStdString();
    ASSERT_TRUE(spinUntil([&] { return QFile::exists(stopping + ".paused"); }, 60000));
    station.signal(SIGTERM);
    // The copy waits until the station has taken the signal in.
    EXPECT_TRUE(station.waitForError("Stopping…"));
    release(stopping);
    EXPECT_EQ(station.terminate(), 0) << station.errors().toStdString();
    EXPECT_EQ(station.event("finished", stopped->label)["cancelled"], true)
        << station.story(stopped->label).join(' ').toStdString() << "\n"
        << QJsonDocument(station.event("finished", stopped->label)).toJson().toStdString();
    EXPECT_EQ(station.event("stopped")["offloaded"], 0);
    for (const QString& file : filesBelow(cart.destination.path()))
        EXPECT_FALSE(file.endsWith(".stowly-partial")) << file.toStdString();
    EXPECT_EQ(filesBelow(cart.destination.path()).size(), 2) << "only the card before";
}

} // namespace
} // namespace stowly::test
