#include "app/stores/RuleStore.h"

#include "app/stores/JsonFields.h"
#include "app/stores/ListMove.h"
#include "base/AppFolders.h"

#include <QJsonArray>

namespace stowly {

RuleStore::RuleStore(std::optional<QString> filePath, QList<OffloadRule> rules, QObject* parent)
    : QObject(parent), m_rules(std::move(rules)),
      m_file(std::move(filePath), tr("Couldn’t read your automatic offload rules: %1"),
             tr("Couldn’t save your automatic offload rules: %1.")) {
    load();
}

QString RuleStore::defaultFileURL() {
    return AppFolders::appSupport() + QStringLiteral("/rules.json");
}

void RuleStore::load() {
    m_file.load([this](const QJsonObject& object) -> std::optional<QString> {
        JsonFields fields(object, tr("the file"));
        const QJsonArray list = fields.array(QStringLiteral("rules"));
        if (!fields.ok())
            return fields.problem();
        auto rules = JsonFields::decodeList<OffloadRule>(list, QStringLiteral("rule"));
        if (auto* problem = std::get_if<QString>(&rules))
            return *problem;
        m_rules = std::get<QList<OffloadRule>>(std::move(rules));
        return std::nullopt;
    });
}

void RuleStore::save() {
    QJsonArray list;
    for (const OffloadRule& rule : m_rules)
        list.append(rule.toJson());
    m_file.save(QJsonObject{{QStringLiteral("rules"), list}});
    Q_EMIT changed();
}

int RuleStore::indexOf(const QUuid& id) const {
    for (int i = 0; i < m_rules.size(); ++i)
        if (m_rules[i].id == id)
            return i;
    return -1;
}

std::optional<OffloadRule> RuleStore::rule(const QUuid& id) const {
    const int index = indexOf(id);
    return index < 0 ? std::nullopt : std::optional(m_rules[index]);
}

std::optional<OffloadRule> RuleStore::firstMatch(const CardVolume& card,
                                                 const std::optional<QUuid>& cardCamera) const {
    for (const OffloadRule& rule : m_rules)
        if (rule.matches(card, cardCamera))
            return rule;
    return std::nullopt;
}

void RuleStore::add(const OffloadRule& rule) {
    m_rules.append(rule);
    save();
}

void RuleStore::update(const OffloadRule& rule) {
    const int index = indexOf(rule.id);
    if (index < 0 || m_rules[index] == rule)
        return;
    m_rules[index] = rule;
    save();
}

void RuleStore::remove(const QUuid& id) {
    const int index = indexOf(id);
    if (index < 0)
        return;
    m_rules.removeAt(index);
    save();
}

void RuleStore::move(const QList<int>& fromOffsets, int toOffset) {
    if (moveItems(m_rules, fromOffsets, toOffset))
        save();
}

} // namespace stowly
