#pragma once

#include "app/stores/OffloadRule.h"
#include "app/stores/StoreFile.h"

#include <QList>
#include <QObject>

#include <optional>

namespace stowly {

// The rules that offload inserted cards on their own, in the order they are tried, kept in
// "rules.json". Every edit saves at once. Main thread only.
class RuleStore : public QObject {
    Q_OBJECT
public:
    // Without a file location everything stays in memory.
    explicit RuleStore(std::optional<QString> filePath, QList<OffloadRule> rules = {},
                       QObject* parent = nullptr);
    static QString defaultFileURL();

    const QList<OffloadRule>& rules() const { return m_rules; }
    const std::optional<QString>& lastError() const { return m_file.lastError(); }

    std::optional<OffloadRule> rule(const QUuid& id) const;
    // The first rule the card matches; `cardCamera` is the camera remembered for it.
    std::optional<OffloadRule> firstMatch(const CardVolume& card,
                                          const std::optional<QUuid>& cardCamera) const;

    void add(const OffloadRule& rule);
    // Replaces the rule with the same id, when there is one and it differs.
    void update(const OffloadRule& rule);
    void remove(const QUuid& id);
    void move(const QList<int>& fromOffsets, int toOffset);

Q_SIGNALS:
    void changed();

private:
    void load();
    void save();
    int indexOf(const QUuid& id) const;

    QList<OffloadRule> m_rules;
    StoreFile m_file;
};

} // namespace stowly
