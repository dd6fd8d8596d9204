#include "FuzzInput.h"

#include "base/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace fuzzInput {

namespace {
QTemporaryDir* scratch = nullptr;
QString inputFolder;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

void setUp() {
    if (scratch)
        return;
    scratch = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/stowly-fuzz-XXXXXX"));
    const QByteArray home = QFile::encodeName(scratch->path());
    // The user's settings, stores and log stay out of reach.
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                                 "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        ::setenv(variable, home.constData(), 1);
    static int argc = 1;
    static char name[] = "stowly-fuzz";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    qInstallMessageHandler(quiet);
    stowly::Log::setEchoToTerminal(false);
    stowly::Log::useFile(QString());
    inputFolder = scratch->path() + QStringLiteral("/input");
}

QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

QString freshFolder() {
    QDir(inputFolder).removeRecursively();
    QDir().mkpath(inputFolder);
    return inputFolder;
}

QString write(const QString& name, const QByteArray& content) {
    const QString path = inputFolder + u'/' + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

std::pair<QByteArray, QByteArray> split(const QByteArray& input) {
    const qsizetype cut = input.indexOf('\0');
    if (cut < 0)
        return {input, QByteArray()};
    return {input.left(cut), input.mid(cut + 1)};
}

} // namespace fuzzInput
