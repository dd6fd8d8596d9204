#pragma once

#include <QString>

namespace stowly {

// Where a run stands; the session publishes the latest value.
struct OffloadProgress {
    // Files finished, verified or failed.
    int filesDone = 0;
    int filesTotal = 0;
    // Last path component of the source being copied; empty before the first file.
    QString currentFile;
    // The current file's relative path on the card; empty before the first file.
    QString currentID;
    // Over the whole run, counting the current file's bytes as they are copied.
    qint64 bytesDone = 0;
    // Sum of the scanned sizes of all planned files.
    qint64 bytesTotal = 0;
    // Copied so far of the current file; its full size while it is read back; 0 between files.
    qint64 currentFileBytes = 0;
    bool isVerifying = false;
    // How many destinations each file goes to.
    int destinations = 1;
    // The card's bytes of the current file are being read a second time.
    bool isVerifyingSource = false;

    friend bool operator==(const OffloadProgress&, const OffloadProgress&) = default;
};

} // namespace stowly
