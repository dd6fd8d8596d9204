#include "cli/JsonOutput.h"

#include "devices/FormatReadiness.h"

#include "media/MediaCategory.h"
#include "session/OffloadSession.h"

#include <QHash>
#include <QJsonDocument>

namespace stowly {
namespace {

QJsonValue orNull(const std::optional<QString>& text) {
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

QJsonArray clips(const QList<Clip>& list, const OffloadSession& session,
                 const QHash<QString, MediaFacts>& facts) {
    QJsonArray array;
    for (const Clip& clip : list) {
        QJsonObject object = JsonOutput::clip(clip, session);
        object.insert(QStringLiteral("facts"), facts.value(clip.relativePath).toJson());
        array.append(object);
    }
    return array;
}

QJsonArray paths(const QList<Clip>& list) {
    QJsonArray array;
    for (const Clip& clip : list)
        array.append(clip.relativePath);
    return array;
}

} // namespace

QJsonObject JsonOutput::card(const CardVolume& card) {
    return {{"path", card.url}, {"name", card.name}, {"identity", card.volumeIdentity()}};
}

QJsonArray JsonOutput::cards(const QList<CardVolume>& cards,
                             const QList<DiskTool::UnmountedCard>& unmounted,
                             const QString& backend) {
    QJsonArray array;
    for (const CardVolume& c : cards) {
        QJsonObject object = card(c);
        object.insert("mounted", true);
        object.insert("backend", backend);
        array.append(object);
    }
    for (const DiskTool::UnmountedCard& c : unmounted)
        array.append(QJsonObject{{"path", QJsonValue::Null},
                                 {"name", c.name},
                                 {"identity", QJsonValue::Null},
                                 {"mounted", false},
                                 {"device", c.device},
                                 {"fileSystem", c.fileSystemType},
                                 {"size", c.size},
                                 {"backend", backend}});
    return array;
}

QJsonObject JsonOutput::clip(const Clip& clip, const OffloadSession& session) {
    const std::optional<double> duration = session.duration(clip);
    return {
        {"path", clip.relativePath},
        {"size", clip.size},
        {"category", mediaCategory::rawValue(
                         mediaCategory::classify(mediaCategory::extensionOf(clip.relativePath)))},
        {"role", fileRole::rawValue(session.fileRules().role(clip.fileName()))},
        {"duration", duration ? QJsonValue(*duration) : QJsonValue(QJsonValue::Null)},
    };
}

QJsonObject JsonOutput::scan(const OffloadSession& session, const std::optional<QString>& blocker,
                             const QHash<QString, MediaFacts>& facts) {
    const CardInventory& inventory = session.inventory();
    // The skipped short clips with their sidecars, in the card's order.
    QList<Clip> skipped;
    for (const Clip& clip : inventory.newFiles)
        if (session.skippedShort().ids.contains(clip.id()))
            skipped.append(clip);
    const QJsonObject selection{
        {"toCopy", paths(session.newClips())},
        {"skippedShort", paths(skipped)},
        {"outsideDates", session.outsideDatesCount()},
        {"alreadyOffloaded", session.alreadyOffloadedCount()},
        {"missingKept", session.missingCopyCount()},
    };
    QStringList unchecked;
    for (const Clip& clip : inventory.offloaded)
        if (inventory.uncheckedHere.contains(clip.id()))
            unchecked << clip.relativePath;
    return {
        {"card", card(session.card())},
        {"new", clips(inventory.newFiles, session, facts)},
        {"offloaded", clips(inventory.offloaded, session, facts)},
        // Offloaded by other stations to places this one can't see, so not checked here.
        {"uncheckedHere", QJsonArray::fromStringList(unchecked)},
        {"readyToErase", FormatReadiness(inventory, session.skippedShort()).allVerified()},
        {"missing", clips(inventory.missing, session, facts)},
        {"ignored", QJsonArray::fromStringList(inventory.ignored)},
        {"selection", selection},
        {"blocker", orNull(blocker)},
    };
}

QJsonObject JsonOutput::plan(const std::optional<QString>& destination,
                             const QList<PlannedFile>& files,
                             const std::optional<QString>& blocker) {
    QJsonArray array;
    for (const PlannedFile& file : files)
        array.append(QJsonObject{
            {"source", file.clip.relativePath},
            {"folder", file.folder},
            {"fileName", file.fileName},
            {"role", fileRole::rawValue(file.role)},
            {"sidecarOf", orNull(file.sidecarOf)},
        });
    return {{"destination", orNull(destination)}, {"files", array}, {"blocker", orNull(blocker)}};
}

QJsonObject JsonOutput::offload(const OffloadSummary& summary, const QList<HistoryEntry>& copies) {
    const auto readBackOf = [](const std::optional<ReadBack>& readBack) {
        return readBack ? QJsonValue(readBack::name(*readBack)) : QJsonValue();
    };
    QHash<QString, std::optional<ReadBack>> readBacks;
    for (const CopyOutcome& copy : summary.copies)
        if (!copy.failure)
            readBacks.insert(copy.path, copy.readBack);
    QJsonArray files;
    for (const HistoryEntry& entry : copies)
        files.append(QJsonObject{{"source", entry.sourceRelativePath},
                                 {"destination", entry.destinationPath},
                                 {"sha256", entry.sha256},
                                 {"readBack", readBackOf(readBacks.value(entry.destinationPath))}});
    // Every copy at every destination, failed ones with their reason.
    QJsonArray each;
    for (const CopyOutcome& copy : summary.copies)
        each.append(
            QJsonObject{{"source", copy.sourceRelativePath},
                        {"destinationRoot", copy.destination},
                        {"destination", copy.path},
                        {"verified", !copy.failure},
                        {"readBack", readBackOf(copy.readBack)},
                        {"error", copy.failure ? QJsonValue(*copy.failure) : QJsonValue()}});
    return {
        {"copied", summary.copied},
        {"skipped", summary.skipped},
        {"failed", summary.failed},
        {"cancelled", summary.cancelled},
        {"failures", QJsonArray::fromStringList(summary.failures)},
        {"leftOnRemovedCard", QJsonArray::fromStringList(summary.leftOnRemovedCard)},
        {"files", files},
        {"copies", each},
        {"recordFailures", QJsonArray::fromStringList(summary.recordFailures)},
        {"historyNotSaved", orNull(summary.historyNotSaved)},
        {"afterwardsFailed", orNull(summary.afterwardsFailed)},
    };
}

QJsonObject JsonOutput::cascade(int copied, qsizetype left,
                                const QList<CascadeQueue::Failure>& failures,
                                const QStringList& manifestFailures) {
    QJsonArray failed;
    for (const CascadeQueue::Failure& failure : failures)
        failed.append(QJsonObject{{"source", failure.item.first.sourceRelativePath},
                                  {"from", failure.item.first.destinationPath},
                                  {"destinationRoot", failure.root},
                                  {"error", failure.failure.description}});
    return {{"copied", copied},
            {"left", left},
            {"failed", failed},
            {"recordFailures", QJsonArray::fromStringList(manifestFailures)}};
}

QByteArray JsonOutput::text(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QByteArray JsonOutput::text(const QJsonArray& array) {
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace stowly
