#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <optional>

namespace stowly {

class AppSettings;
class OffloadSession;

// The one reason an offload cannot start yet, first match wins: the card, what is left to
// copy, the naming and its inputs, then the destination folder, its volume and its space. A
// card that could not be read all through never counts as empty or offloaded: with nothing
// read left to copy, that is the reason.
struct OffloadBlocker {
    Q_GADGET
    Q_DECLARE_TR_FUNCTIONS(OffloadBlocker)
public:
    enum class Reason {
        noCard,
        scanning,
        unreadableCard,
        emptyCard,
        missingCopies,
        onlyShortClips,
        nothingInDates,
        allOffloaded,
        namingInvalid,
        projectNeeded,
        cameraNeeded,
        noDestination,
        destinationMissing,
        // On a share that does not answer; asked again a moment later.
        destinationNotAnswering,
        destinationOnCard,
        destinationReadOnly,
        notEnoughSpace,
        backupIsDestination,
    };
    Q_ENUM(Reason)

    Reason reason = Reason::noCard;
    // The sentence the user sees.
    QString text;

    friend bool operator==(const OffloadBlocker&, const OffloadBlocker&) = default;

    // session is the selected card's, if any; cameraValue the camera token the session gives.
    static std::optional<OffloadBlocker> find(const OffloadSession* session, bool isScanning,
                                              const AppSettings& settings,
                                              const QString& cameraValue);

    // Whether a destination folder lies on the card (or is the card). Links are followed where
    // they resolve, so a link onto the card counts as on it.
    static bool isOnCard(const QString& destination, const QString& cardPath);

    // Length limit of the typed names (project, camera, card) in file names.
    static constexpr int nameLength = 60;
};

} // namespace stowly
