#pragma once

#include "support/ScratchMount.h"

#include <QString>

#include <functional>
#include <memory>

namespace stowly::test {

// A real card: an exFAT image on a loop device, mounted where removable media are mounted under a
// label of its own, so the program finds it as any inserted card. The mount and its folder go
// with the object.
struct MediaCard {
    ~MediaCard();
    QString label;
    QString mountPoint;
    std::unique_ptr<ScratchMount> scratch;
};
// Unmounts what is mounted at `mountPoint` and waits until a FUSE driver serving it has gone,
// so the file system is whole on its device and nothing lists the device as mounted.
bool unmountAndWait(const QString& mountPoint);
// `prefix` and four random hex digits, so that runs at once on one machine never share a label.
QString randomLabel(const QString& prefix);
// The label is randomLabel(prefix); none, with the reason, where this machine cannot.
// `fill` writes the card's files before it is mounted where cards are (it is "inserted" with
// them), in `mediaFolder`; the image holds `bytes`.
std::unique_ptr<MediaCard> mediaCard(const QString& prefix, const QString& folder,
                                     ScratchMount::Driver driver, QString* whyNot,
                                     const std::function<void(const QString& root)>& fill = {},
                                     qint64 bytes = 32 << 20,
                                     const QString& mediaFolder = "/media");

} // namespace stowly::test
