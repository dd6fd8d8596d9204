#pragma once

#include "support/Printing.h"

#include <QDir>
#include <QStringList>

namespace stowly::test {

// The names an unreadable store file was set aside under.
inline QStringList setAsideCopies(const QString& folder, const QString& fileName) {
    return QDir(folder).entryList({fileName + ".corrupt-*"}, QDir::Files | QDir::Hidden);
}

} // namespace stowly::test
