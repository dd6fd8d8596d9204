#include "cli/CliHarness.h"

#include "support/FaultPreload.h"

#include <QFile>

#include <cerrno>

namespace stowly::test {
namespace {

QProcessEnvironment environmentFor(const TempDir& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_DATA_HOME", home(".local/share"));
    environment.insert("XDG_CONFIG_HOME", home(".config"));
    environment.insert("XDG_STATE_HOME", home(".local/state"));
    environment.insert("XDG_CACHE_HOME", home(".cache"));
    return environment;
}

} // namespace

std::unique_ptr<QProcess> Cli::start(const QStringList& arguments) const {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = environmentFor(home);
    if (!systemBus.isEmpty())
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", systemBus);
    for (auto it = this->environment.cbegin(); it != this->environment.cend(); ++it)
        environment.insert(it.key(), it.value());
    process->setProcessEnvironment(environment);
    process->setProgram(QStringLiteral(STOWLY_BIN_DIR "/stowly-cli"));
    process->setArguments(arguments);
    process->start();
    process->waitForStarted();
    return process;
}

CliResult Cli::run(const QStringList& arguments) const {
    const auto process = start(arguments);
    process->closeWriteChannel();
    process->waitForFinished(120000);
    return {process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1,
            process->readAllStandardOutput(), process->readAllStandardError()};
}

QHash<QString, QString> cardWalkFaults(const QString& folder, const QString& points) {
    const QString preload = "/usr/lib/fiu/fiu_posix_preload.so";
    if (!QFile::exists(preload))
        return {};
    return {{"LD_PRELOAD", faultPreload({QStringLiteral(STOWLY_FAULT_MODULE), preload})},
            {"SOAK_FAULT_PROGRAM", "stowly-cli"},
            {"SOAK_FAULT_POINTS", points},
            {"SOAK_FAULT_PROBABILITY", "1"},
            {"SOAK_FAULT_ERRNOS", QString::number(EIO)},
            {"SOAK_FAULT_UNDER", folder},
            {"SOAK_FAULT_START", folder}};
}

QStringList paths(const QJsonArray& clips) {
    QStringList list;
    for (const QJsonValue& clip : clips)
        list << (clip.isString() ? clip.toString() : clip.toObject().value("path").toString());
    return list;
}

} // namespace stowly::test
