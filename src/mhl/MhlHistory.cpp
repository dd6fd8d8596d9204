#include "mhl/MhlHistory.h"

#include "base/FileNames.h"
#include "copy/AtomicFile.h"
#include "copy/C4.h"
#include "mhl/ManifestXml.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QUuid>

namespace stowly {
namespace {

QString historyFolder(const QString& scope) {
    return scope + u'/' + MhlHistory::folderName();
}

std::variant<QByteArray, QString> readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("MhlHistory", "Couldn’t read %1: %2.")
            .arg(QFileInfo(path).fileName(), file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QCoreApplication::translate("MhlHistory", "Couldn’t read %1: %2.")
            .arg(QFileInfo(path).fileName(), file.errorString());
    return bytes;
}

} // namespace

bool MhlHistory::exists(const QString& scope) {
    return QFileInfo(historyFolder(scope)).isDir();
}

std::variant<MhlHistory, QString> MhlHistory::load(const QString& scope) {
    MhlHistory history;
    history.m_scope = QDir::cleanPath(scope);
    const QString folder = historyFolder(history.m_scope);
    const QString chainPath = folder + u'/' + chainFileName();
    if (!QFileInfo::exists(chainPath)) {
        // Manifests without their chain cannot be checked, and a new chain would disown them.
        if (!QDir(folder).entryList({QStringLiteral("*.mhl")}, QDir::Files).isEmpty())
            return QCoreApplication::translate("MhlHistory",
                                               "The ASC MHL history in %1 has manifests but no "
                                               "%2.")
                .arg(folder, chainFileName());
        return history;
    }
    auto chainBytes = readAll(chainPath);
    if (const QString* problem = std::get_if<QString>(&chainBytes))
        return *problem;
    auto chain = MhlChain::fromXml(std::get<QByteArray>(chainBytes), chainFileName());
    if (const QString* problem = std::get_if<QString>(&chain))
        return *problem;
    history.m_chain = std::get<MhlChain>(std::move(chain));
    for (const MhlChain::Link& link : history.m_chain.links) {
        auto bytes = readAll(folder + u'/' + link.path);
        if (const QString* problem = std::get_if<QString>(&bytes))
            return *problem;
        if (C4::id(std::get<QByteArray>(bytes)) != link.c4)
            return QCoreApplication::translate("MhlHistory",
                                               "%1 was changed after it was written: its C4 id "
                                               "isn’t the one %2 holds.")
                .arg(link.path, chainFileName());
        auto manifest = ManifestXml::read(std::get<QByteArray>(bytes), link.path);
        if (const QString* problem = std::get_if<QString>(&manifest))
            return *problem;
        history.m_generations.append(
            {link.sequenceNumber, link.path, std::get<MhlManifest>(std::move(manifest))});
    }
    return history;
}

QString MhlHistory::generationFileName(int number, const QString& folderName,
                                       const QDateTime& startedAt) {
    return QStringLiteral("%1_%2_%3Z.mhl")
        .arg(number, 4, 10, QLatin1Char('0'))
        .arg(folderName, startedAt.toUTC().toString(QStringLiteral("yyyy-MM-dd_HHmmss")));
}

QList<MhlManifest::File> MhlHistory::recordedFiles() const {
    QMap<QString, MhlManifest::File> latest;
    for (const Generation& generation : m_generations)
        for (const MhlManifest::File& file : generation.manifest.files) {
            // A failed verification records what was found, not what the file should hold:
            // the values to check against stay those recorded before.
            MhlManifest::File good = file;
            good.hashes.removeIf([](const MhlManifest::Hash& hash) {
                return hash.action == MhlManifest::Action::failed;
            });
            if (good.hashes.isEmpty())
                continue;
            if (latest.contains(file.path) && !good.size)
                good.size = latest[file.path].size;
            latest[file.path] = good;
        }
    return latest.values();
}

QStringList MhlHistory::ignorePatterns() const {
    return m_generations.isEmpty() ? QStringList() : m_generations.last().manifest.ignorePatterns;
}

std::optional<QString> MhlHistory::takeInLeftManifest() {
    const QString folder = historyFolder(m_scope);
    const int number = int(m_chain.links.size()) + 1;
    const QString prefix = QStringLiteral("%1_").arg(number, 4, 10, QLatin1Char('0'));
    for (const QString& name :
         QDir(folder).entryList({prefix + QStringLiteral("*.mhl")}, QDir::Files, QDir::Name)) {
        auto bytes = readAll(folder + u'/' + name);
        if (const QString* problem = std::get_if<QString>(&bytes))
            return *problem;
        auto manifest = ManifestXml::read(std::get<QByteArray>(bytes), name);
        if (std::holds_alternative<QString>(manifest))
            return QCoreApplication::translate("MhlHistory",
                                               "The ASC MHL history in %1 holds %2, which its "
                                               "chain doesn’t list and which isn’t a manifest "
                                               "Stowly can read, so it adds no generation beside "
                                               "it.")
                .arg(folder, name);
        MhlChain chain = m_chain;
        chain.links.append({number, name, C4::id(std::get<QByteArray>(bytes))});
        if (auto failure = AtomicFile::write(folder + u'/' + chainFileName(), chain.toXml()))
            return failure;
        m_chain = chain;
        m_generations.append({number, name, std::get<MhlManifest>(std::move(manifest))});
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> MhlHistory::append(const MhlManifest& manifest, const QDateTime& startedAt) {
    const QString folder = historyFolder(m_scope);
    if (auto failure = AtomicFile::makeFolder(folder))
        return failure;
    if (auto failure = takeInLeftManifest())
        return failure;
    const int number = int(m_chain.links.size()) + 1;
    const QString name = generationFileName(number, QFileInfo(m_scope).fileName(), startedAt);
    const QByteArray bytes = ManifestXml::write(manifest);
    // Written whole under a name of its own, then moved to a name that must still be free.
    const QString temporary =
        folder +
        QStringLiteral("/.%1.%2.tmp").arg(name, QUuid::createUuid().toString(QUuid::Id128));
    if (auto failure = AtomicFile::write(temporary, bytes))
        return failure;
    if (auto failure = AtomicFile::moveNoReplace(temporary, folder + u'/' + name)) {
        QFile::remove(temporary);
        return failure;
    }
    MhlChain chain = m_chain;
    chain.links.append({number, name, C4::id(bytes)});
    // The chain's write flushes the folder, and with it the manifest's new name.
    if (auto failure = AtomicFile::write(folder + u'/' + chainFileName(), chain.toXml())) {
        // A manifest the chain does not list would stand in the way of the next generation.
        QFile::remove(folder + u'/' + name);
        return failure;
    }
    m_chain = chain;
    m_generations.append({number, name, manifest});
    return std::nullopt;
}

} // namespace stowly
