#include "app/stores/OffloadPreset.h"

#include "app/stores/JsonFields.h"
#include "media/QuickDump.h"
#include "naming/TemplateDescription.h"

#include <QCoreApplication>
#include <QStringList>

#include <limits>

namespace stowly {

QString OffloadPreset::summary() const {
    const QString folder = quickDump ? QuickDump::folderTemplate(folderTemplate) : folderTemplate;
    const QString levels = TemplateDescription::levels(folder);
    QStringList parts{levels.isEmpty() ? QCoreApplication::translate("OffloadPreset", "No folders")
                                       : levels};
    if (quickDump)
        parts << QCoreApplication::translate("OffloadPreset", "Quick dump");
    parts
        << (skipShortClips
                ? QCoreApplication::translate("OffloadPreset", "Skips < %1 s").arg(shortClipSeconds)
                : QCoreApplication::translate("OffloadPreset", "Keeps short clips"));
    return parts.join(QStringLiteral(" · "));
}

QString OffloadPreset::displayName() const {
    const QString trimmed = name.trimmed();
    return trimmed.isEmpty() ? untitledName : trimmed;
}

QJsonObject OffloadPreset::toJson() const {
    QJsonObject object{
        {QStringLiteral("id"), JsonFields::uuidText(id)},
        {QStringLiteral("name"), name},
        {QStringLiteral("folderTemplate"), folderTemplate},
        {QStringLiteral("fileTemplate"), fileTemplate},
        {QStringLiteral("skipShortClips"), skipShortClips},
        {QStringLiteral("shortClipSeconds"), shortClipSeconds},
        {QStringLiteral("quickDump"), quickDump},
        {QStringLiteral("fileRules"), fileRules.toJson()},
    };
    if (destinationPath)
        object.insert(QStringLiteral("destinationPath"), *destinationPath);
    if (cameraID)
        object.insert(QStringLiteral("cameraID"), JsonFields::uuidText(*cameraID));
    return object;
}

std::variant<OffloadPreset, QString> OffloadPreset::fromJson(const QJsonObject& object,
                                                             const QString& what) {
    JsonFields fields(object, what);
    OffloadPreset preset;
    preset.id = fields.uuid(QStringLiteral("id"));
    preset.name = fields.text(QStringLiteral("name"));
    preset.destinationPath = fields.optionalText(QStringLiteral("destinationPath"));
    preset.folderTemplate = fields.text(QStringLiteral("folderTemplate"));
    preset.fileTemplate = fields.text(QStringLiteral("fileTemplate"));
    preset.cameraID = fields.optionalUuid(QStringLiteral("cameraID"));
    preset.skipShortClips = fields.flag(QStringLiteral("skipShortClips"));
    const qint64 seconds = fields.integer(QStringLiteral("shortClipSeconds"));
    if (seconds < std::numeric_limits<int>::min() || seconds > std::numeric_limits<int>::max())
        fields.fail(
            QCoreApplication::translate("OffloadPreset", "“shortClipSeconds” of %1 is too large")
                .arg(what));
    preset.shortClipSeconds = int(seconds);
    preset.quickDump = fields.flag(QStringLiteral("quickDump"));
    const QJsonObject rules = fields.object(QStringLiteral("fileRules"));
    if (fields.ok()) {
        if (const std::optional<FileRules> decoded = FileRules::fromJson(rules))
            preset.fileRules = *decoded;
        else
            fields.fail(QCoreApplication::translate(
                            "OffloadPreset", "“fileRules” of %1 lacks one of its three lists")
                            .arg(what));
    }
    if (!fields.ok())
        return *fields.problem();
    return preset;
}

} // namespace stowly
