#pragma once

#include "app/stores/OffloadRule.h"
#include "media/CardVolume.h"

#include <QObject>

#include <functional>
#include <map>
#include <optional>

namespace stowly {

class AppSettings;
class CameraStore;
class CardDesk;
class PresetOperations;
class PresetStore;
class RuleStore;
struct OffloadPreset;

// Offloads inserted cards by the rules, without asking anyone: a card that matches a rule waits
// for its scan, takes the rule's preset and project, and is handed to the queue like any other.
// Erasing stays a person's decision.
class AutomaticOffload : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<CardDesk*(const QString& cardID)> desk;
        // Hands the desk's offload to the queue (nothing when it is blocked).
        std::function<void(CardDesk&)> start;
        // A rule that asks first: the card is shown for a person to start.
        std::function<void(const CardVolume&)> show;
    };

    AutomaticOffload(RuleStore& rules, PresetStore& presets, CameraStore& cameras,
                     AppSettings& settings, PresetOperations& operations, Hooks hooks,
                     QObject* parent = nullptr);
    ~AutomaticOffload() override;

    // One rule for every card in place of the stored ones (a station given a preset); none
    // goes back to the stored rules.
    void setEveryCardRule(std::optional<OffloadRule> rule) { m_everyCard = std::move(rule); }
    // Every verified card is ejected, whatever its rule says.
    void setEjectEveryCard(bool eject) { m_ejectEvery = eject; }
    // A station: cards already in when watching began count as inserted, not only new ones,
    // and a card file system is mounted only when a rule may take it.
    void setUnattended(bool unattended) { m_unattended = unattended; }
    bool isUnattended() const { return m_unattended; }
    // Whether a rule may take a card of this name; a rule that tells cards by what only shows
    // once they are mounted (identity, camera) may take any.
    bool mightTake(const QString& cardName) const;

    // The rule that takes the card, if any: the one for every card, else the first it matches.
    std::optional<OffloadRule> ruleFor(const CardVolume& card) const;
    // A card came in and has its desk: true when a rule takes it, so nobody is asked.
    bool cardInserted(const CardVolume& card);
    void cardRemoved(const CardVolume& card);
    // Whether the card's verified offload is to eject it; the card's rule is done with.
    bool offloadEnded(const CardVolume& card);

    // Why the rule can't be kept as it is, in words; none when it can.
    std::optional<QString> refusal(const OffloadRule& rule) const;
    // "Cards named “A*_CARD”", "Any card"…
    QString matchText(const OffloadRule& rule) const;
    // The rest of the rule in one line: "Preset “Interview” · starts without asking".
    QString actionText(const OffloadRule& rule) const;

Q_SIGNALS:
    void cardArrived(const stowly::CardVolume& card);
    void cardLeft(const stowly::CardVolume& card);
    // Queued (`waiting`) or started by its rule.
    void handedOver(const stowly::CardVolume& card, bool waiting);
    // Nothing to do for this card: no rule, a rule that asks first, nothing new on it.
    void leftAlone(const stowly::CardVolume& card, const QString& reason);
    // Its rule could not be followed.
    void failed(const stowly::CardVolume& card, const QString& reason);

private:
    struct Pending {
        OffloadRule rule;
        int rescans = 0;
        QMetaObject::Connection watch;
    };

    void deskChanged(const QString& cardID);
    void decide(CardDesk& desk, Pending& pending);
    void fail(const QString& cardID, const QString& reason);
    void forget(const QString& cardID);
    std::optional<OffloadPreset> presetOf(const OffloadRule& rule) const;

    RuleStore& m_rules;
    PresetStore& m_presets;
    CameraStore& m_cameras;
    AppSettings& m_settings;
    PresetOperations& m_operations;
    Hooks m_hooks;
    std::optional<OffloadRule> m_everyCard;
    bool m_ejectEvery = false;
    bool m_unattended = false;
    // Cards whose rule waits for their scan (a map: what a decision sets off may add or drop
    // another card while one is decided), and cards handed to the queue by a rule.
    std::map<QString, Pending> m_pending;
    std::map<QString, OffloadRule> m_taken;
};

} // namespace stowly
