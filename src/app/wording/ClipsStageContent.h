#pragma once

#include <QString>

#include <optional>

namespace stowly {

class AppModel;
class CardDesk;
class OffloadSession;

// What the media stage says when a card leaves nothing to copy.
namespace ClipsStageContent {

// The one thing the empty state offers to do about it.
enum class Action {
    // Sets the date filter to any date.
    showAnyDate,
    // Copies every short clip of this card.
    includeAllShortClips,
    // Copies again the files whose copies are gone.
    reoffloadMissingCopies
};

struct Button {
    QString text;
    Action action = Action::showAnyDate;
    friend bool operator==(const Button&, const Button&) = default;
};

struct NothingToCopy {
    QString title;
    QString message;
    std::optional<Button> button;
    friend bool operator==(const NothingToCopy&, const NothingToCopy&) = default;
};

// None while the session has files to copy. Otherwise the first reason that holds: the card
// could not be read all through, the dates leave every new file out, only short clips are
// left, everything is offloaded, or copies are missing.
std::optional<NothingToCopy> nothingToCopy(const OffloadSession& session);
// The same for the desk's offload; none without one.
std::optional<NothingToCopy> nothingToCopy(const CardDesk& desk);

// Where the card could not be read, as a warning to show beside the files that were read;
// none when the whole card was read.
std::optional<QString> readFailure(const OffloadSession& session);
std::optional<QString> readFailure(const CardDesk& desk);

// Does what a button offers, for the model's current session.
void perform(Action action, AppModel& model);

} // namespace ClipsStageContent

} // namespace stowly
