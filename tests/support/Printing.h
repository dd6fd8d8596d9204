#pragma once

#include <QString>

#include <ostream>

// Readable failure messages for Qt text (lists print element by element through this too).
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
