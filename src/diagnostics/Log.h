#pragma once

#include <QString>

namespace stowly {

// The program's one log: lines of "<ISO 8601 local time> [<category>] <message>" in a rotated
// file in the state folder, and on standard error when that is a terminal. Paths may appear in
// messages; the bug report redacts them before anything leaves the computer.
class Log {
public:
    enum class Category { importPrompt, app };

    static void info(Category category, const QString& message);

    // Starts writing to the default file (state folder, "Stowly.log").
    static void useDefaultFile();
    // Starts writing to a file of the caller's choice; an empty path stops file output.
    static void useFile(const QString& path);
    static QString filePath();
    // The current file and its rotated predecessors, oldest first.
    static QStringList files();

    static QString categoryName(Category category);
    // Size at which the file is rotated; the last three rotated files are kept.
    static constexpr qint64 rotateBytes = 2 * 1024 * 1024;
    static constexpr int keptFiles = 3;
};

} // namespace stowly
