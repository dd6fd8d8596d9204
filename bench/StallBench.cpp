// How long the desktop window's main thread stops answering: a timer that should fire every
// 5 ms notes how late each tick comes, while the real window (offscreen) goes through a day's
// work: launching with a history of 1,000,000 entries, scanning a card of 20,000 files, planning
// their names, offloading them, erasing the card, and drawing the thumbnails of a grid of 2,000
// photos. Cards are folders under a mount root of the benchmark's own, and the erase empties the
// folder through a stand-in disk tool: real devices would need root and loop devices, and what
// is measured here is the main thread, not the device.
#include "BenchSupport.h"

#include "app/model/AppLaunch.h"
#include "app/settings/DisplayOptions.h"
#include "base/Background.h"
#include "devices/VolumePaths.h"
#include "history/HistoryFile.h"
#include "session/OffloadSession.h"
#include "support/AppModelWorld.h"
#include "support/FakeVolumes.h"
#include "ui/DesktopApp.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <utility>

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr int historyEntries = 1'000'000;
constexpr int cardFiles = 20'000;
constexpr int gridPhotos = 2'000;
constexpr qint64 tickNs = 5'000'000;

// The longest time the main thread kept a 5 ms timer waiting, per phase.
class StallMeter : public QObject {
public:
    explicit StallMeter(const QElapsedTimer& clock) : m_clock(clock) {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(int(tickNs / 1'000'000));
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_worst = std::max(m_worst, now - m_last - tickNs);
            if (now - m_last - tickNs > 100'000'000)
                m_long.append(QStringLiteral("%1 ms at %2 ms")
                                  .arg((now - m_last - tickNs) / 1'000'000)
                                  .arg(m_last / 1'000'000));
            m_last = now;
            if (onTick)
                onTick(now);
        });
    }
    // Counts from `since` (the launch counts the time before the event loop ran at all).
    void start(qint64 since) {
        m_last = since;
        m_worst = 0;
        m_timer.start();
    }
    double phase() {
        const double worst = double(std::max<qint64>(m_worst, 0)) / 1e6;
        m_worst = 0;
        return worst;
    }
    // The stalls over 100 ms since the last call, and when they began (since the launch).
    QStringList longStalls() { return std::exchange(m_long, {}); }
    std::function<void(qint64)> onTick;

private:
    const QElapsedTimer& m_clock;
    QTimer m_timer;
    qint64 m_last = 0;
    qint64 m_worst = 0;
    QStringList m_long;
};

// Keeps the event loop running for a while, as a person looking at the window would.
void pauseFor(int ms);

bool spin(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void pauseFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    spin([&] { return clock.elapsed() > ms; }, ms * 2);
}

