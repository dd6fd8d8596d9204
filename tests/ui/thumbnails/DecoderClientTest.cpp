#include "ui/thumbnails/DecoderClient.h"
#include "media/DecoderHelpers.h"
#include "media/DecoderLaunch.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

using namespace stowly;
using test::TempDir;
using test::writeFile;

namespace {

QByteArray twoColourJpeg(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(220, 30, 30));
    QPainter(&image).fillRect(width / 2, 0, width - width / 2, height, QColor(30, 30, 220));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    return bytes;
}

std::optional<QImage> draw(DecoderHelpers& helpers, const QString& path, int edge) {
    return DecoderClient::draw(QFile::encodeName(path), edge, {}, &helpers);
}

QByteArray sample(const char* name) {
    return test::readFile(QStringLiteral(STOWLY_TEST_DATA_DIR "/media/") + name);
}

} // namespace

TEST(DecoderClientTest, DrawsInAConfinedHelperThatItKeepsForTheNextFile) {
    TempDir card;
    writeFile(card("IMG_0001.JPG"), twoColourJpeg(400, 200));
    writeFile(card("C0001.MP4"), sample("clip-1s.mp4"));
    DecoderHelpers client;

    const auto photo = draw(client, card("IMG_0001.JPG"), 100);
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->size(), QSize(100, 50));
    EXPECT_GT(qRed(photo->pixel(10, 25)), 150);
    EXPECT_GT(qBlue(photo->pixel(90, 25)), 150);
    const auto frame = draw(client, card("C0001.MP4"), 16);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->size(), QSize(16, 9));
    EXPECT_EQ(client.helpers().size(), 1);

    // Started as the pool starts it; inside bubblewrap, where it is installed, the home folder
    // is out of sight too.
    const QByteArrayList command = decoderLaunch::command(STOWLY_BIN_DIR "/stowly-decoder");
    const bool bubblewrap = !QStandardPaths::findExecutable("bwrap").isEmpty();
    EXPECT_EQ(command.size() > 1, bubblewrap);
    QStringList arguments;
    for (const QByteArray& argument : command.mid(1))
        arguments << QString::fromLocal8Bit(argument);
    QProcess helper;
    helper.start(QString::fromLocal8Bit(command.first()),
                 arguments << QStringLiteral("--report-confinement"));
    ASSERT_TRUE(helper.waitForFinished(10'000));
    const QString report = QString::fromUtf8(helper.readAllStandardOutput());
    for (const char* line : {"network: refused", "writing files: refused",
                             "starting processes: refused", "reading files: allowed"})
        EXPECT_TRUE(report.contains(QLatin1StringView(line))) << report.toStdString();
    EXPECT_EQ(report.contains("home folder: out of sight"), bubblewrap) << report.toStdString();
}

TEST(DecoderClientTest, AHelperThatEndsIsReplacedAndDamagedFilesNeverReachTheProgram) {
    TempDir card;
    const QByteArray good = twoColourJpeg(64, 32);
    writeFile(card("GOOD.JPG"), good);
    writeFile(card("LONG.MOV"), sample("clip-10s.mov"));
    DecoderHelpers client;
    ASSERT_TRUE(draw(client, card("GOOD.JPG"), 32));

    // Ended while it waits: the next file does not fail for it.
    ::kill(client.helpers().first(), SIGKILL);
    EXPECT_TRUE(draw(client, card("GOOD.JPG"), 32));
    EXPECT_EQ(client.helpersLost(), 0);

    // Ended in the middle of a file: that file is not drawn, the next one is.
    std::optional<QImage> cut;
    std::thread drawing([&] { cut = draw(client, card("LONG.MOV"), 2560); });
    ::kill(client.helpers().first(), SIGKILL);
    drawing.join();
    EXPECT_TRUE(draw(client, card("GOOD.JPG"), 32));

    // Truncated and bit-flipped photos and clips, drawn or not, all come back.
    QRandomGenerator random(7);
    int files = 0;
    for (const QByteArray& original : {good, sample("clip-1s.mp4"), sample("clip-10s.mov")}) {
        for (int variant = 0; variant < 12; ++variant) {
            QByteArray bytes = original;
            if (variant % 2 == 0)
                bytes.truncate(random.bounded(qsizetype(1), bytes.size()));
            for (int flip = 0; flip < variant * 3; ++flip)
                bytes[random.bounded(bytes.size())] ^= char(1 << random.bounded(8));
            const QString name = card(
                QStringLiteral("DAMAGED_%1.%2").arg(++files).arg(original == good ? "JPG" : "MP4"));
            writeFile(name, bytes);
            draw(client, name, 128);
        }
    }
    EXPECT_EQ(client.helpersTimedOut(), 0);
    EXPECT_TRUE(draw(client, card("GOOD.JPG"), 32));
}
