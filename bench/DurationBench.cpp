// Reading the durations of 500 sample clips, four at a time, then again from the cache.
#include "BenchSupport.h"

#include "media/DurationScanner.h"
#include "media/HelperDurationReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <atomic>

using namespace stowly;
using namespace stowly::bench;

namespace {

class CountingReader : public DurationReading {
public:
    std::optional<double> duration(const QByteArray& url) override {
        ++readings;
        return real.duration(url);
    }
    HelperDurationReader real;
    std::atomic<int> readings{0};
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder = makeWorkFolder("durations");
    const QString samples = QStringLiteral(STOWLY_SOURCE_DIR "/tests/data/media/");
    QList<Clip> clips;
    for (int i = 0; i < 500; ++i) {
        const QString sample =
            i % 2 ? QStringLiteral("clip-10s.mov") : QStringLiteral("clip-1s.mp4");
        const QString name =
            QStringLiteral("C%1.%2").arg(i, 4, 10, QChar(u'0')).arg(sample.section(u'.', -1));
        QFile::copy(samples + sample, folder + u'/' + name);
        Clip clip;
        clip.url = QFile::encodeName(folder + u'/' + name);
        clip.relativePath = name;
        clip.size = 1;
        clips.append(clip);
    }
    dropCaches();
    CountingReader reader;
    DurationScanner::Result first;
    const double cold =
        secondsOf([&] { first = DurationScanner::read(clips, "V", {}, reader, 4); });
    const int firstReadings = reader.readings;
    DurationScanner::Result second;
    const double cached =
        secondsOf([&] { second = DurationScanner::read(clips, "V", first.fresh, reader, 4); });

    QTextStream(stdout) << "durations known: " << first.byPath.size() << " of " << clips.size()
                        << ", readings " << firstReadings << " then "
                        << reader.readings - firstReadings << '\n';
    report("500 clips, width 4", cold * 1000, "ms");
    report("per clip", cold * 1000 / 500, "ms");
    report("the same card again, from the cache", cached * 1000, "ms");
    removeFolder(folder);
    return first.byPath.size() == 500 && reader.readings == firstReadings ? 0 : 1;
}
