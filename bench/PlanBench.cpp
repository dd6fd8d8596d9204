// Planning a large card into a destination that already holds earlier offloads of the same
// shoots: 10,000 videos, each with an XML sidecar, 5,000 files already on disk.

#include "BenchSupport.h"

#include "media/FileRules.h"
#include "naming/OffloadPlanner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTextStream>

#include <cstdlib>

using namespace stowly;

namespace {

constexpr int videoCount = 10000;
constexpr int existingCount = 5000;
constexpr int dayCount = 5;

QDate dayOf(int i) {
    return QDate(2026, 10, 20).addDays(i % dayCount);
}

QList<Clip> card() {
    QList<Clip> files;
    files.reserve(videoCount * 2);
    for (int i = 0; i < videoCount; ++i) {
        const QDateTime shot(dayOf(i), QTime(8, 0).addSecs(i), Qt::UTC);
        const QString stem = QStringLiteral("C%1").arg(i + 1, 5, 10, QChar(u'0'));
        for (const QString& name :
             {stem + QStringLiteral(".MP4"), stem + QStringLiteral("M01.XML")}) {
            Clip clip;
            clip.relativePath = QStringLiteral("PRIVATE/M4ROOT/CLIP/") + name;
            clip.url = QByteArray("/media/card/") + clip.relativePath.toUtf8();
            clip.size = 100'000'000;
            clip.creationDate = shot;
            clip.modificationDate = shot;
            files.append(clip);
        }
    }
    return files;
}

// Earlier offloads of the same days, clips with their sidecars: the numbers of this plan
// continue after theirs.
void fillDestination(const QString& root) {
    for (int i = 0; i < existingCount; ++i) {
        const int clip = i / 2;
        const QString date = dayOf(clip).toString(QStringLiteral("yyyy-MM-dd"));
        const bool sidecar = i % 2;
        const QString folder = root + u'/' + date + QStringLiteral("/Coastline/") +
                               (sidecar ? QStringLiteral("Sidecars") : QStringLiteral("MP4"));
        const QString name = date + QStringLiteral("_Coastline_") +
                             QStringLiteral("%1").arg(clip / dayCount + 1, 4, 10, QChar(u'0')) +
                             (sidecar ? QStringLiteral("M01.xml") : QStringLiteral(".mp4"));
        QDir().mkpath(folder);
        QFile file(folder + u'/' + name);
        if (!file.open(QIODevice::WriteOnly)) {
            QTextStream(stderr) << "Could not create " << file.fileName() << '\n';
            std::exit(1);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString root = bench::makeWorkFolder(QStringLiteral("plan"));
    fillDestination(root);
    const QList<Clip> files = card();
    const NamingContext context{QStringLiteral("Coastline"), QStringLiteral("FX3"),
                                QStringLiteral("A7SIII")};

    QList<PlannedFile> plan;
    QHash<QString, int> calls;
    const double seconds = bench::bestOf(5, [&] {
        calls.clear();
        const auto disk = OffloadPlanner::diskLister(root);
        plan = OffloadPlanner::plan(files, NamingTemplates::standard(), context,
                                    FileRules::standard(), [&](const QString& folder) {
                                        ++calls[folder];
                                        return disk(folder);
                                    });
    });

    int mostCalls = 0;
    for (const int n : calls)
        mostCalls = std::max(mostCalls, n);
    bench::report(QStringLiteral("plan 20,000 clips over 5,000 existing files"), seconds,
                  QStringLiteral("s (target <= 1.5)"));
    bench::report(QStringLiteral("folders listed"), calls.size(), QStringLiteral("folders"));
    bench::report(QStringLiteral("most listings of one folder"), mostCalls,
                  QStringLiteral("(target 1)"));
    QTextStream(stdout) << "first planned: " << plan.value(0).relativePath() << '\n';
    bench::report(QStringLiteral("peak memory"), bench::peakResidentBytes() / 1048576.0,
                  QStringLiteral("MiB"));
    bench::removeFolder(root);
    return plan.size() == files.size() && mostCalls <= 1 ? 0 : 1;
}
