#include "print/ReportThumbnails.h"

#include "base/FileNames.h"
#include "media/DecoderHelpers.h"
#include "media/MediaCategory.h"

#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace stowly {

namespace {

constexpr int timeLimitMs = 10'000;

bool isPictured(const ReportRow& row) {
    const MediaCategory category = mediaCategory::classify(mediaCategory::extensionOf(row.source));
    return category == MediaCategory::photo || category == MediaCategory::video;
}

std::optional<QImage> drawOne(const ReportRow& row) {
    for (const ReportCopy& copy : row.copies) {
        decodeWire::Request request;
        request.kind = decodeWire::Request::Kind::drawing;
        request.fileName = QFileInfo(copy.path).fileName();
        request.edge = ReportThumbnails::edge;
        const auto answer =
            DecoderHelpers::shared().ask(fileNames::encode(copy.path), request, timeLimitMs);
        if (!answer || !answer->drawn)
            continue;
        QImage image(reinterpret_cast<const uchar*>(answer->pixels.constData()), answer->width,
                     answer->height, answer->bytesPerLine, QImage::Format_ARGB32);
        return image.copy();
    }
    return std::nullopt;
}

} // namespace

QHash<qsizetype, QImage> ReportThumbnails::draw(const Report& report, int threads) {
    std::vector<qsizetype> wanted;
    for (qsizetype i = 0; i < report.rows.size(); ++i)
        if (isPictured(report.rows[i]))
            wanted.push_back(i);
    QHash<qsizetype, QImage> drawn;
    std::mutex mutex;
    std::atomic<size_t> next = 0;
    const auto work = [&] {
        for (size_t n = next++; n < wanted.size(); n = next++) {
            if (auto image = drawOne(report.rows[wanted[n]])) {
                const std::lock_guard lock(mutex);
                drawn.insert(wanted[n], std::move(*image));
            }
        }
    };
    std::vector<std::jthread> workers;
    for (int t = 1; t < std::clamp(threads, 1, 8); ++t)
        workers.emplace_back(work);
    work();
    return drawn;
}

} // namespace stowly
