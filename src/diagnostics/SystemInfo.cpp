#include "diagnostics/SystemInfo.h"

#include "base/PlatformWords.h"

#include <QFile>
#include <QHash>

#ifndef STOWLY_VERSION
#define STOWLY_VERSION ""
#endif
#ifndef STOWLY_BUILD_NUMBER
#define STOWLY_BUILD_NUMBER ""
#endif

namespace stowly {
namespace {

// System files are small; the cap keeps a strange one from filling memory.
constexpr qint64 maxFactBytes = 1024 * 1024;

QByteArray readSmallFile(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(maxFactBytes);
}

QString cleanValue(const QByteArray& bytes) {
    // Device-tree values end in NUL; firmware pads with spaces.
    QByteArray value = bytes;
    const qsizetype nul = value.indexOf('\0');
    if (nul >= 0)
        value.truncate(nul);
    return QString::fromUtf8(value).simplified();
}

QString unquote(const QString& raw) {
    if (raw.size() >= 2 && (raw.front() == u'"' || raw.front() == u'\'') &&
        raw.back() == raw.front()) {
        const QStringView inner = QStringView(raw).mid(1, raw.size() - 2);
        if (raw.front() == u'\'')
            return inner.toString();
        QString value;
        for (qsizetype i = 0; i < inner.size(); ++i) {
            if (inner[i] == u'\\' && i + 1 < inner.size())
                ++i;
            value += inner[i];
        }
        return value;
    }
    return raw;
}

QHash<QString, QString> osReleaseFields(const QStringList& candidates) {
    QHash<QString, QString> fields;
    for (const QString& path : candidates) {
        const QByteArray content = readSmallFile(path);
        if (content.isEmpty())
            continue;
        for (const QByteArray& rawLine : content.split('\n')) {
            const QString line = QString::fromUtf8(rawLine).trimmed();
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const qsizetype equals = line.indexOf(u'=');
            if (equals <= 0)
                continue;
            fields.insert(line.left(equals), unquote(line.mid(equals + 1)).trimmed());
        }
        break;
    }
    return fields;
}

QString distribution(const QStringList& candidates) {
    const QHash<QString, QString> fields = osReleaseFields(candidates);
    QString name = fields.value(QStringLiteral("NAME"));
    if (name.isEmpty())
        name = fields.value(QStringLiteral("ID"));
    const QString version = fields.value(QStringLiteral("VERSION_ID"));
    if (name.isEmpty())
        return version;
    return version.isEmpty() ? name : name + u' ' + version;
}

QString firstCpuModel(const QString& path) {
    const QByteArray content = readSmallFile(path);
    for (const QByteArray& rawLine : content.split('\n')) {
        const qsizetype colon = rawLine.indexOf(':');
        if (colon < 0 || rawLine.left(colon).trimmed() != "model name")
            continue;
        const QString value = cleanValue(rawLine.mid(colon + 1));
        if (!value.isEmpty())
            return value;
    }
    return {};
}

QString orQuestionMark(const QString& text) {
    return text.isEmpty() ? QStringLiteral("?") : text;
}

} // namespace

SystemInfo::Sources SystemInfo::Sources::system() {
    return {
        .appVersion = QStringLiteral(STOWLY_VERSION),
        .build = QStringLiteral(STOWLY_BUILD_NUMBER),
        .osRelease = {QStringLiteral("/etc/os-release"), QStringLiteral("/usr/lib/os-release")},
        .kernelRelease = QStringLiteral("/proc/sys/kernel/osrelease"),
        .model = {QStringLiteral("/sys/class/dmi/id/product_name"),
                  QStringLiteral("/sys/firmware/devicetree/base/model")},
        .cpuInfo = QStringLiteral("/proc/cpuinfo"),
    };
}

SystemInfo SystemInfo::current() {
    static const SystemInfo info = read(Sources::system());
    return info;
}

SystemInfo SystemInfo::read(const Sources& sources) {
    SystemInfo info;
    info.appVersion = orQuestionMark(sources.appVersion.trimmed());
    info.build = orQuestionMark(sources.build.trimmed());

    const QString kernel = cleanValue(readSmallFile(sources.kernelRelease));
    const QString distro = distribution(sources.osRelease);
    if (!kernel.isEmpty() && !distro.isEmpty())
        info.osVersion = kernel + QStringLiteral(" (") + distro + u')';
    else
        info.osVersion = orQuestionMark(kernel.isEmpty() ? distro : kernel);

    for (const QString& path : sources.model) {
        info.model = cleanValue(readSmallFile(path));
        if (!info.model.isEmpty())
            break;
    }
    if (info.model.isEmpty())
        info.model = platformWords::unknownMachine();

    info.chip = firstCpuModel(sources.cpuInfo);
    if (info.chip.isEmpty())
        info.chip = platformWords::unknownChip();
    return info;
}

QString SystemInfo::launchDescription() const {
    return QStringLiteral("Stowly ") + appVersion + QStringLiteral(" (") + build +
           QStringLiteral("), ") + platformWords::systemName() + u' ' + osVersion;
}

QString SystemInfo::launchedMessage() const {
    return QStringLiteral("Stowly ") + launchDescription() + QStringLiteral(" launched");
}

} // namespace stowly
