#include "cli/CliHarness.h"

#include <QDirIterator>

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

QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(folder.size() + 1);
    files.sort();
    return files;
}

QStringList paths(const QJsonArray& clips) {
    QStringList list;
    for (const QJsonValue& clip : clips)
        list << (clip.isString() ? clip.toString() : clip.toObject().value("path").toString());
    return list;
}

} // namespace stowly::test
