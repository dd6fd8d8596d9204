#include "decode/ThumbnailRenderer.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFileInfo>
#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

#include <libheif/heif.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include <sys/stat.h>

using namespace stowly;
using test::TempDir;
using test::writeFile;

namespace {

QByteArray le(quint32 value, int width) {
    QByteArray bytes(width, 0);
    for (int i = 0; i < width; ++i)
        bytes[i] = char(value >> (8 * i));
    return bytes;
}

// A TIFF directory entry of bytes (1), text (2), shorts (3) or longs (4).
struct Tag {
    quint16 tag;
    quint16 type;
    std::vector<quint32> values;
};
Tag tag(quint16 id, quint16 type, std::vector<quint32> values) {
    return {id, type, std::move(values)};
}
Tag tag(quint16 id, const QByteArray& text) {
    std::vector<quint32> bytes(text.begin(), text.end()); // plain ASCII
    bytes.push_back(0);
    return {id, 2, bytes};
}

// One directory written at `at`, its values longer than four bytes right after it.
QByteArray directory(std::vector<Tag> tags, quint32 at) {
    std::sort(tags.begin(), tags.end(), [](auto& a, auto& b) { return a.tag < b.tag; });
    QByteArray head = le(quint32(tags.size()), 2), tail;
    for (const Tag& tag : tags) {
        QByteArray value;
        for (const quint32 number : tag.values)
            value += le(number, tag.type <= 2 ? 1 : tag.type * 2 - 4);
        head += le(tag.tag, 2) + le(tag.type, 2) + le(quint32(tag.values.size()), 4);
        if (value.size() <= 4) {
            head += value + QByteArray(4 - value.size(), 0);
        } else {
            head += le(at + 6 + 12 * quint32(tags.size()) + quint32(tail.size()), 4);
            tail += value + QByteArray(value.size() % 2, 0);
        }
    }
    return head + le(0, 4) + tail;
}

QByteArray jpegOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

// A DNG laid out the way cameras write one: the first directory is a JPEG preview with the
// camera's orientation, a sub-directory holds the (here tiny and flat) raw mosaic.
QByteArray dngWithPreview(const QImage& preview, quint32 orientation) {
    const QByteArray jpeg = jpegOf(preview);
    const quint32 side = 64, width = preview.width(), height = preview.height();
    QByteArray file = "II*" + le(0, 1) + le(8 + jpeg.size() + side * side * 2, 4) + jpeg +
                      QByteArray(side * side * 2, '\x10');
    const quint32 firstAt = file.size();
    auto first = [&](quint32 rawAt) {
        return directory({tag(254, 4, {1}), tag(256, 4, {width}), tag(257, 4, {height}),
                          tag(258, 3, {8, 8, 8}), tag(259, 3, {7}), tag(262, 3, {6}),
                          tag(271, "Stowly"), tag(273, 4, {8}), tag(274, 3, {orientation}),
                          tag(277, 3, {3}), tag(278, 4, {height}),
                          tag(279, 4, {quint32(jpeg.size())}), tag(330, 4, {rawAt}),
                          tag(50706, 1, {1, 4, 0, 0}), tag(50708, "Stowly Test")},
                         firstAt);
    };
    const quint32 rawAt = firstAt + first(0).size();
    return file + first(rawAt) +
           directory({tag(254, 4, {0}), tag(256, 4, {side}), tag(257, 4, {side}), tag(258, 3, {16}),
                      tag(259, 3, {1}), tag(262, 3, {32803}),
                      tag(273, 4, {8 + quint32(jpeg.size())}), tag(277, 3, {1}),
                      tag(278, 4, {side}), tag(279, 4, {side * side * 2}), tag(33421, 3, {2, 2}),
                      tag(33422, 1, {0, 1, 1, 2})},
                     rawAt);
}

// The JPEG with an EXIF block saying how to turn it for viewing.
QByteArray withExifOrientation(const QByteArray& jpeg, quint32 orientation) {
    const QByteArray exif = "Exif" + le(0, 2) + "II*" + le(0, 1) + le(8, 4) +
                            directory({tag(0x112, 3, {orientation})}, 8);
    const quint32 length = exif.size() + 2;
    return jpeg.left(2) + "\xff\xe1" + char(length >> 8) + char(length & 0xff) + exif + jpeg.mid(2);
}

// The MP4 with its video track's matrix turned a quarter, as a phone held upright writes it.
QByteArray turnedQuarter(QByteArray movie) {
    const qsizetype matrix = movie.indexOf("tkhd") + 4 + 40;
    const quint32 values[9] = {0, 0x10000, 0, 0xffff0000, 0, 0, 0, 0, 0x40000000};
    for (int i = 0; i < 9; ++i)
        qToBigEndian(values[i], movie.data() + matrix + 4 * i);
    return movie;
}

QImage twoColours(int width, int height, QColor left, QColor right) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, width / 2, height, left);
    return image;
}

