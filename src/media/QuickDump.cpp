#include "media/QuickDump.h"

#include <QStringList>

namespace stowly {
namespace {

bool isSeparator(QChar c) {
    return c == u'_' || c == u'-' || c == u' ' || c == u'.';
}

// Start and end (past the "}") of the first project token, or -1.
std::pair<qsizetype, qsizetype> firstProjectToken(const QString& text) {
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = text.indexOf(u'{', from);
        if (open < 0)
            return {-1, -1};
        const qsizetype close = text.indexOf(u'}', open + 1);
        if (close < 0)
            return {-1, -1};
        QStringView inside = QStringView(text).mid(open + 1, close - open - 1);
        const qsizetype colon = inside.indexOf(u':');
        if (colon >= 0)
            inside = inside.left(colon);
        const QString name = inside.trimmed().toString().toLower();
        if (name == u"project" || name == u"shoot")
            return {open, close + 1};
        from = close + 1;
    }
}

} // namespace

QString QuickDump::strip(const QString& fileTemplate) {
    QString text = fileTemplate;
    for (;;) {
        const auto [start, end] = firstProjectToken(text);
        if (start < 0)
            break;
        qsizetype before = start;
        while (before > 0 && isSeparator(text[before - 1]))
            --before;
        qsizetype after = end;
        while (after < text.size() && isSeparator(text[after]))
            ++after;
        const bool reachesStart = before == 0;
        const bool reachesEnd = after == text.size();
        if (!reachesStart && !reachesEnd)
            text.remove(start, after - start);
        else
            text.remove(before, after - before);
    }
    qsizetype first = 0;
    while (first < text.size() && isSeparator(text[first]))
        ++first;
    qsizetype last = text.size();
    while (last > first && isSeparator(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

QString QuickDump::folderTemplate(const QString& folderTemplate) {
    QStringList levels;
    for (const QString& level : folderTemplate.split(u'/', Qt::SkipEmptyParts)) {
        const QString stripped = strip(level);
        if (!stripped.isEmpty())
            levels.append(stripped);
    }
    return levels.join(u'/');
}

} // namespace stowly
