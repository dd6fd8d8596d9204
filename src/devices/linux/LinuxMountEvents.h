#pragma once

#include "devices/MountEvents.h"
#include "devices/linux/MountTable.h"

#include <QHash>
#include <QList>

namespace stowly {

// Mount and unmount events from the kernel's mount table. The kernel flags the open
// mountinfo file (POLLPRI) whenever the table changes; the table is then read again and
// compared with the last one.
class LinuxMountEvents : public MountEvents {
    Q_OBJECT
public:
    explicit LinuxMountEvents(QString mountInfoPath, QObject* parent = nullptr);
    ~LinuxMountEvents() override;

    bool start() override;
    bool isStarted() const override { return m_started; }

    // Reads the table and reports what changed since the last read. The kernel's signal
    // calls it; tests with a table of their own call it directly.
    void checkNow();

private:
    struct Snapshot {
        // Mount point → id of the topmost visible mount there, in table order.
        QList<std::pair<QString, int>> visible;
        // Every mount's id, hidden ones included.
        QList<int> all;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };
    // None when the table cannot be read; then nothing is reported.
    std::optional<Snapshot> snapshot() const;

    QString m_path;
    int m_fd = -1;
    bool m_started = false;
    Snapshot m_last;
};

} // namespace stowly
