#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace stowly {

// The start-at-login switch: an XDG autostart entry in the user's autostart folder that starts
// Stowly marked as a login launch. The entry is the state; status mirrors it.
class LoginItem : public QObject {
    Q_OBJECT
public:
    enum class Status { notRegistered, enabled, requiresApproval, notFound };

    // isLive false keeps the state in memory only (a model built without live services).
    // program is what the entry starts; by default this program.
    explicit LoginItem(bool isLive, QString program = {}, QObject* parent = nullptr);

    Status status() const { return m_status; }
    const std::optional<QString>& lastError() const { return m_lastError; }
    bool isLive() const { return m_isLive; }
    bool isOn() const {
        return m_status == Status::enabled || m_status == Status::requiresApproval;
    }

    void set(bool on);

    // ~/.config/autostart/app.stowly.Stowly.desktop
    static QString entryPath();
    // The entry's text for a program.
    static QByteArray entry(const QString& program);

Q_SIGNALS:
    void changed();

private:
    Status readStatus() const;

    bool m_isLive;
    QString m_program;
    Status m_status = Status::notRegistered;
    std::optional<QString> m_lastError;
};

} // namespace stowly