void writeHistory(const QString& path) {
    HistoryRecords records;
    for (int i = 0; i < historyEntries; ++i) {
        const QByteArray relative =
            QStringLiteral("DCIM/%1CANON/IMG_%2.CR3").arg(100 + i / 9999).arg(i % 9999).toUtf8();
        const QByteArray key = "OTHER-CARD|" + relative + "|" + QByteArray::number(25'000'000 + i) +
                               "|" + QByteArray::number(1'700'000'000 + i);
        const QByteArray destination = "/media/user/Footage/2026-10-25/Coastline/CR3/2026-10-25_" +
                                       QByteArray::number(i) + ".cr3";
        const QByteArray sha =
            QByteArray::number(quint64(i) * 2654435761u, 16).rightJustified(64, '0');
        records.append({key, "EOS_DIGITAL", relative, destination, sha}, 25'000'000 + i,
                       1'796'340'389);
    }
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(HistoryFile::encode(records)) < 0)
        qFatal("cannot write the history");
}

void writeCard(const QString& folder, int count, const QByteArray& content, const char* name) {
    for (int i = 0; i < count; ++i) {
        const QString dir = folder + QStringLiteral("/DCIM/%1CANON").arg(100 + i / 999);
        if (i % 999 == 0)
            QDir().mkpath(dir);
        QFile file(dir + u'/' + QString::asprintf(name, i));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write the card");
    }
}

QByteArray photo() {
    QImage image(1600, 1200, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 1600, 1200);
    gradient.setColorAt(0, Qt::darkCyan);
    gradient.setColorAt(1, Qt::darkYellow);
    painter.fillRect(image.rect(), gradient);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    const QString work = makeWorkFolder("stall");
    for (const char* name :
         {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
        qputenv(name, (work + QStringLiteral("/home/") + QString::fromLatin1(name)).toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stowly"));

    const QString media = work + QStringLiteral("/media");
    const QString destination = work + QStringLiteral("/destination");
    QDir().mkpath(destination);
    writeHistory(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Stowly/ledger.json"));
    writeCard(media + QStringLiteral("/BIGCARD"), cardFiles, QByteArray(1024, 'x'), "DSC%05d.ARW");
    writeCard(work + QStringLiteral("/PHOTOS"), gridPhotos, photo(), "IMG_%05d.JPG");
    const QStringList savedRoots = VolumePaths::mountRoots();
    VolumePaths::setMountRoots({media + u'/'});

    test::FakeVolumes volumes;
    AppPlatform platform;
    platform.volumes = &volumes;
    auto ownedEvents = std::make_unique<test::FakeMountEvents>();
    test::FakeMountEvents* events = ownedEvents.get();
    platform.mountEvents = std::move(ownedEvents);
    auto ownedDisk = std::make_unique<test::FolderDiskTool>(media);
    test::FolderDiskTool* disk = ownedDisk.get();
    platform.diskTool = std::move(ownedDisk);
    platform.usesNotifications = false;

    QElapsedTimer clock;
    clock.start();
    StallMeter meter(clock);
    qint64 windowShownNs = -1;
    qint64 historyReadNs = -1;
    // As the desktop program starts, less its single-instance check and signal handling.
    auto model = AppLaunch::makeModel(AppStores{}, std::move(platform));
    model->settings().setValue(setting::destinationPath, destination);
    auto desktop = std::make_unique<DesktopApp>(*model);
    AppLaunch::Hooks hooks;
    hooks.openMainWindowIfClosed = [&desktop] { desktop->openMainWindowIfClosed(); };
    AppLaunch::start(*model, false, std::move(hooks));
    meter.onTick = [&](qint64 now) {
        if (windowShownNs < 0 && desktop->window().isVisible())
            windowShownNs = now;
        if (historyReadNs < 0 && model->history().entries().size() >= historyEntries)
            historyReadNs = now;
    };
    meter.start(0);
    disk->remount = [&](const QString& oldPath, const QString& newPath) {
        volumes.remove(oldPath);
        events->unmount(oldPath);
        volumes.add(test::FakeVolumes::card(newPath, newPath.section(u'/', -1), "NEW-UUID"));
        events->mount(newPath);
    };

    int status = 0;
    const auto phase = [&](const QString& name, const std::function<bool()>& run) {
        const bool done = run();
        report(QStringLiteral("longest stall: ") + name +
                   (done ? QString() : QStringLiteral(" (did not end)")),
               meter.phase(), QStringLiteral("ms"));
        for (const QString& stall : meter.longStalls())
            std::printf("    a stall of %s\n", qPrintable(stall));
        if (!done)
            status = 1;
    };
    phase(QStringLiteral("launch with a 1,000,000-entry history"),
          [&] { return spin([&] { return windowShownNs >= 0 && historyReadNs >= 0; }, 60'000); });
    report(QStringLiteral("window shown after launch (target at most 1000)"),
           double(windowShownNs) / 1e6, QStringLiteral("ms"));
    report(QStringLiteral("history read after launch"), double(historyReadNs) / 1e6,
           QStringLiteral("ms"));

    const QString big = media + QStringLiteral("/BIGCARD");
    phase(QStringLiteral("scanning a card of 20,000 files"), [&] {
        volumes.add(test::FakeVolumes::card(big, QStringLiteral("BIGCARD"), "BIG-UUID"));
        events->mount(big);
        return spin([&] { return model->session() && !model->isScanning(); }, 300'000);
    });
    phase(QStringLiteral("planning the names of 20,000 files"), [&] {
        model->setProject(QStringLiteral("Coastline"));
        pauseFor(2000);
        return true;
    });
    phase(QStringLiteral("offloading 20,000 files"), [&] {
        model->startOffload();
        return spin(
            [&] {
                return model->session() &&
                       model->session()->phase() == OffloadSession::Phase::finished;
            },
            1'800'000);
    });
    phase(
        QStringLiteral("erasing the card (its rescan and erase; a folder card through a stand-in "
                       "disk tool, as no device is needed to measure the main thread)"),
        [&] {
            model->finishSession();
            if (!spin([&] { return model->canFormatSelectedCard(); }, 300'000))
                return false;
            model->formatSelectedCard();
            return spin(
                [&] { return model->formatState().kind == AppModel::FormatState::Kind::formatted; },
                300'000);
        });
    const QString photos = media + QStringLiteral("/PHOTOS");
    phase(QStringLiteral("drawing the thumbnails of a 2,000-photo grid"), [&] {
        QDir().rename(work + QStringLiteral("/PHOTOS"), photos);
        model->settings().setValue(setting::mediaLayout, MediaLayout::grid);
        volumes.add(test::FakeVolumes::card(photos, QStringLiteral("PHOTOS"), "PHOTO-UUID"));
        events->mount(photos);
        if (!spin([&] { return model->session() && !model->isScanning(); }, 300'000))
            return false;
        QListView* grid = nullptr;
        spin(
            [&] {
                for (QListView* view : desktop->window().findChildren<QListView*>())
                    if (view->isVisible() && view->viewMode() == QListView::IconMode &&
                        view->model() && view->model()->rowCount() >= gridPhotos)
                        grid = view;
                return grid != nullptr;
            },
            10'000);
        if (!grid)
            return false;
        // Down the grid a page at a time, as someone scrolling through it.
        QScrollBar* bar = grid->verticalScrollBar();
        while (bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + bar->pageStep());
            pauseFor(100);
        }
        pauseFor(3000);
        return true;
    });

    desktop->window().hide();
    // The window goes before the model it shows, and both once their background work is done.
    background::waitForDone();
    desktop.reset();
    model.reset();
    VolumePaths::setMountRoots(savedRoots);
    removeFolder(work);
    return status;
}
