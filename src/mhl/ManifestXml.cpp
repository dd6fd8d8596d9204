#include "mhl/ManifestXml.h"

#include <QCoreApplication>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace stowly {
namespace {

const QString ns = QStringLiteral("urn:ASC:MHL:v2.0");

QString dateText(const QDateTime& date) {
    return date.toUTC().toString(Qt::ISODate);
}

void writeHashes(QXmlStreamWriter& xml, QList<MhlManifest::Hash> hashes) {
    // The schema's order, whatever order the caller gave.
    std::stable_sort(hashes.begin(), hashes.end(),
                     [](const auto& a, const auto& b) { return a.format < b.format; });
    for (const MhlManifest::Hash& hash : hashes) {
        xml.writeStartElement(hashFormat::name(hash.format));
        if (hash.action)
            xml.writeAttribute(QStringLiteral("action"), MhlManifest::actionName(*hash.action));
        if (hash.hashDate)
            xml.writeAttribute(QStringLiteral("hashdate"), dateText(*hash.hashDate));
        xml.writeCharacters(hash.value);
        xml.writeEndElement();
    }
}

void writeDirectoryHashes(QXmlStreamWriter& xml, const MhlManifest::Directory& directory) {
    xml.writeStartElement(QStringLiteral("content"));
    writeHashes(xml, directory.content);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("structure"));
    writeHashes(xml, directory.structure);
    xml.writeEndElement();
}

// A reader that stops at the first problem and remembers it.
class Reader {
    Q_DECLARE_TR_FUNCTIONS(ManifestXml)

public:
    Reader(const QByteArray& bytes, const QString& fileName) : m_xml(bytes), m_fileName(fileName) {}

    std::variant<MhlManifest, QString> read() {
        MhlManifest manifest;
        if (!nextElement() || m_xml.name() != u"hashlist" || m_xml.namespaceUri() != ns)
            return failure(tr("it is no ASC MHL hashlist"));
        if (m_xml.attributes().value(QStringLiteral("version")) != u"2.0")
            return failure(tr("it is not of version 2.0"));
        bool sawCreator = false, sawProcess = false;
        while (ok() && nextElement()) {
            const QStringView name = m_xml.name();
            if (name == u"creatorinfo" && !sawCreator) {
                sawCreator = true;
                readCreator(manifest);
            } else if (name == u"processinfo" && sawCreator && !sawProcess) {
                sawProcess = true;
                readProcess(manifest);
            } else if (name == u"hashes" && sawProcess) {
                readHashes(manifest);
            } else if (name == u"metadata" && sawProcess) {
                m_xml.skipCurrentElement();
            } else if (name == u"references" && sawProcess) {
                readReferences(manifest);
            } else {
                unexpected();
            }
        }
        // Nothing but comments and space may follow.
        while (ok() && !m_xml.atEnd() && !m_xml.hasError())
            m_xml.readNext();
        if (ok() && m_xml.hasError())
            fail(m_xml.errorString());
        if (ok() && !sawProcess)
            fail(tr("creatorinfo or processinfo is missing"));
        if (!ok())
            return *m_problem;
        return manifest;
    }

private:
    bool ok() const { return !m_problem; }

    void fail(const QString& what) {
        if (m_problem)
            return;
        m_problem = QCoreApplication::translate("ManifestXml", "%1 isn’t a valid ASC MHL manifest "
                                                               "(line %2: %3).")
                        .arg(m_fileName)
                        .arg(m_xml.lineNumber())
                        .arg(what);
    }

    std::variant<MhlManifest, QString> failure(const QString& what) {
        fail(m_xml.hasError() ? m_xml.errorString() : what);
        return *m_problem;
    }

    void unexpected() {
        fail(QCoreApplication::translate("ManifestXml", "unexpected element “%1”")
                 .arg(m_xml.name()));
    }

    // The next child element of the current one; false at its end or on an error.
    bool nextElement() {
        if (!ok())
            return false;
        if (!m_xml.readNextStartElement()) {
            if (m_xml.hasError())
                fail(m_xml.errorString());
            return false;
        }
        if (m_xml.namespaceUri() != ns) {
            unexpected();
            return false;
        }
        return true;
    }

