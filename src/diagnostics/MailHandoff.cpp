#include "diagnostics/MailHandoff.h"

#include <QProcess>
#include <QStandardPaths>

namespace stowly {
namespace {

bool startDetached(const QString& program, const QStringList& arguments) {
    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty())
        return false;
    return QProcess::startDetached(executable, arguments);
}

} // namespace

SystemMailHandoff::SystemMailHandoff(QString emailProgram, QString openProgram)
    : m_emailProgram(std::move(emailProgram)), m_openProgram(std::move(openProgram)) {}

QStringList SystemMailHandoff::composeArguments(const Draft& draft) {
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), draft.subject,
                          QStringLiteral("--body"), draft.body};
    for (const QString& file : draft.attachments)
        arguments << QStringLiteral("--attach") << file;
    arguments << draft.to;
    return arguments;
}

bool SystemMailHandoff::compose(const Draft& draft) {
    return startDetached(m_emailProgram, composeArguments(draft));
}

bool SystemMailHandoff::open(const QUrl& link) {
    return startDetached(m_openProgram, {link.toString(QUrl::FullyEncoded)});
}

} // namespace stowly
