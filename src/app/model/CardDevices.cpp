#include "app/model/CardDevices.h"

#include "base/Background.h"
#include "base/Log.h"
#include "devices/CardFormatter.h"

namespace stowly {

CardDevices::CardDevices(std::shared_ptr<CardFormatter> formatter, QObject* parent)
    : QObject(parent), m_formatter(std::move(formatter)) {}

CardDevices::~CardDevices() = default;

void CardDevices::eject(const CardVolume& card) {
    if (m_isEjecting)
        return;
    m_isEjecting = true;
    m_ejectError.reset();
    Q_EMIT ejectingChanged();
    std::shared_ptr<CardFormatter> formatter = m_formatter;
    background::run(
        this, [formatter, card] { return formatter->tool().eject(card.url); },
        [this, card](std::optional<QString> failure) {
            Log::info(Log::Category::app, QStringLiteral("Ejecting ") + card.url +
                                              QStringLiteral(": ") +
                                              failure.value_or(QStringLiteral("done")));
            if (failure)
                m_ejectError =
                    QStringLiteral("Couldn’t eject ") + card.name + QStringLiteral(": ") + *failure;
            m_isEjecting = false;
            Q_EMIT ejectingChanged();
            Q_EMIT ejectEnded(card, m_ejectError);
        });
}

void CardDevices::mount(const QString& device, const QString& name) {
    // Two requests at once would both find it unmounted and mount it twice, the card then
    // showing (and copying) as two.
    if (m_mounting.contains(device))
        return;
    m_mounting.insert(device);
    std::shared_ptr<CardFormatter> formatter = m_formatter;
    background::run(
        this, [formatter, device, name] { return formatter->tool().mount(device, name); },
        [this, device](const DiskTool::Mounted& mounted) {
            m_mounting.remove(device);
            if (!mounted.mountPoint)
                Log::info(Log::Category::app, QStringLiteral("Couldn’t mount ") + device +
                                                  QStringLiteral(": ") + mounted.failure);
            Q_EMIT mountEnded(device, mounted.mountPoint, mounted.failure);
        });
}

QList<DiskTool::UnmountedCard> CardDevices::unmountedCards() const {
    return m_formatter->tool().unmountedCards();
}

QStringList CardDevices::mountPointsOf(const QString& device) const {
    const std::optional<DiskFacts> facts = m_formatter->tool().facts(device);
    return facts ? facts->mountPoints : QStringList();
}

QString CardDevices::backendName() const {
    return m_formatter->tool().backendName();
}

} // namespace stowly
