#pragma once

#include "media/MediaFacts.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// What a file holds, in the words the window and the command line show.
namespace MediaFactsText {
// "H.264 · 1920×1080 · 25 fps · 0:10 · TC 01:00:00:00 · 2 ch" for a clip, "Canon EOS R5 ·
// RF24-70mm · ISO 400 · 1/250 s · f/4 · 50 mm" for a photo: the parts that are known. A clip
// whose facts give no duration takes `duration` (read before).
QString line(const MediaFacts& facts, std::optional<double> duration = std::nullopt);
// Cameras' and editors' names for the decoder's codec names: "h264" → "H.264".
QString codecName(const QString& codec);
// "1/250 s", "2 s", "0.8 s"
QString exposureText(double seconds);
// The file's mark in the list: what is wrong and what can still be done.
QString damagedHelp(const QString& reason);
// The erase confirmation's paragraph on damaged clips, naming a few: empty without any.
QString damagedParagraph(const QStringList& clipNames);
} // namespace MediaFactsText

} // namespace stowly
