#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace stowly {

// The edge where a report leaves Stowly: a new e-mail in the user's mail program, or a link
// opened by the desktop. The desktop app may put its own toolkit behind it; the core's
// default starts the freedesktop helper programs.
class MailHandoff {
public:
    struct Draft {
        QString to;
        QString subject;
        QString body;
        QStringList attachments; // absolute paths
    };

    virtual ~MailHandoff() = default;
    // Opens a new e-mail with the draft, attachments included, for the user to read and send.
    // False when no mail program can take it; the caller then falls back to a link.
    virtual bool compose(const Draft& draft) = 0;
    // Opens a link ("mailto:", "https:") with the user's default program.
    virtual bool open(const QUrl& link) = 0;
};

// Hands drafts to `xdg-email` and links to `xdg-open`, each started detached so the mail
// program outlives nothing of ours.
class SystemMailHandoff : public MailHandoff {
public:
    explicit SystemMailHandoff(QString emailProgram = QStringLiteral("xdg-email"),
                               QString openProgram = QStringLiteral("xdg-open"));

    bool compose(const Draft& draft) override;
    bool open(const QUrl& link) override;

    // The command line given to the e-mail program.
    static QStringList composeArguments(const Draft& draft);

private:
    QString m_emailProgram;
    QString m_openProgram;
};

} // namespace stowly
