#include "UiWorld.h"
#include "app/settings/SettingsTable.h"
#include "media/DecoderHelpers.h"
#include "session/OffloadSession.h"
#include "ui/OffloadBar.h"
#include "ui/thumbnails/ThumbnailProvider.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

QByteArray encoded(const char* format, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

QByteArray sample(const char* name) {
    return readFile(QStringLiteral(STOWLY_TEST_DATA_DIR "/media/") + name);
}

// A header that claims far more than the file holds: a JPEG frame of 65535×65535, a PNG of
// 2³¹−1 pixels a side, a first box of 4 GiB.
QByteArray lyingHeader(QByteArray bytes) {
    if (const qsizetype frame = bytes.indexOf("\xff\xc0"); frame >= 0 && frame + 9 < bytes.size())
        bytes.replace(frame + 5, 4, QByteArray("\xff\xff\xff\xff", 4));
    else if (bytes.startsWith("\x89PNG") && bytes.size() > 24)
        bytes.replace(16, 8, QByteArray("\x7f\xff\xff\xff\x7f\xff\xff\xff", 8));
    else if (bytes.size() > 8)
        bytes.replace(0, 4, QByteArray("\xff\xff\xff\xff", 4));
    return bytes;
}

// Truncated, bit-flipped, doubled and lying versions of our own samples.
QByteArray damaged(const QByteArray& original, int variant, QRandomGenerator& random) {
    QByteArray bytes = original;
    switch (variant % 4) {
    case 0:
        bytes.truncate(random.bounded(qsizetype(1), bytes.size()));
        break;
    case 1:
        for (int flip = 0; flip < 1 + variant % 17; ++flip)
            bytes[random.bounded(bytes.size())] ^= char(1 << random.bounded(8));
        break;
    case 2:
        bytes.insert(random.bounded(bytes.size()), bytes.left(random.bounded(bytes.size())));
        break;
    default:
        bytes = lyingHeader(bytes);
    }
    return bytes;
}

} // namespace

// A card of damaged photos and clips goes through the real window while its thumbnails are
// drawn: every file is copied and proved, nothing brings the window down, and what could not
// be drawn has its placeholder.
TEST(HostileCardTest, DamagedFilesAreCopiedWhileTheirThumbnailsFailAlone) {
    WindowWorld w;
    w.world.model->settings().setValue(setting::mediaLayout, MediaLayout::grid);
    w.window.resize(1100, 750);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));

    const struct {
        QByteArray bytes;
        QStringList extensions;
    } originals[] = {{encoded("jpeg", 320, 200), {"JPG", "ARW"}},
                     {encoded("png", 320, 200), {"PNG", "DNG"}},
                     {sample("clip-1s.mp4"), {"MP4", "HEIC"}},
                     {sample("clip-10s.mov"), {"MOV", "MP4"}}};
    QHash<QString, QByteArray> files;
    QRandomGenerator random(2026);
    for (const auto& original : originals)
        for (int variant = 0; variant < 60; ++variant)
            files.insert(QStringLiteral("DCIM/100TEST/F%1.%2")
                             .arg(files.size(), 4, 10, QChar(u'0'))
                             .arg(original.extensions[variant % 2]),
                         damaged(original.bytes, variant, random));
    w.world.insertCard("HOSTILE", files);
    ASSERT_TRUE(w.world.waitForSession());

    // Every tile is asked for as the grid scrolls through the card.
    const auto* thumbnails = w.window.findChild<ThumbnailProvider*>();
    ASSERT_NE(thumbnails, nullptr);
    auto* grid = w.window.findChild<QListView*>("mediaView");
    ASSERT_NE(grid, nullptr);
    for (int step = 0; step <= 20; ++step) {
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum() * step / 20);
        QTest::qWait(50);
        ASSERT_TRUE(spinUntil([&] { return thumbnails->drawing() == 0; }, 60'000));
    }
    EXPECT_GT(thumbnails->failures(), 0);

    QTest::keyClicks(find<QLineEdit>(w.window, "projectField"), "Harbour");
    auto* start = find<QPushButton>(w.window.offloadBar(), "startButton");
    ASSERT_TRUE(spinUntil([&] { return start->isEnabled(); }));
    QTest::mouseClick(start, Qt::LeftButton);
    // 240 files take a while in a build checked by the sanitizers.
    ASSERT_TRUE(w.world.waitForOffload(120'000));
    const std::optional<OffloadSummary> summary = w.world.model->session()->summary();
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->copied, files.size());
    EXPECT_EQ(summary->failed, 0);
    EXPECT_EQ(DecoderHelpers::shared().helpersTimedOut(), 0);
}
