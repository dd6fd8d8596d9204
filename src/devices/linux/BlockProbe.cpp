#include "devices/linux/BlockProbe.h"

#include "devices/CommandRunning.h"

namespace stowly {

std::optional<ProbedFileSystem> BlockProbe::probe(CommandRunning& runner,
                                                  const QString& devicePath) {
    // -p probes the device itself rather than a cache that may predate an erase.
    const CommandResult result =
        runner.run(QStringLiteral("blkid"),
                   {QStringLiteral("-p"), QStringLiteral("-o"), QStringLiteral("udev"), devicePath},
                   std::chrono::seconds(15));
    if (!result.succeeded())
        return std::nullopt;
    ProbedFileSystem probed = parse(result.output);
    if (!probed.type && !probed.label && !probed.uuid)
        return std::nullopt;
    return probed;
}

ProbedFileSystem BlockProbe::parse(const QByteArray& output) {
    ProbedFileSystem probed;
    std::optional<QString> plainLabel;
    for (const QByteArray& line : output.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray key = line.first(eq).trimmed();
        const QByteArray value = line.sliced(eq + 1);
        if (value.isEmpty())
            continue;
        if (key == "ID_FS_TYPE")
            probed.type = QString::fromUtf8(value);
        else if (key == "ID_FS_VERSION")
            probed.version = QString::fromUtf8(value);
        else if (key == "ID_FS_LABEL_ENC")
            probed.label = decodeUdevString(value);
        else if (key == "ID_FS_LABEL")
            plainLabel = QString::fromUtf8(value);
        else if (key == "ID_FS_UUID")
            probed.uuid = QString::fromUtf8(value);
    }
    // The plain label has spaces turned into "_": only a stand-in when the exact one is missing.
    if (!probed.label)
        probed.label = plainLabel;
    return probed;
}

QString BlockProbe::decodeUdevString(QByteArrayView encoded) {
    QByteArray bytes;
    bytes.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '\\' && i + 3 < encoded.size() && encoded[i + 1] == 'x') {
            bool ok = false;
            const int value = QByteArray(encoded.sliced(i + 2, 2).data(), 2).toInt(&ok, 16);
            if (ok) {
                bytes.append(char(value));
                i += 3;
                continue;
            }
        }
        bytes.append(encoded[i]);
    }
    return QString::fromUtf8(bytes);
}

} // namespace stowly
