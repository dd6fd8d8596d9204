#include "ui/WrappingButton.h"

namespace stowly {
namespace {

bool breaksAt(const QString& text, qsizetype at) {
    return text[at] == u' ' || (text[at - 1].unicode() >= 0x3000 && text[at].unicode() >= 0x3000);
}

} // namespace

QString wrappedButtonText(const QString& text, const QFontMetrics& metrics, int room) {
    if (text.isEmpty() || metrics.horizontalAdvance(text) <= room)
        return text;
    // Greedy: each line takes as much as fits; a piece wider than the room goes on its own.
    QStringList lines;
    QString line;
    qsizetype start = 0;
    for (qsizetype at = 1; at <= text.size(); ++at) {
        if (at < text.size() && !breaksAt(text, at))
            continue;
        const QString piece = text.mid(start, at - start);
        const QString joined = line + piece;
        if (!line.isEmpty() && metrics.horizontalAdvance(joined.trimmed()) > room) {
            lines << line.trimmed();
            line = piece.trimmed();
        } else {
            line = joined;
        }
        start = at;
    }
    if (!line.trimmed().isEmpty())
        lines << line.trimmed();
    return lines.join(u'\n');
}

} // namespace stowly