bool near(QColor actual, QColor expected) {
    return std::abs(actual.red() - expected.red()) < 40 &&
           std::abs(actual.green() - expected.green()) < 40 &&
           std::abs(actual.blue() - expected.blue()) < 40;
}

// The image has that size, the first colour on its left (on top when it is tall) and the
// second on its right (at the bottom).
::testing::AssertionResult shows(const std::optional<QImage>& image, QSize size, QColor first,
                                 QColor second) {
    if (!image || image->size() != size)
        return ::testing::AssertionFailure()
               << "size " << (image ? image->width() : -1) << "x" << (image ? image->height() : -1);
    const bool tall = size.height() > size.width();
    const QPoint start = tall ? QPoint(size.width() / 2, size.height() / 10)
                              : QPoint(size.width() / 10, size.height() / 2);
    const QPoint end = tall ? QPoint(size.width() / 2, size.height() * 9 / 10)
                            : QPoint(size.width() * 9 / 10, size.height() / 2);
    if (!near(image->pixelColor(start), first) || !near(image->pixelColor(end), second))
        return ::testing::AssertionFailure() << "colours in the wrong places";
    return ::testing::AssertionSuccess();
}

// Names, sizes, modification times and contents of everything under the folder.
QStringList snapshot(const QString& folder) {
    QStringList lines;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        lines.append(info.filePath() + QString::number(info.size()) +
                     info.lastModified().toString(Qt::ISODateWithMs) +
                     QString::number(qHash(info.isFile() ? test::readFile(info.filePath()) : "")));
    }
    lines.sort();
    return lines;
}

std::optional<QImage> render(const QString& path, int edge) {
    return ThumbnailRenderer::render(QFile::encodeName(path), edge);
}

} // namespace

TEST(ThumbnailRendererTest, DrawsPhotosRawPreviewsAndVideoFramesUprightWithoutTouchingTheCard) {
    TempDir card;
    const QColor red(220, 30, 30), blue(30, 30, 220);
    const QByteArray jpeg = jpegOf(twoColours(400, 200, red, blue));
    writeFile(card("DCIM/IMG_0001.JPG"), jpeg);
    writeFile(card("DCIM/IMG_0002.JPG"), withExifOrientation(jpeg, 6));
    writeFile(card("DCIM/DSC_0003.DNG"), dngWithPreview(twoColours(120, 80, red, blue), 6));
    const QByteArray movie =
        test::readFile(QStringLiteral(STOWLY_TEST_DATA_DIR "/media/clip-1s.mp4"));
    writeFile(card("DCIM/C0001.MP4"), movie);
    writeFile(card("DCIM/C0002.MP4"), turnedQuarter(movie));
    const QStringList before = snapshot(card.path());

    EXPECT_TRUE(shows(render(card("DCIM/IMG_0001.JPG"), 100), {100, 50}, red, blue));
    // Turned clockwise: what was on the left is now on top.
    EXPECT_TRUE(shows(render(card("DCIM/IMG_0002.JPG"), 100), {50, 100}, red, blue));
    EXPECT_TRUE(shows(render(card("DCIM/DSC_0003.DNG"), 60), {40, 60}, red, blue));

    // The clip is 32×18; a larger edge never enlarges it.
    const auto frame = render(card("DCIM/C0001.MP4"), 16);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->size(), QSize(16, 9));
    EXPECT_EQ(render(card("DCIM/C0001.MP4"), 500)->size(), QSize(32, 18));
    const auto upright = render(card("DCIM/C0002.MP4"), 16);
    ASSERT_TRUE(upright);
    EXPECT_EQ(upright->size(), QSize(9, 16));

    EXPECT_EQ(snapshot(card.path()), before);
}

