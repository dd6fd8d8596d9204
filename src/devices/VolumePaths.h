#pragma once

#include <QString>
#include <QStringList>

namespace stowly {

// Path rules shared by the card list, the import prompt and the erase guards.
namespace VolumePaths {
// Where the platform mounts removable media ("/media/" and "/run/media/" on Linux). Every
// root ends with "/". One process-wide value, so tests may point it at a folder of their own.
QStringList mountRoots();
void setMountRoots(const QStringList& roots);
QStringList defaultMountRoots();

// True when path lies below one of the mount roots.
bool isUnderMountRoots(const QString& path);

// "~", "." and ".." resolved, then trailing "/" removed while longer than one character.
QString normalized(const QString& path);

// True when path is the volume's path or lies inside it: both get a trailing "/" before
// the prefix test, so "/media/CARD2/x" is not on "/media/CARD".
bool isOnVolume(const QString& path, const QString& volumePath);

// The path with one trailing "/" (unless it already ends with one).
QString withSlash(const QString& path);
} // namespace VolumePaths

} // namespace stowly
