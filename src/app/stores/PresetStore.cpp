#include "app/stores/PresetStore.h"

#include "app/stores/JsonFields.h"
#include "app/stores/ListMove.h"
#include "base/AppFolders.h"

#include <QJsonArray>

namespace stowly {
namespace {

QString baseName(const QString& name) {
    const QString trimmed = name.trimmed();
    return trimmed.isEmpty() ? OffloadPreset::untitledName : trimmed;
}

} // namespace

PresetStore::PresetStore(std::optional<QString> filePath, QList<OffloadPreset> presets,
                         std::optional<QUuid> activeID, QObject* parent)
    : QObject(parent), m_presets(std::move(presets)), m_activeID(activeID),
      m_file(std::move(filePath), tr("Couldn’t read your presets: %1"),
             tr("Couldn’t save your presets: %1.")) {
    load();
}

QString PresetStore::defaultFileURL() {
    return AppFolders::appSupport() + QStringLiteral("/presets.json");
}

void PresetStore::load() {
    m_file.load([this](const QJsonObject& object) -> std::optional<QString> {
        JsonFields fields(object, tr("the file"));
        const QJsonArray list = fields.array(QStringLiteral("presets"));
        if (!fields.ok())
            return fields.problem();
        auto presets = JsonFields::decodeList<OffloadPreset>(list, QStringLiteral("preset"));
        if (auto* problem = std::get_if<QString>(&presets))
            return *problem;
        m_presets = std::get<QList<OffloadPreset>>(std::move(presets));
        m_activeID = fields.optionalUuid(QStringLiteral("activeID"));
        if (indexOf(m_activeID.value_or(QUuid())) < 0)
            m_activeID.reset();
        return std::nullopt;
    });
}

void PresetStore::save() {
    QJsonArray list;
    for (const OffloadPreset& preset : m_presets)
        list.append(preset.toJson());
    QJsonObject content{{QStringLiteral("presets"), list}};
    if (m_activeID)
        content.insert(QStringLiteral("activeID"), JsonFields::uuidText(*m_activeID));
    m_file.save(content);
    Q_EMIT changed();
}

int PresetStore::indexOf(const QUuid& id) const {
    for (int i = 0; i < m_presets.size(); ++i)
        if (m_presets[i].id == id)
            return i;
    return -1;
}

std::optional<OffloadPreset> PresetStore::preset(const std::optional<QUuid>& id) const {
    const int index = id ? indexOf(*id) : -1;
    return index < 0 ? std::nullopt : std::optional<OffloadPreset>(m_presets[index]);
}

QString PresetStore::uniqueName(const QString& name, const std::optional<QUuid>& excluding) const {
    const auto taken = [&](const QString& candidate) {
        return std::any_of(m_presets.cbegin(), m_presets.cend(), [&](const OffloadPreset& other) {
            return other.id != excluding &&
                   other.displayName().compare(candidate, Qt::CaseInsensitive) == 0;
        });
    };
    QString candidate = name;
    for (int n = 2; taken(candidate); ++n)
        candidate = name + u' ' + QString::number(n);
    return candidate;
}

OffloadPreset PresetStore::add(const OffloadPreset& preset) {
    OffloadPreset stored = preset;
    stored.name = uniqueName(baseName(preset.name), preset.id);
    m_presets.append(stored);
    save();
    return stored;
}

void PresetStore::update(const OffloadPreset& preset) {
    const int index = indexOf(preset.id);
    if (index < 0 || m_presets[index] == preset)
        return;
    m_presets[index] = preset;
    save();
}

void PresetStore::edit(const QUuid& id, const std::function<void(OffloadPreset&)>& change) {
    const int index = indexOf(id);
    if (index < 0)
        return;
    OffloadPreset edited = m_presets[index];
    change(edited);
    edited.id = id;
    edited.name = m_presets[index].name;
    update(edited);
}

void PresetStore::rename(const QUuid& id, const QString& name) {
    const int index = indexOf(id);
    if (index < 0)
        return;
    const QString unique = uniqueName(baseName(name), id);
    if (m_presets[index].name == unique)
        return;
    m_presets[index].name = unique;
    save();
}

std::optional<OffloadPreset> PresetStore::duplicate(const QUuid& id) {
    std::optional<OffloadPreset> copy = preset(id);
    if (!copy)
        return std::nullopt;
    copy->id = QUuid::createUuid();
    copy->name = baseName(copy->name) + QStringLiteral(" Copy");
    return add(*copy);
}

void PresetStore::remove(const QUuid& id) {
    const int index = indexOf(id);
    if (index < 0)
        return;
    m_presets.removeAt(index);
    if (m_activeID == id)
        m_activeID.reset();
    save();
}

void PresetStore::move(const QList<int>& fromOffsets, int toOffset) {
    if (moveItems(m_presets, fromOffsets, toOffset))
        save();
}

void PresetStore::markActive(const std::optional<QUuid>& id) {
    const std::optional<QUuid> active = preset(id) ? id : std::nullopt;
    if (active == m_activeID)
        return;
    m_activeID = active;
    save();
}

} // namespace stowly
