#pragma once

#include "devices/DiskTool.h"
#include "media/CardVolume.h"

#include <QObject>
#include <QSet>

#include <memory>
#include <optional>

namespace stowly {

class CardFormatter;

// The cards' disks as the system knows them: ejecting, mounting, and what is mounted where.
// The erase shares its disk tool. Lives on the main thread; the system is asked on worker
// threads.
class CardDevices : public QObject {
    Q_OBJECT
public:
    explicit CardDevices(std::shared_ptr<CardFormatter> formatter, QObject* parent = nullptr);
    ~CardDevices() override;

    // Shared with the erase and eject running in the background, which may outlive the model.
    const std::shared_ptr<CardFormatter>& formatter() const { return m_formatter; }

    bool isEjecting() const { return m_isEjecting; }
    const std::optional<QString>& ejectError() const { return m_ejectError; }
    // One eject at a time; ejectEnded follows.
    void eject(const CardVolume& card);
    // Mounts a card's file system that nothing has mounted; mountEnded follows, and the card
    // joins the list through its mount event like any other.
    void mount(const QString& device, const QString& name);
    // The card file systems the system knows but nothing has mounted. Asks the system, so it
    // takes a moment.
    QList<DiskTool::UnmountedCard> unmountedCards() const;
    // Where the file system on a device node ("/dev/sdb1") is mounted; empty when nowhere or
    // when the system cannot tell. Asks the system too.
    QStringList mountPointsOf(const QString& device) const;
    // How disks are reached: "udisks2" or "plain".
    QString backendName() const;

Q_SIGNALS:
    void ejectingChanged();
    void ejectEnded(const stowly::CardVolume& card, const std::optional<QString>& error);
    // mountPoint is none when the mount failed; failure then says why.
    void mountEnded(const QString& device, const std::optional<QString>& mountPoint,
                    const QString& failure);

private:
    std::shared_ptr<CardFormatter> m_formatter;
    bool m_isEjecting = false;
    QSet<QString> m_mounting;
    std::optional<QString> m_ejectError;
};

} // namespace stowly
