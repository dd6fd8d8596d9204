// Renders the main window in its typical states, sizes and themes into PNG files, so the look
// can be judged by eye: `make screenshots` (files under build/screenshots/).

#include "app/model/AppModel.h"
#include "app/settings/Translations.h"
#include "screenshots/CascadeShots.h"
#include "screenshots/NamingShots.h"
#include "screenshots/PresetsShots.h"
#include "screenshots/ReportShots.h"
#include "screenshots/RulesShots.h"
#include "screenshots/SettingsShots.h"
#include "screenshots/SeveralCardsShots.h"
#include "screenshots/ShotLooks.h"
#include "screenshots/StageShots.h"
#include "screenshots/WelcomeShots.h"
#include "session/OffloadSession.h"
#include "support/TestHome.h"
#include "ui/ImportPanel.h"
#include "ui/StatusItemController.h"
#include "ui/UiWorld.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <QTextStream>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>

using namespace stowly;
using namespace stowly::test;

namespace {

constexpr QSize sizes[] = {{1100, 750}, {800, 600}};

// A photo-like JPEG: a sky-to-sea gradient with grain, so it compresses like a real one.
QByteArray photo(int seed) {
    QImage image(1600, 1067, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0, QColor::fromHsv((seed * 37) % 360, 90, 230));
    gradient.setColorAt(0.55, QColor::fromHsv((seed * 37 + 40) % 360, 140, 160));
    gradient.setColorAt(1, QColor::fromHsv((seed * 37 + 200) % 360, 160, 70));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    auto* random = QRandomGenerator::global();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(random->bounded(24)) - 12;
            const QColor c(line[x]);
            line[x] = qRgb(qBound(0, c.red() + grain, 255), qBound(0, c.green() + grain, 255),
                           qBound(0, c.blue() + grain, 255));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 92);
    return bytes;
}

