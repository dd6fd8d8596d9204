#include "devices/linux/DesktopAutomounter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace stowly {
namespace {

constexpr std::array automounters = {"gvfs-udisks2-volume-monitor", "udiskie", "kded5", "kded6"};
// The kernel keeps only this many characters of a program's name.
constexpr qsizetype commLength = 15;

QByteArray readSmall(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

bool isAutomounter(QByteArrayView name, bool cut) {
    for (const char* known : automounters) {
        const QByteArrayView full(known);
        if (name == full || (cut && name.size() == commLength && full.startsWith(name)))
            return true;
    }
    return false;
}

QByteArray baseName(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

bool runsAutomounter(const QString& processFolder) {
    if (isAutomounter(readSmall(processFolder + QStringLiteral("/comm")).trimmed(), true))
        return true;
    const QList<QByteArray> arguments =
        readSmall(processFolder + QStringLiteral("/cmdline")).split('\0');
    if (arguments.isEmpty())
        return false;
    const QByteArray program = baseName(arguments.first());
    if (isAutomounter(program, false))
        return true;
    // A script started through its interpreter ("python3 /usr/bin/udiskie").
    return program.startsWith("python") && arguments.size() > 1 &&
           isAutomounter(baseName(arguments[1]), false);
}

} // namespace

bool DesktopAutomounter::isRunning(const QString& procFolder) {
    const QDir proc(procFolder);
    for (const QFileInfo& entry : proc.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isProcess = false;
        entry.fileName().toUInt(&isProcess);
        if (isProcess && runsAutomounter(entry.filePath()))
            return true;
    }
    return false;
}

} // namespace stowly