    QString text() {
        const QString value = m_xml.readElementText();
        if (m_xml.hasError())
            fail(m_xml.errorString());
        return value;
    }

    std::optional<QDateTime> date(QStringView value) {
        const QDateTime date = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
        if (!date.isValid()) {
            fail(QCoreApplication::translate("ManifestXml", "“%1” is no date").arg(value));
            return std::nullopt;
        }
        return date.toUTC();
    }

    std::optional<QDateTime> dateAttribute(const QXmlStreamAttributes& attributes,
                                           const QString& name) {
        if (!attributes.hasAttribute(name))
            return std::nullopt;
        return date(attributes.value(name));
    }

    void readCreator(MhlManifest& manifest) {
        bool sawDate = false, sawHost = false, sawTool = false;
        while (nextElement()) {
            const QStringView name = m_xml.name();
            if (name == u"creationdate") {
                sawDate = true;
                if (auto value = date(text()))
                    manifest.creationDate = *value;
            } else if (name == u"hostname") {
                sawHost = true;
                manifest.hostName = text();
            } else if (name == u"tool") {
                sawTool = true;
                manifest.toolVersion =
                    m_xml.attributes().value(QStringLiteral("version")).toString();
                manifest.toolName = text();
            } else if (name == u"comment") {
                manifest.comment = text();
            } else if (name == u"author" || name == u"location") {
                m_xml.skipCurrentElement();
            } else {
                unexpected();
            }
        }
        if (ok() && !(sawDate && sawHost && sawTool))
            fail(tr("creatorinfo lacks its creation date, host name or tool"));
    }

    void readProcess(MhlManifest& manifest) {
        bool sawProcess = false;
        while (nextElement()) {
            const QStringView name = m_xml.name();
            if (name == u"process") {
                sawProcess = true;
                const QString value = text();
                if (value == u"in-place")
                    manifest.process = MhlManifest::Process::inPlace;
                else if (value == u"transfer")
                    manifest.process = MhlManifest::Process::transfer;
                else if (value == u"flatten")
                    manifest.process = MhlManifest::Process::flatten;
                else
                    fail(QCoreApplication::translate("ManifestXml", "no process “%1”").arg(value));
            } else if (name == u"roothash") {
                MhlManifest::Directory root;
                readDirectoryBody(root, /*withPath=*/false);
                manifest.rootHash = root;
            } else if (name == u"ignore") {
                while (nextElement()) {
                    if (m_xml.name() == u"pattern")
                        manifest.ignorePatterns.append(text());
                    else
                        unexpected();
                }
            } else {
                unexpected();
            }
        }
        if (ok() && !sawProcess)
            fail(tr("processinfo lacks its process"));
    }

    std::optional<MhlManifest::Hash> readHash(bool forFile) {
        const auto format = hashFormat::fromName(m_xml.name());
        if (!format) {
            unexpected();
            return std::nullopt;
        }
        MhlManifest::Hash hash;
        hash.format = *format;
        const QXmlStreamAttributes attributes = m_xml.attributes();
        if (attributes.hasAttribute(QStringLiteral("action"))) {
            const QStringView action = attributes.value(QStringLiteral("action"));
            if (action == u"original")
                hash.action = MhlManifest::Action::original;
            else if (action == u"verified")
                hash.action = MhlManifest::Action::verified;
            else if (action == u"failed")
                hash.action = MhlManifest::Action::failed;
            else
                fail(QCoreApplication::translate("ManifestXml", "no action “%1”").arg(action));
        } else if (forFile) {
            fail(tr("a file’s hash has no action"));
        }
        hash.hashDate = dateAttribute(attributes, QStringLiteral("hashdate"));
        hash.value = text().trimmed();
        if (ok() && !hashFormat::decode(hash.format, hash.value))
            fail(QCoreApplication::translate("ManifestXml", "“%1” is no %2 value")
                     .arg(hash.value, hashFormat::name(hash.format)));
        return hash;
    }

