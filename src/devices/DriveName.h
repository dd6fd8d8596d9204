#pragma once

#include <QString>

namespace stowly {

class VolumeFacts;
struct VolumeResources;

// What a person calls the drive a volume is on: its label, else its mount point's last
// component, else (the start-up volume's root) the computer.
QString driveName(const VolumeResources& volume);
// The name of the drive that holds a folder: the volume mounted deepest above it; the folder
// itself when no listed volume holds it.
QString driveNameOf(const QString& folder, const VolumeFacts& facts);

} // namespace stowly
