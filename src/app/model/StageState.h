#pragma once

#include <QObject>
#include <QString>

namespace stowly {

// The state of one of the main window's three numbered stages.
namespace stageState {
Q_NAMESPACE

// The case names are the stored text.
enum class StageState { pending, active, done };
Q_ENUM_NS(StageState)

} // namespace stageState

using stageState::StageState;

class AppSettings;
class OffloadSession;

namespace stageState {
QString title(int stage); // "Card", "Media", "Destination"
QString rawValue(StageState state);
// Stage 1 is done once a card is selected; stage 3 once a destination is set; stage 2 waits
// for a session, needs the project and camera the naming uses, and a card read all through.
StageState derive(int stage, bool hasSelectedCard, const OffloadSession* session,
                  const AppSettings& settings, const QString& cameraValue);
} // namespace stageState

} // namespace stowly
