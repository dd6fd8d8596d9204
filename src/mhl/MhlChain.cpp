#include "mhl/MhlChain.h"

#include "copy/HashFormat.h"
#include "mhl/ManifestXml.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace stowly {
namespace {

const QString ns = QStringLiteral("urn:ASC:MHL:DIRECTORY:v2.0");

} // namespace

QByteArray MhlChain::toXml() const {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(ns);
    xml.writeStartElement(ns, QStringLiteral("ascmhldirectory"));
    for (const Link& link : links) {
        xml.writeStartElement(QStringLiteral("hashlist"));
        xml.writeAttribute(QStringLiteral("sequencenr"), QString::number(link.sequenceNumber));
        xml.writeTextElement(QStringLiteral("path"), link.path);
        xml.writeTextElement(QStringLiteral("c4"), link.c4);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    // A last line like any text file's.
    bytes += '\n';
    return bytes;
}

std::variant<MhlChain, QString> MhlChain::fromXml(const QByteArray& bytes,
                                                  const QString& fileName) {
    QXmlStreamReader xml(bytes);
    MhlChain chain;
    QString problem;
    const auto fail = [&](const QString& what) {
        if (problem.isEmpty())
            problem = QCoreApplication::translate("MhlChain",
                                                  "%1 isn’t a valid ASC MHL chain (line %2: %3).")
                          .arg(fileName)
                          .arg(xml.lineNumber())
                          .arg(what);
    };
    const auto element = [&] {
        if (!xml.readNextStartElement())
            return false;
        if (xml.namespaceUri() != ns) {
            fail(
                QCoreApplication::translate("MhlChain", "unexpected element “%1”").arg(xml.name()));
            return false;
        }
        return true;
    };
    if (!element() || xml.name() != u"ascmhldirectory")
        fail(QCoreApplication::translate("MhlChain", "it is no ASC MHL chain"));
    while (problem.isEmpty() && element()) {
        if (xml.name() != u"hashlist") {
            fail(
                QCoreApplication::translate("MhlChain", "unexpected element “%1”").arg(xml.name()));
            break;
        }
        Link link;
        bool isNumber = false;
        link.sequenceNumber = xml.attributes().value(QStringLiteral("sequencenr")).toInt(&isNumber);
        while (problem.isEmpty() && element()) {
            if (xml.name() == u"path")
                link.path = xml.readElementText().trimmed();
            else if (xml.name() == u"c4")
                link.c4 = xml.readElementText().trimmed();
            else
                fail(QCoreApplication::translate("MhlChain", "unexpected element “%1”")
                         .arg(xml.name()));
        }
        if (!isNumber || link.sequenceNumber != chain.links.size() + 1)
            fail(QCoreApplication::translate("MhlChain", "the generations don’t run 1, 2, 3…"));
        else if (!ManifestXml::isSafePath(link.path) || link.path.contains(u'/') ||
                 !hashFormat::decode(HashFormat::c4, link.c4))
            fail(QCoreApplication::translate("MhlChain",
                                             "generation %1 lacks its file name or its C4 id")
                     .arg(link.sequenceNumber));
        chain.links.append(link);
    }
    while (problem.isEmpty() && !xml.atEnd() && !xml.hasError())
        xml.readNext();
    if (problem.isEmpty() && xml.hasError())
        fail(xml.errorString());
    if (!problem.isEmpty())
        return problem;
    return chain;
}

} // namespace stowly
