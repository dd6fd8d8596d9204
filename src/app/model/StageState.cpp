#include "app/model/StageState.h"

#include "app/model/OffloadBlocker.h"
#include "app/settings/AppSettings.h"
#include "base/EnumNames.h"
#include "naming/NamingNeeds.h"
#include "naming/Renamer.h"
#include "session/OffloadSession.h"

#include <QCoreApplication>

namespace stowly::stageState {

QString title(int stage) {
    switch (stage) {
    case 1:
        return QCoreApplication::translate("StageState", "Card");
    case 2:
        return QCoreApplication::translate("StageState", "Media");
    default:
        return QCoreApplication::translate("StageState", "Destination");
    }
}

QString rawValue(StageState state) {
    const QString key = enumNames::name(state);
    return key.isEmpty() ? QStringLiteral("done") : key;
}

StageState derive(int stage, bool hasSelectedCard, const OffloadSession* session,
                  const AppSettings& settings, const QString& cameraValue) {
    if (stage == 1)
        return hasSelectedCard ? StageState::done : StageState::active;
    if (stage == 3)
        return settings.value(setting::destinationPath) ? StageState::done : StageState::active;
    if (!session)
        return StageState::pending;
    // A card that could not be read all through wants the user, whatever it holds.
    if (session->phase() == OffloadSession::Phase::ready && session->inventory().unreadable)
        return StageState::active;
    if (session->phase() != OffloadSession::Phase::ready || session->newClips().isEmpty())
        return StageState::done;
    const NamingNeeds needs(settings.effectiveNaming());
    if (needs.usesProject && !settings.value(setting::quickDump) &&
        Renamer::sanitizeName(session->projectInput(), OffloadBlocker::nameLength).isEmpty())
        return StageState::active;
    if (needs.usesCamera && cameraValue.isEmpty())
        return StageState::active;
    return StageState::done;
}

} // namespace stowly::stageState