QByteArray sample(const char* name) {
    QFile file(QStringLiteral(STOWLY_TEST_DATA_DIR "/media/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Shooter {
public:
    Shooter(WindowWorld& w, QString folder) : m_w(w), m_folder(std::move(folder)) {}

    // The window in every look and size, named after the state.
    void shoot(const QString& state) {
        AppSettings& settings = m_w.world.model->settings();
        for (const Look& look : looks) {
            choose(settings, look);
            for (const QSize size : sizes) {
                m_w.window.resize(size);
                settle();
                const QString file = QStringLiteral("%1/%2-%3-%4x%5.png")
                                         .arg(m_folder, state, QLatin1String(look.name))
                                         .arg(size.width())
                                         .arg(size.height());
                save(m_w.window.grab(), file);
            }
        }
    }

private:
    WindowWorld& m_w;
    QString m_folder;
};

} // namespace

int main(int argc, char** argv) {
    const auto home = makeTestHome();
    if (!home)
        return 1;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stowly"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral(STOWLY_BIN_DIR "/../screenshots");
    QDir().mkpath(folder);
    // `--language de` draws every window in that language, with its number forms.
    if (const qsizetype at = app.arguments().indexOf(QStringLiteral("--language"));
        at > 0 && at + 1 < app.arguments().size()) {
        if (!Translations::install(app.arguments()[at + 1], Translations::Forms::language)) {
            std::fprintf(stderr, "no catalogue for %s\n", argv[at + 1]);
            return 1;
        }
    }

    WindowWorld w;
    Shooter shooter(w, folder);
    w.window.show();
    shooter.shoot(QStringLiteral("1-no-card"));

    QHash<QString, QByteArray> files = {
        {QStringLiteral("PRIVATE/M4ROOT/CLIP/C0001.MOV"), sample("clip-10s.mov")},
        {QStringLiteral("PRIVATE/M4ROOT/CLIP/C0001M01.XML"), QByteArray(2'400, 'x')},
        {QStringLiteral("PRIVATE/M4ROOT/CLIP/C0002.MP4"), sample("clip-1s.mp4")},
        {QStringLiteral("PRIVATE/M4ROOT/CLIP/C0003.MP4"), sample("clip-10s.mov")},
    };
    for (int i = 1; i <= 9; ++i)
        files.insert(QStringLiteral("DCIM/100MSDCF/DSC%1.JPG").arg(i, 5, 10, QLatin1Char('0')),
                     photo(i));
    w.world.durations->seconds = {{QStringLiteral("C0001.MOV"), 42.0},
                                  {QStringLiteral("C0002.MP4"), 1.0},
                                  {QStringLiteral("C0003.MP4"), 12.5}};
    const CardVolume card =
        w.world.insertCard(QStringLiteral("A7SIII"), files, QStringLiteral("5E2A-11C4"));
    if (!w.world.waitForSession())
        return 2;
    shooter.shoot(QStringLiteral("2-card-needs-project"));
    if (auto* project = w.window.findChild<QLineEdit*>(QStringLiteral("projectField")))
        QTest::keyClicks(project, QStringLiteral("Harbour Shoot"));
    // The names and the folder tree are worked out after a pause in typing.
    spinUntil([] { return false; }, 500);
    shooter.shoot(QStringLiteral("3-ready-list"));
    if (auto* edit = w.window.findChild<QToolButton*>(QStringLiteral("editFolders"))) {
        edit->setChecked(true);
        shooter.shoot(QStringLiteral("3b-editing-folders"));
        edit->setChecked(false);
    }
    w.world.model->settings().setValue(setting::mediaLayout, MediaLayout::grid);
    shooter.shoot(QStringLiteral("4-ready-grid"));
    w.world.model->settings().setValue(setting::mediaLayout, MediaLayout::list);

    // Mid-way: each report waits on this thread, so the run holds still while it is drawn.
    bool shotRunning = false;
    QObject::connect(w.world.model.get(), &AppModel::offloadProgressed, [&] {
        const OffloadProgress& p = w.world.model->session()->progress();
        if (shotRunning || p.filesDone < 5 || p.currentFileBytes == 0)
            return;
        shotRunning = true;
        shooter.shoot(QStringLiteral("5-running"));
    });
    // One file vanishes from the card after the scan.
    QFile::remove(card.url + QStringLiteral("/DCIM/100MSDCF/DSC00004.JPG"));
    w.world.model->startOffload();
    if (!w.world.waitForOffload())
        return 3;
    shooter.shoot(QStringLiteral("6-finished-with-problems"));

    // Back on the card, and a clean run for what is left.
    writeFile(card.url + QStringLiteral("/DCIM/100MSDCF/DSC00004.JPG"), photo(4));
    w.world.model->finishSession();
    if (!w.world.waitForSession())
        return 4;
    w.world.model->startOffload();
    if (!w.world.waitForOffload())
        return 5;
    // After the title's arrival.
    spinUntil([] { return false; }, 600);
    shooter.shoot(QStringLiteral("7-finished"));
    shootReport(*w.world.model, folder);
    w.world.model->finishSession();
    if (!w.world.waitForSession())
        return 6;
    shooter.shoot(QStringLiteral("8-all-offloaded"));

    // The erase as the system answers it: not allowed, then done but not mounted again.
    const auto erase = [&](const FormatOutcome& outcome, const QString& state) {
        w.world.disk->nextOutcome = outcome;
        w.world.model->formatSelectedCard();
        spinUntil([&] { return !w.world.model->isFormatting(); });
        shooter.shoot(state);
    };
    erase(FormatOutcome::refused(QStringLiteral("Stowly wasn’t allowed to erase “A7SIII”.")),
          QStringLiteral("8b-erase-not-allowed"));
    erase(FormatOutcome::formatted(QStringLiteral("A7SIII"), std::nullopt,
                                   QStringLiteral("“A7SIII” was formatted but couldn’t be mounted "
                                                  "again. Take it out and put it back in to use "
                                                  "it.")),
          QStringLiteral("8c-erased-put-back"));

    // A shared history whose server is away: the banner, and the station on recent offloads.
    w.world.model->settings().setValue(setting::historyServer,
                                       QStringLiteral("host=/run/no-such-server dbname=stowly"));
    w.world.model->settings().setValue(setting::stationName, QStringLiteral("cart-2"));
    spinUntil([&] { return w.window.findChild<QWidget*>("sharedHistoryBanner")->isVisible(); },
              5000);
    shooter.shoot(QStringLiteral("8d-shared-history-away"));

    w.window.showRecentOffloads();
    auto* recent = w.window.findChild<QWidget*>(QStringLiteral("recentOffloads"));
    for (const Look& look : looks) {
        choose(w.world.model->settings(), look);
        QCoreApplication::processEvents();
        recent->grab().save(
            QStringLiteral("%1/9-recent-offloads-%2.png").arg(folder, QLatin1String(look.name)));
    }

    // The tray item's menu in menu bar mode, with the card connected.
    w.world.model->settings().setValue(setting::keepRunningInMenuBar, true);
    for (const Look& look : looks) {
        choose(w.world.model->settings(), look);
        QMenu* menu = w.desktop.statusItem().menu();
        menu->adjustSize();
        QCoreApplication::processEvents();
        menu->grab().save(
            QStringLiteral("%1/10-tray-menu-%2.png").arg(folder, QLatin1String(look.name)));
        if (auto* appMenu = w.window.findChild<QMenu*>(QStringLiteral("appMenu"))) {
            appMenu->adjustSize();
            appMenu->grab().save(
                QStringLiteral("%1/12-app-menu-%2.png").arg(folder, QLatin1String(look.name)));
        }
        ImportPanel panel(QStringLiteral("EOS_DIGITAL card connected"), [](auto) {});
        panel.show();
        QCoreApplication::processEvents();
        panel.grab().save(
            QStringLiteral("%1/11-import-panel-%2.png").arg(folder, QLatin1String(look.name)));
    }
    shootWelcome(folder);
    shootSettings(folder);
    shootPresets(folder);
    shootRules(folder);
    shootNaming(folder);
    shootSeveralCards(folder);
    shootCascade(folder);
    // Last: it takes the icon theme away.
    shootStageDetails(folder);
    return 0;
}