    // The hash elements that make up the current element.
    void readHashList(QList<MhlManifest::Hash>& hashes, bool forFile) {
        while (nextElement()) {
            if (auto hash = readHash(forFile)) {
                for (const auto& other : hashes)
                    if (other.format == hash->format)
                        fail(QCoreApplication::translate("ManifestXml", "%1 appears twice")
                                 .arg(hashFormat::name(hash->format)));
                hashes.append(*hash);
            }
        }
        if (ok() && hashes.isEmpty())
            fail(tr("a hash holds no value"));
    }

    QString readPath(const QString& kind) {
        const QString path = text();
        if (ok() && !ManifestXml::isSafePath(path))
            fail(QCoreApplication::translate("ManifestXml", "the %1 path “%2” leaves the folder")
                     .arg(kind, path));
        if (ok() && m_paths.contains(path))
            fail(QCoreApplication::translate("ManifestXml", "“%1” is recorded twice").arg(path));
        m_paths.insert(path);
        return path;
    }

    void readDirectoryBody(MhlManifest::Directory& directory, bool withPath) {
        bool sawContent = false, sawStructure = false;
        while (nextElement()) {
            const QStringView name = m_xml.name();
            if (withPath && name == u"path" && directory.path.isEmpty()) {
                directory.lastModificationDate =
                    dateAttribute(m_xml.attributes(), QStringLiteral("lastmodificationdate"));
                directory.path = readPath(tr("folder"));
            } else if (name == u"content" && !sawContent) {
                sawContent = true;
                readHashList(directory.content, false);
            } else if (name == u"structure" && sawContent && !sawStructure) {
                sawStructure = true;
                readHashList(directory.structure, false);
            } else if (withPath && (name == u"previousPath" || name == u"metadata")) {
                m_xml.skipCurrentElement();
            } else {
                unexpected();
            }
        }
        if (ok() && (!sawStructure || (withPath && directory.path.isEmpty())))
            fail(tr("a folder hash lacks its path, content or structure"));
    }

    void readFile(MhlManifest& manifest) {
        MhlManifest::File file;
        bool sawPath = false;
        while (nextElement()) {
            const QStringView name = m_xml.name();
            if (name == u"path" && !sawPath) {
                sawPath = true;
                const QXmlStreamAttributes attributes = m_xml.attributes();
                if (attributes.hasAttribute(QStringLiteral("size"))) {
                    bool isNumber = false;
                    file.size = attributes.value(QStringLiteral("size")).toLongLong(&isNumber);
                    if (!isNumber || *file.size < 0)
                        fail(tr("a size is no number"));
                }
                file.creationDate = dateAttribute(attributes, QStringLiteral("creationdate"));
                file.lastModificationDate =
                    dateAttribute(attributes, QStringLiteral("lastmodificationdate"));
                file.path = readPath(tr("file"));
            } else if (sawPath && (name == u"previousPath" || name == u"metadata")) {
                m_xml.skipCurrentElement();
            } else if (sawPath) {
                if (auto hash = readHash(true)) {
                    for (const auto& other : file.hashes)
                        if (other.format == hash->format)
                            fail(QCoreApplication::translate("ManifestXml", "%1 appears twice")
                                     .arg(hashFormat::name(hash->format)));
                    file.hashes.append(*hash);
                }
            } else {
                unexpected();
            }
        }
        if (ok() && file.hashes.isEmpty())
            fail(tr("a file is recorded without a hash"));
        manifest.files.append(file);
    }

    void readHashes(MhlManifest& manifest) {
        while (nextElement()) {
            if (m_xml.name() == u"hash") {
                readFile(manifest);
            } else if (m_xml.name() == u"directoryhash") {
                MhlManifest::Directory directory;
                readDirectoryBody(directory, true);
                manifest.directories.append(directory);
            } else {
                unexpected();
            }
        }
    }

    void readReferences(MhlManifest& manifest) {
        while (nextElement()) {
            if (m_xml.name() != u"hashlistreference") {
                unexpected();
                continue;
            }
            MhlManifest::Reference reference;
            while (nextElement()) {
                if (m_xml.name() == u"path")
                    reference.path = text();
                else if (m_xml.name() == u"c4")
                    reference.c4 = text().trimmed();
                else
                    unexpected();
            }
            if (ok() && (!ManifestXml::isSafePath(reference.path) ||
                         !hashFormat::decode(HashFormat::c4, reference.c4)))
                fail(tr("a reference lacks a safe path or its C4 id"));
            manifest.references.append(reference);
        }
    }

