#pragma once

#include <QDBusConnection>
#include <QObject>

#include <functional>

namespace stowly {

class AppModel;
struct CardVolume;
struct OffloadSummary;

// Says on the desktop that a card's offload ended while the window was not in front; in front,
// the card's row and the offload bar say it.
class OffloadNotice : public QObject {
    Q_OBJECT
public:
    OffloadNotice(AppModel& model, QDBusConnection bus, std::function<bool()> windowInFront,
                  QObject* parent = nullptr);

private:
    void ended(const CardVolume& card, const OffloadSummary& summary);

    QDBusConnection m_bus;
    std::function<bool()> m_windowInFront;
};

} // namespace stowly
