#include "support/MediaCard.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>

namespace stowly::test {

MediaCard::~MediaCard() {
    scratch.reset();
    // Made by the mount; removed once the mount has come down.
    QDir().rmdir(mountPoint);
}

namespace {

bool driverServes(const QString& mountPoint) {
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile cmdline("/proc/" + pid + "/cmdline");
        if (cmdline.open(QIODevice::ReadOnly) &&
            cmdline.readAll().split('\0').contains(QFile::encodeName(mountPoint)))
            return true;
    }
    return false;
}

} // namespace

bool unmountAndWait(const QString& mountPoint) {
    // A FUSE driver may still be writing the file system's last sectors after the unmount
    // returns; the next mount would find them half written.
    return QProcess::execute("umount", {mountPoint}) == 0 &&
           spinUntil([&] { return !driverServes(mountPoint); }, 20000);
}

QString randomLabel(const QString& prefix) {
    return prefix + QStringLiteral("%1")
                        .arg(int(QRandomGenerator::global()->bounded(0x10000)), 4, 16, QChar(u'0'))
                        .toUpper();
}

std::unique_ptr<MediaCard> mediaCard(const QString& prefix, const QString& folder,
                                     ScratchMount::Driver driver, QString* whyNot,
                                     const std::function<void(const QString& root)>& fill,
                                     qint64 bytes, const QString& mediaFolder) {
    auto card = std::make_unique<MediaCard>();
    card->label = randomLabel(prefix);
    card->mountPoint = mediaFolder + "/" + card->label;
    card->scratch = ScratchMount::exfatImage(folder, bytes, whyNot, card->label);
    if (!card->scratch)
        return nullptr;
    if (fill) {
        const QString staging = folder + "/staging-" + card->label;
        if (!card->scratch->mount(staging, driver, whyNot))
            return nullptr;
        fill(staging);
        if (!unmountAndWait(staging)) {
            *whyNot = "Couldn’t unmount " + staging;
            return nullptr;
        }
    }
    if (!card->scratch->mount(card->mountPoint, driver, whyNot))
        return nullptr;
    return card;
}

} // namespace stowly::test