    QXmlStreamReader m_xml;
    QString m_fileName;
    std::optional<QString> m_problem;
    QSet<QString> m_paths;
};

} // namespace

bool ManifestXml::isSafePath(QStringView path) {
    if (path.isEmpty() || path.startsWith(u'/') || path.contains(u'\\') || path.contains(QChar(0)))
        return false;
    for (const QStringView part : path.split(u'/'))
        if (part.isEmpty() || part == u"." || part == u"..")
            return false;
    return true;
}

QByteArray ManifestXml::write(const MhlManifest& manifest) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(ns);
    xml.writeStartElement(ns, QStringLiteral("hashlist"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));

    xml.writeStartElement(QStringLiteral("creatorinfo"));
    xml.writeTextElement(QStringLiteral("creationdate"), dateText(manifest.creationDate));
    xml.writeTextElement(QStringLiteral("hostname"), manifest.hostName);
    xml.writeStartElement(QStringLiteral("tool"));
    xml.writeAttribute(QStringLiteral("version"), manifest.toolVersion);
    xml.writeCharacters(manifest.toolName);
    xml.writeEndElement();
    if (!manifest.comment.isEmpty())
        xml.writeTextElement(QStringLiteral("comment"), manifest.comment);
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("processinfo"));
    xml.writeTextElement(QStringLiteral("process"), MhlManifest::processName(manifest.process));
    if (manifest.rootHash) {
        xml.writeStartElement(QStringLiteral("roothash"));
        writeDirectoryHashes(xml, *manifest.rootHash);
        xml.writeEndElement();
    }
    if (!manifest.ignorePatterns.isEmpty()) {
        xml.writeStartElement(QStringLiteral("ignore"));
        for (const QString& pattern : manifest.ignorePatterns)
            xml.writeTextElement(QStringLiteral("pattern"), pattern);
        xml.writeEndElement();
    }
    xml.writeEndElement();

    if (!manifest.files.isEmpty() || !manifest.directories.isEmpty()) {
        xml.writeStartElement(QStringLiteral("hashes"));
        for (const MhlManifest::File& file : manifest.files) {
            xml.writeStartElement(QStringLiteral("hash"));
            xml.writeStartElement(QStringLiteral("path"));
            if (file.size)
                xml.writeAttribute(QStringLiteral("size"), QString::number(*file.size));
            if (file.creationDate)
                xml.writeAttribute(QStringLiteral("creationdate"), dateText(*file.creationDate));
            if (file.lastModificationDate)
                xml.writeAttribute(QStringLiteral("lastmodificationdate"),
                                   dateText(*file.lastModificationDate));
            xml.writeCharacters(file.path);
            xml.writeEndElement();
            writeHashes(xml, file.hashes);
            xml.writeEndElement();
        }
        for (const MhlManifest::Directory& directory : manifest.directories) {
            xml.writeStartElement(QStringLiteral("directoryhash"));
            xml.writeStartElement(QStringLiteral("path"));
            if (directory.lastModificationDate)
                xml.writeAttribute(QStringLiteral("lastmodificationdate"),
                                   dateText(*directory.lastModificationDate));
            xml.writeCharacters(directory.path);
            xml.writeEndElement();
            writeDirectoryHashes(xml, directory);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    if (!manifest.references.isEmpty()) {
        xml.writeStartElement(QStringLiteral("references"));
        for (const MhlManifest::Reference& reference : manifest.references) {
            xml.writeStartElement(QStringLiteral("hashlistreference"));
            xml.writeTextElement(QStringLiteral("path"), reference.path);
            xml.writeTextElement(QStringLiteral("c4"), reference.c4);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    // A last line like any text file's.
    bytes += '\n';
    return bytes;
}

std::variant<MhlManifest, QString> ManifestXml::read(const QByteArray& bytes,
                                                     const QString& fileName) {
    return Reader(bytes, fileName).read();
}

} // namespace stowly
