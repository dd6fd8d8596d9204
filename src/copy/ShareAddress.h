#pragma once

#include <QString>

#include <optional>

namespace stowly {

// The server and share that hold a folder on a network share: a kernel SMB or NFS mount, or
// a FUSE client of SMB or SFTP. Reads the mount table; safe from any thread.
struct ShareAddress {
    QString server;
    QString share;
    // Where this computer mounted it.
    QString mountPoint;

    // None for a folder on a local drive, or one that cannot be asked.
    static std::optional<ShareAddress> of(const QString& folder);
    // From a mount table line's type and source ("cifs", "//nas/footage"; "fuse.sshfs",
    // "me@nas:/srv/footage"; "fuse.rclone", "remote:footage/day1"); none where the type is
    // no network file system.
    static std::optional<ShareAddress> fromMount(const QString& fsType, const QString& source,
                                                 const QString& mountPoint);
    // Errors with which a share says it stopped answering, rather than that it refused one call.
    static bool lostConnection(int error);

    // "The share “footage” on 127.0.0.1 stopped answering…"
    QString stoppedAnswering() const;

    friend bool operator==(const ShareAddress&, const ShareAddress&) = default;
};

} // namespace stowly
