#include "app/settings/LoginItem.h"

#include "base/Log.h"
#include "copy/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace stowly {
namespace {

// Exec values quote arguments that hold spaces or the characters the format reserves.
QString quotedForExec(const QString& program) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool plain = true;
    for (const QChar c : program)
        plain = plain && !reserved.contains(c);
    if (plain)
        return program;
    QString escaped;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            escaped += u'\\';
        escaped += c;
    }
    // A backslash in a desktop entry's string is itself escaped once more.
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + escaped + u'"';
}

// The Exec line's program, as entry() wrote it.
std::optional<QString> programOf(const QByteArray& text) {
    for (const QByteArray& line : text.split('\n'))
        if (line.startsWith("Exec=")) {
            QString exec = QString::fromUtf8(line.mid(5)).trimmed();
            if (exec.endsWith(QStringLiteral(" --login")))
                exec.chop(8);
            if (exec.startsWith(u'"') && exec.endsWith(u'"') && exec.size() >= 2) {
                exec = exec.mid(1, exec.size() - 2);
                exec.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
                QString unescaped;
                for (qsizetype i = 0; i < exec.size(); ++i) {
                    if (exec[i] == u'\\' && i + 1 < exec.size())
                        ++i;
                    unescaped += exec[i];
                }
                exec = unescaped;
            }
            return exec;
        }
    return std::nullopt;
}

} // namespace

LoginItem::LoginItem(bool isLive, QString program, QObject* parent)
    : QObject(parent), m_isLive(isLive),
      m_program(program.isEmpty() ? QCoreApplication::applicationFilePath() : std::move(program)) {
    if (m_isLive)
        m_status = readStatus();
}

QString LoginItem::entryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/app.stowly.Stowly.desktop");
}

QByteArray LoginItem::entry(const QString& program) {
    return QByteArrayLiteral("[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Stowly\n"
                             "Comment=Notices camera cards as they are plugged in\n"
                             "Exec=") +
           quotedForExec(program).toUtf8() +
           QByteArrayLiteral(" --login\n"
                             "Icon=app.stowly.Stowly\n"
                             "Terminal=false\n"
                             "X-GNOME-Autostart-enabled=true\n");
}

LoginItem::Status LoginItem::readStatus() const {
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return Status::notRegistered;
    const QByteArray text = file.readAll();
    // A desktop's own switch hides an entry rather than deleting it.
    if (text.contains("\nHidden=true") || text.contains("\nX-GNOME-Autostart-enabled=false"))
        return Status::notRegistered;
    const std::optional<QString> program = programOf(text);
    if (!program || !QFileInfo(*program).isExecutable())
        return Status::notFound;
    return Status::enabled;
}

void LoginItem::set(bool on) {
    if (!m_isLive) {
        m_status = on ? Status::enabled : Status::notRegistered;
        Q_EMIT changed();
        return;
    }
    m_lastError.reset();
    const QString path = entryPath();
    if (on) {
        std::optional<QString> failure = AtomicFile::makeFolder(QFileInfo(path).absolutePath());
        if (!failure)
            failure = AtomicFile::write(path, entry(m_program));
        if (failure)
            m_lastError = tr("Stowly couldn’t add itself to the programs that start at login: %1")
                              .arg(*failure);
    } else if (QFileInfo::exists(path) && !QFile::remove(path)) {
        m_lastError =
            tr("Stowly couldn’t remove itself from the programs that start at login: %1 can’t be "
               "deleted.")
                .arg(path);
    }
    if (m_lastError)
        Log::info(Log::Category::app, *m_lastError);
    m_status = readStatus();
    Q_EMIT changed();
}

} // namespace stowly
