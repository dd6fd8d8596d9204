#pragma once

#include <QString>

#include <optional>

namespace stowly {

class AppSettings;
class OffloadSession;

// The one reason an offload cannot start yet, first match wins: the card, what is left to
// copy, the naming and its inputs, then the destination folder, its volume and its space.
class OffloadBlocker {
public:
    // session is the selected card's, if any; cameraValue the camera token the session gives.
    static std::optional<QString> reason(const OffloadSession* session, bool isScanning,
                                         const AppSettings& settings, const QString& cameraValue);

    // Length limit of the typed names (project, camera, card) in file names.
    static constexpr int nameLength = 60;
};

} // namespace stowly
