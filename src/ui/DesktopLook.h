#pragma once

#include <QDBusVariant>
#include <QObject>
#include <QVariant>

#include <optional>

namespace stowly {

// What the desktop says about colours: whether it prefers dark windows and whether it asks
// for high contrast. Read from the freedesktop settings portal (followed live) and from a
// GTK_THEME that names a high-contrast theme; silent where neither is there.
class DesktopLook : public QObject {
    Q_OBJECT
public:
    // With watchPortal false only the environment is read (the tests' choice).
    explicit DesktopLook(bool watchPortal = true, QObject* parent = nullptr);

    // None when the desktop states no preference.
    std::optional<bool> prefersDark() const { return m_prefersDark; }
    bool highContrast() const { return m_portalContrast || m_environmentContrast; }

    // The portal's values: "color-scheme" 1 is dark, 2 light; "contrast" 1 is high.
    void applyPortalValue(const QString& key, const QVariant& value);

Q_SIGNALS:
    void changed();

private Q_SLOTS:
    void portalSettingChanged(const QString& nameSpace, const QString& key,
                              const QDBusVariant& value);

private:
    void read(const QString& key);

    std::optional<bool> m_prefersDark;
    bool m_portalContrast = false;
    bool m_environmentContrast = false;
};

} // namespace stowly
