#include "ui/thumbnails/ThumbnailRenderer.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

#include <libheif/heif.h>

#include <algorithm>
#include <vector>

#include <sys/stat.h>

using namespace stowly;
using test::TempDir;
using test::writeFile;

namespace {

QByteArray le16(quint16 value) {
    QByteArray bytes(2, 0);
    qToLittleEndian(value, bytes.data());
    return bytes;
}
QByteArray le32(quint32 value) {
    QByteArray bytes(4, 0);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A TIFF directory entry; values longer than four bytes go after the directory.
struct TiffEntry {
    quint16 tag;
    quint16 type;
    quint32 count;
    QByteArray value;
};
TiffEntry shorts(quint16 tag, std::initializer_list<quint16> values) {
    QByteArray bytes;
    for (const quint16 value : values)
        bytes += le16(value);
    return {tag, 3, quint32(values.size()), bytes};
}
TiffEntry longValue(quint16 tag, quint32 value) {
    return {tag, 4, 1, le32(value)};
}
TiffEntry byteValues(quint16 tag, const QByteArray& bytes) {
    return {tag, 1, quint32(bytes.size()), bytes};
}
TiffEntry text(quint16 tag, QByteArray value) {
    value.append('\0');
    return {tag, 2, quint32(value.size()), value};
}

QByteArray directory(std::vector<TiffEntry> entries, quint32 at) {
    std::sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.tag < b.tag; });
    QByteArray head = le16(quint16(entries.size()));
    QByteArray tail;
    const quint32 overflow = at + 2 + 12 * quint32(entries.size()) + 4;
    for (const TiffEntry& entry : entries) {
        head += le16(entry.tag) + le16(entry.type) + le32(entry.count);
        if (entry.value.size() <= 4) {
            head += entry.value + QByteArray(4 - entry.value.size(), 0);
        } else {
            head += le32(overflow + quint32(tail.size()));
            tail += entry.value;
            if (tail.size() % 2)
                tail += '\0';
        }
    }
    return head + le32(0) + tail;
}

QByteArray jpegOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

// A DNG the way cameras lay one out: the first directory is a JPEG preview with the camera's
// orientation, a sub-directory holds the (here tiny, flat) raw mosaic.
QByteArray dngWithPreview(const QImage& preview, quint16 orientation) {
    const QByteArray jpeg = jpegOf(preview);
    constexpr quint32 side = 64;
    const QByteArray mosaic(side * side * 2, '\x10');
    QByteArray file = "II" + le16(42) + le32(0);
    const quint32 jpegAt = quint32(file.size());
    file += jpeg + QByteArray(jpeg.size() % 2, 0);
    const quint32 mosaicAt = quint32(file.size());
    file += mosaic;
    const quint32 firstAt = quint32(file.size());
    qToLittleEndian(firstAt, file.data() + 4);
    auto first = [&](quint32 rawAt) {
        return std::vector<TiffEntry>{longValue(254, 1),
                                      longValue(256, preview.width()),
                                      longValue(257, preview.height()),
                                      shorts(258, {8, 8, 8}),
                                      shorts(259, {7}),
                                      shorts(262, {6}),
                                      text(271, "Stowly"),
                                      text(272, "Test"),
                                      longValue(273, jpegAt),
                                      shorts(274, {orientation}),
                                      shorts(277, {3}),
                                      longValue(278, preview.height()),
                                      longValue(279, jpeg.size()),
                                      longValue(330, rawAt),
                                      byteValues(50706, QByteArray("\x01\x04\x00\x00", 4)),
                                      text(50708, "Stowly Test")};
    };
    const quint32 rawAt = firstAt + quint32(directory(first(0), firstAt).size());
    file += directory(first(rawAt), firstAt);
    file +=
        directory({longValue(254, 0), longValue(256, side), longValue(257, side), shorts(258, {16}),
                   shorts(259, {1}), shorts(262, {32803}), longValue(273, mosaicAt),
                   shorts(277, {1}), longValue(278, side), longValue(279, mosaic.size()),
                   shorts(33421, {2, 2}), byteValues(33422, QByteArray("\x00\x01\x01\x02", 4))},
                  rawAt);
    return file;
}

// The JPEG with an EXIF block that says "turn 90° clockwise to view".
QByteArray withExifOrientation(const QByteArray& jpeg, quint16 orientation) {
    QByteArray tiff = QByteArray("MM\0*\0\0\0\x08", 8);
    tiff += QByteArray("\0\x01\x01\x12\0\x03\0\0\0\x01", 10);
    tiff += char(orientation >> 8);
    tiff += char(orientation & 0xff);
    tiff += QByteArray(6, 0);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    segment += char((payload.size() + 2) >> 8);
    segment += char((payload.size() + 2) & 0xff);
    return jpeg.left(2) + segment + payload + jpeg.mid(2);
}

// The MP4 with its video track's matrix turned a quarter, as a phone held upright writes it.
QByteArray turnedQuarter(QByteArray movie) {
    const qsizetype box = movie.indexOf("tkhd") - 4;
    if (box < 0)
        return {};
    const qsizetype matrix = box + 8 + 40;
    const quint32 values[9] = {0, 0x10000, 0, 0xffff0000, 0, 0, 0, 0, 0x40000000};
    for (int i = 0; i < 9; ++i)
        qToBigEndian(values[i], movie.data() + matrix + 4 * i);
    return movie;
}

