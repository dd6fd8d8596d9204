#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace stowly {

// The program's one log: lines of "<ISO 8601 local time> [<category>] <message>" in a rotated
// file in the state folder, and on standard error when that is a terminal. Paths may appear in
// messages; the bug report redacts them before anything leaves the computer.
//
// Safe to call from any thread. Until a file is chosen, the first line opens the default file.
namespace Log {
enum class Category { importPrompt, app };

// Size at which the file is rotated; the last three rotated files are kept.
inline constexpr qint64 rotateBytes = 2 * 1024 * 1024;
inline constexpr int keptFiles = 3;

void info(Category category, const QString& message);

// Starts writing to the default file (state folder, "Stowly.log").
void useDefaultFile();
// Whether lines also go to standard error when it is a terminal (on by default); a command
// line that draws its own output there turns it off.
void setEchoToTerminal(bool echo);
// Starts writing to a file of the caller's choice, rotated once it would grow past
// `rotateAt` bytes; an empty path stops file output.
void useFile(const QString& path, qint64 rotateAt = rotateBytes);
QString filePath();
// The current file and its rotated predecessors, oldest first.
QStringList files();

QString categoryName(Category category);
// The time as the log writes it: local time with milliseconds and the offset from UTC,
// for example 2024-05-01T14:03:22.123+02:00.
QString timestamp(const QDateTime& time);
// One whole line as written, without its line break. Line breaks inside the message become
// spaces, so every entry stays one line with its time in front.
QString line(const QDateTime& time, Category category, const QString& message);

QString defaultFilePath();
} // namespace Log

} // namespace stowly
