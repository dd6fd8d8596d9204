#include "app/StageState.h"

namespace stowly::stageState {

QString title(int stage) {
    switch (stage) {
    case 1:
        return QStringLiteral("Card");
    case 2:
        return QStringLiteral("Media");
    default:
        return QStringLiteral("Destination");
    }
}

QString rawValue(StageState state) {
    switch (state) {
    case StageState::pending:
        return QStringLiteral("pending");
    case StageState::active:
        return QStringLiteral("active");
    case StageState::done:
        break;
    }
    return QStringLiteral("done");
}

} // namespace stowly::stageState
