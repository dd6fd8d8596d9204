// What reading a card's facts in the background costs an offload of the same card: the whole
// `stowly-cli offload` command for a card of many small photos with EXIF and some clips, alone
// and while the facts of every file are read beside it, two at a time in low-priority helpers,
// giving way while the card is copied from as the application does, and not (the worst case).
//
//   FactsOffloadBench [files]      (20,000 unless given)
#include "BenchSupport.h"

#include "media/FactsScanner.h"
#include "media/HelperFactsReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <atomic>
#include <thread>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr int clipCount = 20;

QByteArray photoWithExif(const QString& folder) {
    const QString path = folder + QStringLiteral("/template.jpg");
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    image.save(path, "JPEG", 90);
    auto file = Exiv2::ImageFactory::open(path.toStdString());
    file->readMetadata();
    Exiv2::ExifData& exif = file->exifData();
    exif["Exif.Image.Make"] = "Canon";
    exif["Exif.Image.Model"] = "Canon EOS R5";
    exif["Exif.Photo.LensModel"] = "RF24-70mm F2.8 L IS USM";
    exif["Exif.Photo.ISOSpeedRatings"] = uint16_t(400);
    exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 250);
    exif["Exif.Photo.DateTimeOriginal"] = "2024:05:06 07:08:09";
    file->writeMetadata();
    QFile read(path);
    read.open(QIODevice::ReadOnly);
    return read.readAll();
}

QList<Clip> makeCard(const QString& card, int files) {
    const QString photos = card + QStringLiteral("/DCIM/100CANON");
    const QString clips = card + QStringLiteral("/PRIVATE/M4ROOT/CLIP");
    QDir().mkpath(photos);
    QDir().mkpath(clips);
    const QByteArray photo = photoWithExif(card + QStringLiteral("/.."));
    if (shell(QStringLiteral("ffmpeg -v error -y -f lavfi -i testsrc=size=1280x720:rate=25 -t 10 "
                             "-c:v mpeg4 -q:v 4 '%1/template.mp4'")
                  .arg(card + QStringLiteral("/.."))) != 0)
        qFatal("ffmpeg could not make the sample clip");
    QList<Clip> all;
    const auto add = [&](const QString& path, const QString& relative) {
        Clip clip;
        clip.url = QFile::encodeName(path);
        clip.relativePath = relative;
        clip.size = QFileInfo(path).size();
        all.append(clip);
    };
    for (int i = 0; i < clipCount; ++i) {
        const QString name = QStringLiteral("C%1.MP4").arg(i + 1, 4, 10, QChar(u'0'));
        QFile::copy(card + QStringLiteral("/../template.mp4"), clips + u'/' + name);
        add(clips + u'/' + name, QStringLiteral("PRIVATE/M4ROOT/CLIP/") + name);
    }
    for (int i = 0; i < files - clipCount; ++i) {
        const QString name = QStringLiteral("IMG_%1.JPG").arg(i + 1, 5, 10, QChar(u'0'));
        QFile out(photos + u'/' + name);
        out.open(QIODevice::WriteOnly);
        out.write(photo);
        out.close();
        add(photos + u'/' + name, QStringLiteral("DCIM/100CANON/") + name);
    }
    ::sync();
    return all;
}

// The whole offload command, with a home of its own so the history starts empty each time.
double offload(const QString& card, const QString& work) {
    const QString home = work + QStringLiteral("/home");
    const QString destination = work + QStringLiteral("/destination");
    QDir(home).removeRecursively();
    QDir(destination).removeRecursively();
    QDir().mkpath(home);
    QDir().mkpath(destination);
    ::sync();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME"})
        environment.remove(QLatin1String(variable));
    QProcess command;
    command.setProcessEnvironment(environment);
    command.setStandardOutputFile(QProcess::nullDevice());
    command.setStandardErrorFile(QProcess::nullDevice());
    return secondsOf([&] {
        command.start(QStringLiteral(STOWLY_BIN_DIR "/stowly-cli"),
                      {"offload", card, "--to", destination, "--project", "Bench"});
        if (!command.waitForFinished(-1) || command.exitCode() != 0)
            qFatal("the offload command failed");
    });
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? std::max(clipCount + 1, std::atoi(argv[1])) : 20'000;
    const QString work = makeWorkFolder(QStringLiteral("facts-offload"));
    const QString card = work + QStringLiteral("/cards/EOS_DIGITAL");
    const QList<Clip> clips = makeCard(card, files);

    // The same offload three ways, alternating so that a warmer cache or a busier machine
    // favours none: alone; while facts are read as the application reads them, giving way
    // while the card is copied from; and while they are read without giving way.
    std::vector<double> alone, gated, ungated;
    int readGated = 0, readUngated = 0;
    const auto beside = [&](bool givesWay, int* readDuring) {
        HelperFactsReader reader;
        std::stop_source stop;
        std::atomic<int> read{0};
        std::atomic<bool> copying{false};
        std::thread reading([&] {
            FactsScanner::Options options;
            options.stop = stop.get_token();
            if (givesWay)
                options.mayRead = [&] { return !copying.load(); };
            // Round after round, so the reading lasts as long as the copy.
            while (!stop.stop_requested())
                FactsScanner::read(clips, QStringLiteral("EOS_DIGITAL"), {}, reader, options,
                                   [&](FactsScanner::Batch batch) { read += batch.fresh.size(); });
        });
        // The reading under way, as when an offload starts soon after the card is shown.
        while (read.load() < 50)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const int before = read.load();
        copying = true;
        const double seconds = offload(card, work);
        *readDuring += read.load() - before;
        copying = false;
        stop.request_stop();
        reading.join();
        return seconds;
    };
    for (int round = 0; round < 2; ++round) {
        alone.push_back(offload(card, work));
        gated.push_back(beside(true, &readGated));
        ungated.push_back(beside(false, &readUngated));
    }
    const QString of = QStringLiteral(" (%1 files)").arg(files);
    report(QStringLiteral("offload alone") + of, median(alone), "s");
    report(QStringLiteral("offload while facts are read, giving way") + of, median(gated), "s");
    report(QStringLiteral("offload while facts are read, not giving way") + of, median(ungated),
           "s");
    report(QStringLiteral("facts read during the offloads, giving way"), readGated, "files");
    report(QStringLiteral("facts read during the offloads, not giving way"), readUngated, "files");
    report(QStringLiteral("ratio giving way, as the application reads (target at most 1.05)"),
           median(gated) / median(alone), "×");
    report(QStringLiteral("ratio not giving way"), median(ungated) / median(alone), "×");
    removeFolder(work);
    return 0;
}
