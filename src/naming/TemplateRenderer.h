#pragma once

#include "media/Clip.h"
#include "naming/NamingContext.h"
#include "naming/NamingTemplate.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace stowly {

// Turns parsed templates into concrete folder levels and file name stems for one file.
namespace TemplateRenderer {
// The longest name a rendering gives, in characters as the user sees them.
inline constexpr int maxNameLength = 180;
// The UTF-8 bytes a file system allows in one name.
inline constexpr int maxNameBytes = 255;

// The file template rendered for one file, with the sequence number left open.
struct FileStem {
    // The parts before the seq token; the whole template when it has none.
    QString before;
    // Digits of the number: the token's width, else 4; absent without a seq token.
    std::optional<int> padding;
    QString after;
    // The text after the number up to the first token that differs from file to file.
    QString fixedAfter;
    bool afterIsFixed = true;

    // The finished stem, without extension, in at most `maxBytes` UTF-8 bytes. Where the
    // bytes run out the text before the number gives way, so the number stays.
    QString name(std::optional<qint64> sequence, qsizetype maxBytes = maxNameBytes) const;

    friend bool operator==(const FileStem&, const FileStem&) = default;
};

// The characters that separate names inside a level: "_", "-" and space.
const QString& joiners();

// One folder level; a separator next to a token that came out empty goes with it.
QString renderLevel(const QList<TemplatePart>& parts, const Clip& file,
                    const NamingContext& context,
                    const std::optional<QDateTime>& date = std::nullopt);
// The parts joined as they are, without separator clean-up.
QString render(const QList<TemplatePart>& parts, const Clip& file, const NamingContext& context,
               std::optional<qint64> sequence = std::nullopt,
               const std::optional<QDateTime>& date = std::nullopt);
FileStem fileStem(const NamingTemplate& fileTemplate, const Clip& file,
                  const NamingContext& context,
                  const std::optional<QDateTime>& date = std::nullopt);
// A usable name: made safe, cut to maxNameLength characters and `maxBytes` bytes, "Untitled"
// when nothing is left.
QString finish(const QString& name, qsizetype maxBytes = maxNameBytes);
} // namespace TemplateRenderer

} // namespace stowly
