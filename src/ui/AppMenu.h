#pragma once

#include <QMenu>

#include <memory>

namespace stowly {

class MailHandoff;

// The application menu behind the toolbar's menu button: about, bug report, support, tip jar,
// acknowledgements and updates.
class AppMenu : public QMenu {
    Q_OBJECT
public:
    // handoff takes e-mails and links out of Stowly (the system's by default).
    explicit AppMenu(QWidget* parent, std::shared_ptr<MailHandoff> handoff = nullptr);

    void showAbout();
    void reportBug();
    void contactSupport();
    void openTipJar();
    void showAcknowledgements();
    void explainUpdates();

    // The shipped acknowledgements, or none when they can't be read.
    static std::optional<QString> acknowledgements(const QString& path = defaultAcknowledgements());
    static QString defaultAcknowledgements();

Q_SIGNALS:
    void settingsRequested();
    // "Quit Stowly": the application decides, asking first while a copy runs.
    void quitRequested();

private:
    std::shared_ptr<MailHandoff> m_handoff;
};

} // namespace stowly