TEST(ThumbnailRendererTest, UndrawableFilesGiveNoneWithoutBlocking) {
    TempDir card;
    for (const char* name : {"GARBAGE.JPG", "GARBAGE.MP4", "GARBAGE.ARW", "GARBAGE.HEIC"})
        writeFile(card(name), QByteArray(5000, 'x'));
    writeFile(card("EMPTY.HEIC"));
    writeFile(card("FOLDER.JPG/inside.txt"), "x");
    ASSERT_EQ(::mkfifo(QFile::encodeName(card("PIPE.JPG")).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(card("PIPE.MP4")).constData(), 0600), 0);
    for (const char* name : {"GARBAGE.JPG", "GARBAGE.MP4", "GARBAGE.ARW", "GARBAGE.HEIC",
                             "EMPTY.HEIC", "FOLDER.JPG", "PIPE.JPG", "PIPE.MP4", "MISSING.JPG"})
        EXPECT_FALSE(render(card(name), 64)) << name;

    writeFile(card("GOOD.JPG"), jpegOf(twoColours(8, 8, Qt::red, Qt::red)));
    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_FALSE(
        ThumbnailRenderer::render(QFile::encodeName(card("GOOD.JPG")), 64, stopped.get_token()));
}

TEST(ThumbnailRendererTest, HeicUsesItsStoredThumbnailOnlyWhenLargeEnough) {
    if (!heif_have_encoder_for_format(heif_compression_HEVC))
        GTEST_SKIP() << "libheif here has no HEVC encoder to make a test file with";
    const QColor red(220, 30, 30), green(30, 200, 30);
    std::vector<heif_image*> images;
    auto plain = [&](int width, int height, QColor colour) {
        const QImage filled =
            twoColours(width, height, colour, colour).convertToFormat(QImage::Format_RGB888);
        heif_image* image = nullptr;
        heif_image_create(width, height, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
        heif_image_add_plane(image, heif_channel_interleaved, width, height, 8);
        int stride = 0;
        uint8_t* pixels = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        for (int y = 0; y < height; ++y)
            std::memcpy(pixels + y * stride, filled.constScanLine(y), size_t(width) * 3);
        images.push_back(image);
        return image;
    };
    TempDir card;
    const QByteArray path = QFile::encodeName(card("IMG_0001.HEIC"));
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_image_handle* main = nullptr;
    heif_image_handle* thumbnail = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    heif_context_encode_image(context, plain(128, 64, red), encoder, nullptr, &main);
    // A green thumbnail tells which of the two was drawn.
    heif_context_encode_thumbnail(context, plain(64, 32, green), main, encoder, nullptr, 32,
                                  &thumbnail);
    const heif_error written = heif_context_write_to_file(context, path.constData());
    heif_image_handle_release(thumbnail);
    heif_image_handle_release(main);
    for (heif_image* image : images)
        heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);
    ASSERT_EQ(written.code, heif_error_Ok);

    EXPECT_TRUE(shows(ThumbnailRenderer::render(path, 32), {32, 16}, green, green));
    EXPECT_TRUE(shows(ThumbnailRenderer::render(path, 64), {64, 32}, red, red));
}
