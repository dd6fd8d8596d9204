// What drawing in a confined helper costs the grid. A card of 200 photos (12-megapixel JPEGs,
// as a camera writes them) in the page cache; the grid's thumbnail provider draws every one at
// 256 pixels, four at a time, first with the decoders in this process and then through the
// decoding helpers (started anew for each turn), alternating, five turns.

#include "BenchSupport.h"

#include "decode/ThumbnailRenderer.h"
#include "media/Clip.h"
#include "media/DecoderHelpers.h"
#include "ui/thumbnails/DecoderClient.h"
#include "ui/thumbnails/ThumbnailKey.h"
#include "ui/thumbnails/ThumbnailProvider.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextStream>

#include <optional>

using namespace stowly;
using namespace stowly::bench;

namespace {

constexpr int photoCount = 200;
constexpr int edge = 256;
constexpr int turns = 5;

// A photo-like picture: smooth light with fine grain, so it compresses as a photo does.
QByteArray photo(int seed) {
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random{quint32(seed)};
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(random.bounded(24));
            line[x] = qRgb((x / 16 + seed * 7 + grain) & 0xff, (y / 12 + grain) & 0xff,
                           ((x + y) / 28 + grain) & 0xff);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.write(image);
    return bytes;
}

// Seconds until the provider has drawn every photo.
double drawAll(const QList<Clip>& clips, ThumbnailProvider::Render render) {
    ThumbnailProvider provider(std::move(render));
    QEventLoop loop;
    int left = int(clips.size()), drawn = 0;
    QElapsedTimer clock;
    clock.start();
    for (const Clip& clip : clips)
        provider.image(clip, ThumbnailKey::of(clip, edge, 1), &loop,
                       [&](const std::optional<QImage>& image) {
                           drawn += image.has_value();
                           if (--left == 0)
                               loop.quit();
                       });
    loop.exec();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (drawn != clips.size())
        qFatal("drew %d of %lld photos", drawn, qlonglong(clips.size()));
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString root = makeWorkFolder(QStringLiteral("thumbnails"));
    undoLater("rm -rf '" + root + "'");
    QList<Clip> clips;
    QTextStream(stdout) << "making " << photoCount << " photos of 4000×3000…\n";
    QTextStream(stdout).flush();
    QList<QByteArray> kinds;
    for (int i = 0; i < 8; ++i)
        kinds << photo(i);
    QDir().mkpath(root + "/DCIM");
    for (int i = 0; i < photoCount; ++i) {
        const QString path = root + QStringLiteral("/DCIM/IMG_%1.JPG").arg(i, 4, 10, QChar(u'0'));
        QFile file(path);
        // Each file its own bytes, so no two share a cache entry.
        QByteArray bytes = kinds[i % kinds.size()];
        bytes.append(QByteArray::number(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        file.close();
        Clip clip;
        clip.url = QFile::encodeName(path);
        clip.relativePath = QStringLiteral("DCIM/IMG_%1.JPG").arg(i, 4, 10, QChar(u'0'));
        clip.size = bytes.size();
        clips << clip;
    }

    std::vector<double> inProcess, helpers, ratios;
    for (int turn = 0; turn < turns; ++turn) {
        const double own = drawAll(clips, &ThumbnailRenderer::render);
        // A new client each turn: its helpers start as they would for a new card.
        DecoderHelpers pool;
        const double confined =
            drawAll(clips, [&pool](const QByteArray& path, int pixels, std::stop_token stop) {
                return DecoderClient::draw(path, pixels, std::move(stop), &pool);
            });
        inProcess.push_back(photoCount / own);
        helpers.push_back(photoCount / confined);
        ratios.push_back(own / confined);
        QTextStream(stdout) << "turn " << turn + 1 << ": in process "
                            << QString::number(own, 'f', 2) << " s, through the helpers "
                            << QString::number(confined, 'f', 2) << " s\n";
        QTextStream(stdout).flush();
    }
    report("thumbnails drawn in this process (median of 5)", median(inProcess), "per second");
    report("thumbnails drawn through the decoding helpers (median of 5)", median(helpers),
           "per second");
    report("through the helpers / in this process, median of each turn's ratio (goal at least 0.8)",
           median(ratios), "x");
    undoAll();
    return 0;
}
