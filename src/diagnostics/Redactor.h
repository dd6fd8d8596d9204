#pragma once

#include <QDir>
#include <QRegularExpression>
#include <QString>

namespace stowly {

// Takes file, card and drive names out of text before it leaves the computer: the home
// folder becomes "~", and every path under the home folder, a place where drives are mounted,
// the users folder or a temporary folder becomes "<path>". A path runs until a comma, colon,
// semicolon, parenthesis, bracket, quotation mark or line end, so names with spaces go whole.
// Whatever stands in typographic quotation marks (“A7SIII”) becomes “<name>”: Stowly's own
// sentences quote card, drive and file names that way.
class Redactor {
public:
    explicit Redactor(const QString& home = QDir::homePath(),
                      const QString& tempFolder = QDir::tempPath());

    QString redact(const QString& text) const;

    // The folders whose contents are private wherever they appear.
    static QStringList privateRoots();

private:
    QString m_home;
    QRegularExpression m_homeFolder;
    QRegularExpression m_pathStart;
    QRegularExpression m_nextPath;
};

} // namespace stowly
