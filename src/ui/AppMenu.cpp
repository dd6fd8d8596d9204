#include "ui/AppMenu.h"

#include "diagnostics/MailHandoff.h"
#include "diagnostics/Support.h"
#include "ui/MailDelivery.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace stowly {

AppMenu::AppMenu(QWidget* parent, std::shared_ptr<MailHandoff> handoff)
    : QMenu(parent),
      m_handoff(handoff ? std::move(handoff) : std::make_shared<SystemMailHandoff>()) {
    setObjectName(QStringLiteral("appMenu"));
    QAction* settings = addAction(tr("Settings…"), this, &AppMenu::settingsRequested);
    settings->setShortcut(QKeySequence::Preferences);
    addAction(tr("About Stowly"), this, &AppMenu::showAbout);
    addSeparator();
    addAction(tr("Report a Bug…"), this, &AppMenu::reportBug);
    addAction(tr("Contact Support…"), this, &AppMenu::contactSupport);
    addAction(tr("Tip Jar…"), this, &AppMenu::openTipJar);
    addAction(tr("Acknowledgements"), this, &AppMenu::showAcknowledgements);
    addSeparator();
    addAction(tr("Check for Updates…"), this, &AppMenu::explainUpdates);
    addSeparator();
    QAction* quit = addAction(tr("Quit Stowly"), this, &AppMenu::quitRequested);
    quit->setObjectName(QStringLiteral("quitAction"));
    // Spelled out: the standard Quit key is empty under some platform themes (offscreen,
    // Windows-like schemes), and Ctrl+Q is what Linux desktops use.
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Ctrl+Q quits from the settings and the other windows too, not only from the main one.
    quit->setShortcutContext(Qt::ApplicationShortcut);
}

void AppMenu::showAbout() {
    QMessageBox box(QMessageBox::NoIcon, tr("About Stowly"),
                    tr("Stowly %1").arg(QApplication::applicationVersion()), QMessageBox::Ok,
                    parentWidget());
    box.setObjectName(QStringLiteral("aboutStowly"));
    box.setIconPixmap(QApplication::windowIcon().pixmap(96, 96));
    box.setInformativeText(tr("Offloads camera cards into one organised folder structure and "
                              "proves every copy with SHA-256."));
    box.exec();
}

void AppMenu::reportBug() {
    MailDelivery::sendBugReport(parentWidget(), std::nullopt, m_handoff);
}

void AppMenu::contactSupport() {
    MailDelivery::openLink(parentWidget(), Support::mailURL(tr("Stowly support")), m_handoff);
}

void AppMenu::openTipJar() {
    MailDelivery::openLink(parentWidget(), Support::tipPage(), m_handoff);
}

QString AppMenu::defaultAcknowledgements() {
    return QStringLiteral(":/text/Acknowledgements.txt");
}

std::optional<QString> AppMenu::acknowledgements(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

void AppMenu::showAcknowledgements() {
    const std::optional<QString> text = acknowledgements();
    if (!text) {
        QMessageBox::warning(parentWidget(), tr("Acknowledgements"),
                             tr("Stowly could not load Acknowledgements.txt."));
        return;
    }
    auto* window = new QDialog(parentWidget());
    window->setObjectName(QStringLiteral("acknowledgements"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(tr("Acknowledgements"));
    window->resize(620, 420);
    auto* layout = new QVBoxLayout(window);
    auto* view = new QPlainTextEdit(*text, window);
    view->setReadOnly(true);
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    layout->addWidget(buttons);
    window->show();
}

void AppMenu::explainUpdates() {
    QMessageBox::information(parentWidget(), tr("Check for Updates"),
                             tr("Stowly is updated by your system’s package manager, together "
                                "with the rest of your software."));
}

} // namespace stowly
