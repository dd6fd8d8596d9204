#pragma once

#include <QString>

#include <optional>

namespace stowly {

// How an erase ended.
struct FormatOutcome {
    enum class Kind { formatted, refused, failed };

    Kind kind = Kind::failed;
    // The new volume name when formatted, else the sentence that says why not.
    QString text;
    // Where the erased card is mounted now, when known (formatted only).
    std::optional<QString> mountPoint;
    // What the user must do next, when anything (formatted only): a card erased but not
    // mounted again must be put in again.
    std::optional<QString> note;

    static FormatOutcome formatted(QString name, std::optional<QString> mountPoint,
                                   std::optional<QString> note = std::nullopt) {
        return {Kind::formatted, std::move(name), std::move(mountPoint), std::move(note)};
    }
    // A guard or check stopped the erase before anything on the card changed.
    static FormatOutcome refused(QString why) { return {Kind::refused, std::move(why), {}, {}}; }
    // The disk tools could not run or reported an error.
    static FormatOutcome failed(QString why) { return {Kind::failed, std::move(why), {}, {}}; }

    bool isFormatted() const { return kind == Kind::formatted; }
    // "formatted(NAME, /media/NAME)", "refused(…)", "failed(…)": for logs.
    QString description() const;

    friend bool operator==(const FormatOutcome&, const FormatOutcome&) = default;
};

} // namespace stowly