QImage twoColours(int width, int height, QColor left, QColor right) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(right);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixelColor(x, y, left);
    return image;
}

bool near(QColor actual, QColor expected) {
    return std::abs(actual.red() - expected.red()) < 40 &&
           std::abs(actual.green() - expected.green()) < 40 &&
           std::abs(actual.blue() - expected.blue()) < 40;
}

// Names, sizes, modification times and contents of everything under the folder.
QStringList snapshot(const QString& folder) {
    QStringList lines;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        struct stat facts {};
        ::lstat(QFile::encodeName(info.filePath()).constData(), &facts);
        QByteArray digest;
        if (info.isFile() && !info.isSymLink()) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
                digest = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        }
        lines.append(QStringLiteral("%1 %2 %3.%4 %5")
                         .arg(info.filePath())
                         .arg(facts.st_size)
                         .arg(facts.st_mtim.tv_sec)
                         .arg(facts.st_mtim.tv_nsec)
                         .arg(QString::fromLatin1(digest.toHex())));
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

    const auto photo = render(card("DCIM/IMG_0001.JPG"), 100);
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->size(), QSize(100, 50));
    EXPECT_TRUE(near(photo->pixelColor(10, 25), red));
    EXPECT_TRUE(near(photo->pixelColor(90, 25), blue));

    // Turned clockwise: what was on the left is now on top.
    const auto turned = render(card("DCIM/IMG_0002.JPG"), 100);
    ASSERT_TRUE(turned);
    EXPECT_EQ(turned->size(), QSize(50, 100));
    EXPECT_TRUE(near(turned->pixelColor(25, 10), red));
    EXPECT_TRUE(near(turned->pixelColor(25, 90), blue));

    const auto raw = render(card("DCIM/DSC_0003.DNG"), 60);
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->size(), QSize(40, 60));
    EXPECT_TRUE(near(raw->pixelColor(20, 5), red));
    EXPECT_TRUE(near(raw->pixelColor(20, 55), blue));

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
    writeFile(card("GARBAGE.JPG"), QByteArray(5000, 'x'));
    writeFile(card("GARBAGE.MP4"), QByteArray(5000, 'x'));
    writeFile(card("GARBAGE.ARW"), QByteArray(5000, 'x'));
    writeFile(card("EMPTY.HEIC"));
    writeFile(card("FOLDER.JPG/inside.txt"), "x");
    ASSERT_EQ(::mkfifo(QFile::encodeName(card("PIPE.JPG")).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(card("PIPE.MP4")).constData(), 0600), 0);
    for (const char* name : {"GARBAGE.JPG", "GARBAGE.MP4", "GARBAGE.ARW", "EMPTY.HEIC",
                             "FOLDER.JPG", "PIPE.JPG", "PIPE.MP4", "MISSING.JPG"})
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
    auto plain = [](int width, int height, QColor colour) {
        heif_image* image = nullptr;
        heif_image_create(width, height, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
        heif_image_add_plane(image, heif_channel_interleaved, width, height, 8);
        int stride = 0;
        uint8_t* pixels = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                uint8_t* pixel = pixels + y * stride + 3 * x;
                pixel[0] = uint8_t(colour.red());
                pixel[1] = uint8_t(colour.green());
                pixel[2] = uint8_t(colour.blue());
            }
        return image;
    };
    TempDir card;
    const QByteArray path = QFile::encodeName(card("IMG_0001.HEIC"));
    {
        heif_context* context = heif_context_alloc();
        heif_encoder* encoder = nullptr;
        ASSERT_EQ(
            heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder).code,
            heif_error_Ok);
        heif_image* main = plain(128, 64, QColor(220, 30, 30));
        heif_image* small = plain(64, 32, QColor(30, 200, 30));
        heif_image_handle* mainHandle = nullptr;
        heif_image_handle* smallHandle = nullptr;
        ASSERT_EQ(heif_context_encode_image(context, main, encoder, nullptr, &mainHandle).code,
                  heif_error_Ok);
        ASSERT_EQ(heif_context_encode_thumbnail(context, small, mainHandle, encoder, nullptr, 32,
                                                &smallHandle)
                      .code,
                  heif_error_Ok);
        ASSERT_EQ(heif_context_write_to_file(context, path.constData()).code, heif_error_Ok);
        heif_image_handle_release(smallHandle);
        heif_image_handle_release(mainHandle);
        heif_image_release(small);
        heif_image_release(main);
        heif_encoder_release(encoder);
        heif_context_free(context);
    }
    const auto fromThumbnail = ThumbnailRenderer::render(path, 32);
    ASSERT_TRUE(fromThumbnail);
    EXPECT_EQ(fromThumbnail->size(), QSize(32, 16));
    EXPECT_TRUE(near(fromThumbnail->pixelColor(16, 8), QColor(30, 200, 30)));
    const auto fromImage = ThumbnailRenderer::render(path, 64);
    ASSERT_TRUE(fromImage);
    EXPECT_EQ(fromImage->size(), QSize(64, 32));
    EXPECT_TRUE(near(fromImage->pixelColor(32, 16), QColor(220, 30, 30)));
}
