#include "naming/InlineLevel.h"

#include "base/Quoted.h"

#include <QCoreApplication>

namespace stowly {
namespace {

// Every token chunk when the level is only tokens written next to each other.
QStringList adjacentTokens(const QString& text) {
    QStringList tokens;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != u'{')
            return {};
        const qsizetype close = text.indexOf(u'}', i);
        if (close < 0)
            return {};
        tokens.append(text.mid(i, close - i + 1));
        i = close + 1;
    }
    return tokens.size() >= 2 ? tokens : QStringList();
}

} // namespace

InlineLevel::InlineLevel(const QString& text) {
    const QString trimmed = text.trimmed();
    if (QStringList tokens = adjacentTokens(trimmed); !tokens.isEmpty()) {
        items = std::move(tokens);
        separator.clear();
        return;
    }

    QChar found;
    int depth = 0;
    for (const QChar c : trimmed) {
        if (c == u'{') {
            ++depth;
        } else if (c == u'}') {
            depth = std::max(0, depth - 1);
        } else if (depth == 0 && (c == u'_' || c == u'-' || c == u' ')) {
            found = c;
            break;
        }
    }
    if (!found.isNull()) {
        QStringList pieces;
        QString piece;
        depth = 0;
        for (const QChar c : trimmed) {
            if (c == u'{')
                ++depth;
            else if (c == u'}')
                depth = std::max(0, depth - 1);
            if (depth == 0 && c == found) {
                pieces.append(piece);
                piece.clear();
            } else {
                piece += c;
            }
        }
        pieces.append(piece);
        const bool noneEmpty = std::none_of(pieces.cbegin(), pieces.cend(),
                                            [](const QString& p) { return p.isEmpty(); });
        const bool anyToken = std::any_of(pieces.cbegin(), pieces.cend(),
                                          [](const QString& p) { return p.contains(u'{'); });
        if (pieces.size() >= 2 && noneEmpty && anyToken) {
            items = std::move(pieces);
            separator = found;
            return;
        }
    }

    if (!trimmed.isEmpty())
        items = QStringList{trimmed};
    separator = QStringLiteral("_");
}

const QStringList& InlineLevel::separators() {
    static const QStringList list{QStringLiteral("_"), QStringLiteral("-"), QStringLiteral(" "),
                                  QString()};
    return list;
}

QString InlineLevel::name(const QString& separator) {
    if (separator == u"_")
        return QCoreApplication::translate("InlineLevel", "Underscore");
    if (separator == u"-")
        return QCoreApplication::translate("InlineLevel", "Hyphen");
    if (separator == u" ")
        return QCoreApplication::translate("InlineLevel", "Space");
    if (separator.isEmpty())
        return QCoreApplication::translate("InlineLevel", "None");
    return quoted(separator);
}

} // namespace stowly
