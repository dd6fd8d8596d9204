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
    // False when no mail program took it; the caller then falls back to a link. May wait for
    // the desktop's answer: call it off the main thread.
    virtual bool compose(const Draft& draft) = 0;
    // Opens a link ("mailto:", "https:") with the user's default program; false when nothing
    // took it. May wait like compose.
    virtual bool open(const QUrl& link) = 0;
};

// Hands drafts to `xdg-email` and links to `xdg-open`. These helpers say by their exit status
// whether a program took the e-mail or link: one that is set up either returns at once or
// keeps running with the mail program in front of it, and one that found no program fails.
// So a helper still running after a few seconds counts as handed over, and is left
// to run on its own.
class SystemMailHandoff : public MailHandoff {
public:
    explicit SystemMailHandoff(QString emailProgram = QStringLiteral("xdg-email"),
                               QString openProgram = QStringLiteral("xdg-open"),
                               int handedOverAfterMs = 8000);

    bool compose(const Draft& draft) override;
    bool open(const QUrl& link) override;

    // The command line given to the e-mail program.
    static QStringList composeArguments(const Draft& draft);

private:
    QString m_emailProgram;
    QString m_openProgram;
    int m_handedOverAfterMs;
};

} // namespace stowly
