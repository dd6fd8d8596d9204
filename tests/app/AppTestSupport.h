#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable failure messages for Qt text (optionals and lists print through this too).
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace stowly::test {

// The names an unreadable store file was set aside under.
inline QStringList setAsideCopies(const QString& folder, const QString& fileName) {
    return QDir(folder).entryList({fileName + ".corrupt-*"}, QDir::Files | QDir::Hidden);
}

} // namespace stowly::test
