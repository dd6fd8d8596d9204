#include "diagnostics/Redactor.h"

namespace stowly {
namespace {

const QString stopCharacters = QStringLiteral(",:;()[]\"'\n\r");

bool isStop(QChar c) {
    return stopCharacters.contains(c);
}

} // namespace

QStringList Redactor::privateRoots() {
    // Users, mounted volumes and temporary folders of macOS, then Linux's homes, the places
    // udisks2, gvfs and people mount drives, and the temporary folders.
    return {QStringLiteral("Volumes"), QStringLiteral("Users"), QStringLiteral("private"),
            QStringLiteral("var"),     QStringLiteral("tmp"),   QStringLiteral("home"),
            QStringLiteral("media"),   QStringLiteral("run"),   QStringLiteral("mnt")};
}

Redactor::Redactor(const QString& home, const QString& tempFolder) {
    if (home.size() > 1) {
        m_home = QDir::cleanPath(home);
        // Only the whole folder name: "/home/me" must not eat the start of "/home/meg".
        m_homeFolder = QRegularExpression(QRegularExpression::escape(m_home) +
                                          QStringLiteral(R"((?=[/\s,:;()\[\]"']|$))"));
    }
    QStringList starts{QStringLiteral("~"),
                       QStringLiteral("/(?:") + privateRoots().join(u'|') + u')'};
    const QString temp = QDir::cleanPath(tempFolder);
    if (temp.size() > 1 && !tempFolder.isEmpty())
        starts.append(QRegularExpression::escape(temp));
    const QString start = QStringLiteral("(?:") + starts.join(u'|') + QStringLiteral(")/");
    m_pathStart = QRegularExpression(start);
    // Spaces belong to names, except where one more path follows, alone or after one of the
    // joining words our messages use ("… to /home/…"): there the first path ends. Any other
    // word may be part of a name and goes with the path.
    m_nextPath = QRegularExpression(
        QStringLiteral(R"(\s+(?:(?:to|from|into|onto|and|or|in|on|at|as|vs|->|=>|→)\s+)?)") + start,
        QRegularExpression::CaseInsensitiveOption);
}

QString Redactor::redact(const QString& text) const {
    QString source = text;
    if (m_homeFolder.isValid() && !m_home.isEmpty())
        source.replace(m_homeFolder, QStringLiteral("~"));

    QString result;
    result.reserve(source.size());
    qsizetype position = 0;
    const qsizetype end = source.size();
    while (position < end) {
        const QRegularExpressionMatch start = m_pathStart.match(source, position);
        if (!start.hasMatch())
            break;
        qsizetype pathEnd = start.capturedEnd();
        while (pathEnd < end && !isStop(source.at(pathEnd))) {
            if (source.at(pathEnd).isSpace() &&
                m_nextPath
                    .match(source, pathEnd, QRegularExpression::NormalMatch,
                           QRegularExpression::AnchorAtOffsetMatchOption)
                    .hasMatch())
                break;
            ++pathEnd;
        }
        // Spaces before a parenthesis or a comma belong to the sentence, not the name.
        while (pathEnd > start.capturedEnd() && source.at(pathEnd - 1).isSpace())
            --pathEnd;
        result += QStringView(source).mid(position, start.capturedStart() - position);
        result += QStringLiteral("<path>");
        position = pathEnd;
    }
    result += QStringView(source).mid(position);
    // Stowly's own sentences put card, drive and file names in quotation marks.
    static const QRegularExpression quoted(QStringLiteral("“[^”\\n]*(”?)"));
    result.replace(quoted, QStringLiteral("“<name>\\1"));
    return result;
}

} // namespace stowly
