#include "app/wording/ClipsStageContent.h"

#include "app/model/AppModel.h"
#include "app/model/CardDesk.h"
#include "app/wording/StageTexts.h"
#include "media/DurationFormatting.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>

#include <algorithm>

namespace stowly {

std::optional<ClipsStageContent::NothingToCopy>
ClipsStageContent::nothingToCopy(const OffloadSession& session) {
    if (!session.newClips().isEmpty())
        return std::nullopt;
    if (const std::optional<QString> failure = readFailure(session))
        return NothingToCopy{
            QCoreApplication::translate("ClipsStageContent", "This Card Couldn’t Be Read"),
            *failure, std::nullopt};
    if (const int outside = session.outsideDatesCount(); outside >= 1)
        return NothingToCopy{
            QCoreApplication::translate("ClipsStageContent", "Nothing in These Dates"),
            outside == 1 ? QCoreApplication::translate("ClipsStageContent",
                                                       "The only new file is from another day.")
                         : QCoreApplication::translate("ClipsStageContent",
                                                       "The %n new files are all from other days.",
                                                       nullptr, int(outside)),
            Button{QCoreApplication::translate("ClipsStageContent", "Show Any Date"),
                   Action::showAnyDate}};
    const qsizetype shortClips = session.skippedShort().clips.size();
    if (session.missingCopyCount() == 0 && shortClips >= 1) {
        const QString threshold = DurationFormatting::threshold(session.shortRule().threshold);
        return NothingToCopy{
            QCoreApplication::translate("ClipsStageContent", "Only Short Clips"),
            shortClips == 1 ? QCoreApplication::translate("ClipsStageContent",
                                                          "The only new video is shorter than %1.")
                                  .arg(threshold)
                            : QCoreApplication::translate(
                                  "ClipsStageContent", "The %n new videos are all shorter than %1.",
                                  nullptr, int(shortClips))
                                  .arg(threshold),
            Button{StageTexts::includeAllShortClips(), Action::includeAllShortClips}};
    }
    if (session.missingCopyCount() == 0) {
        const QList<Clip>& newFiles = session.inventory().newFiles;
        const bool turnedOff =
            std::any_of(newFiles.cbegin(), newFiles.cend(), [&](const Clip& clip) {
                return !session.includedCategories().contains(
                    mediaCategory::classify(mediaCategory::extensionOf(clip.relativePath)));
            });
        return NothingToCopy{
            QCoreApplication::translate("ClipsStageContent", "All Caught Up"),
            turnedOff
                ? QCoreApplication::translate(
                      "ClipsStageContent",
                      "The new files on this card are types you turned off in Settings.")
                : QCoreApplication::translate(
                      "ClipsStageContent", "Everything on this card has already been offloaded."),
            std::nullopt};
    }
    const int missing = session.missingCopyCount();
    return NothingToCopy{
        QCoreApplication::translate("ClipsStageContent", "Copies Missing"),
        missing == 1 ? QCoreApplication::translate(
                           "ClipsStageContent",
                           "1 file was offloaded before, but its copy is no longer at the "
                           "destination.")
                     : QCoreApplication::translate(
                           "ClipsStageContent",
                           "%n files were offloaded before, but their copies are no longer at "
                           "the destination.",
                           nullptr, int(missing)),
        Button{StageTexts::reoffloadMissingCopies(), Action::reoffloadMissingCopies}};
}

std::optional<QString> ClipsStageContent::readFailure(const OffloadSession& session) {
    const std::optional<ScanFailure>& unreadable = session.inventory().unreadable;
    if (!unreadable)
        return std::nullopt;
    return unreadable->description() + u' ' +
           QCoreApplication::translate(
               "ClipsStageContent",
               "Whatever it couldn’t read isn’t offloaded, and the card won’t count as "
               "offloaded until all of it can be read. Check the card and the reader, then "
               "insert it again.");
}

std::optional<ClipsStageContent::NothingToCopy>
ClipsStageContent::nothingToCopy(const CardDesk& desk) {
    return desk.session() ? nothingToCopy(*desk.session()) : std::nullopt;
}

std::optional<QString> ClipsStageContent::readFailure(const CardDesk& desk) {
    return desk.session() ? readFailure(*desk.session()) : std::nullopt;
}

void ClipsStageContent::perform(Action action, AppModel& model) {
    switch (action) {
    case Action::showAnyDate:
        model.settings().setValue(setting::dateFilter, DateFilter::any());
        break;
    case Action::includeAllShortClips:
        if (CardDesk* desk = model.selectedDesk())
            desk->includeAllShort();
        break;
    case Action::reoffloadMissingCopies:
        model.setReoffloadMode(ReoffloadMode::missing);
        break;
    }
}

} // namespace stowly
