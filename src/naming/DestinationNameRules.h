#pragma once

#include <QList>
#include <QString>

namespace stowly {

// What names a destination's file system can hold. Planned names are made to fit before any
// copy starts, so a name the destination refuses, alters or folds onto another never surfaces
// in the middle of an offload. The default holds for Linux's own file systems.
struct DestinationNameRules {
    // Refuses " * : < > ? \ | and control characters ("/" and NUL are refused everywhere).
    bool refusesWindowsCharacters = false;
    // Names that differ only in case are one name.
    bool caseInsensitive = false;
    // A trailing dot or space is refused or silently dropped.
    bool dropsTrailingDotsAndSpaces = false;
    // CON, PRN, AUX, NUL, COM1–9 and LPT1–9, with or without an extension, name devices.
    bool reservesDeviceNames = false;
    // The longest name in UTF-8 bytes and in UTF-16 units; 0 for no such limit.
    int maxBytes = 255;
    int maxUnits = 0;

    // The rules of a file-system type as the mount table names it ("ext4", "vfat", "fuseblk",
    // "fuse.sshfs"). A type whose rules cannot be told from its name is given the strict ones
    // when it is a FUSE client, since those often front a Windows share; else the default.
    static DestinationNameRules forFileSystem(const QString& type);
    // Rules every one of the given rules allows: one name goes to all destinations.
    static DestinationNameRules strictest(const QList<DestinationNameRules>& all);

    // The name made storable: refused characters become "-", trailing dots and spaces go, a
    // device name gets "_" after it, and a long name is cut by whole characters, keeping its
    // extension. A name that is storable comes back unchanged.
    QString safe(const QString& name) const;
    // A stem that with "." and ext (when not empty) makes a storable name.
    QString safeStem(const QString& stem, const QString& ext) const;

    friend bool operator==(const DestinationNameRules&, const DestinationNameRules&) = default;
};

} // namespace stowly
