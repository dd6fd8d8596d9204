#include "support/MediaCard.h"

#include <QDir>
#include <QRandomGenerator>

namespace stowly::test {

MediaCard::~MediaCard() {
    scratch.reset();
    // Made by the mount; removed once the mount has come down.
    QDir().rmdir(mountPoint);
}

QString randomLabel(const QString& prefix) {
    return prefix + QStringLiteral("%1")
                        .arg(int(QRandomGenerator::global()->bounded(0x10000)), 4, 16, QChar(u'0'))
                        .toUpper();
}

std::unique_ptr<MediaCard> mediaCard(const QString& prefix, const QString& folder,
                                     ScratchMount::Driver driver, QString* whyNot) {
    auto card = std::make_unique<MediaCard>();
    card->label = randomLabel(prefix);
    card->mountPoint = "/media/" + card->label;
    card->scratch = ScratchMount::exfatImage(folder, 32 << 20, whyNot, card->label);
    if (!card->scratch || !card->scratch->mount(card->mountPoint, driver, whyNot))
        return nullptr;
    return card;
}

} // namespace stowly::test
