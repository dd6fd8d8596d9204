#include "app/model/AutomaticOffload.h"
#include "base/Quoted.h"
#include "copy/FolderProbe.h"

#include "app/model/CardDesk.h"
#include "app/model/OffloadBlocker.h"
#include "app/settings/AppSettings.h"
#include "app/stores/CameraStore.h"
#include "app/stores/PresetOperations.h"
#include "app/stores/PresetStore.h"
#include "app/stores/RuleStore.h"
#include "base/Log.h"
#include "naming/NamingNeeds.h"
#include "naming/Renamer.h"
#include "session/OffloadSession.h"

#include <QFileInfo>

namespace stowly {
namespace {

// A rule that keeps changing the file rules under another's scan gives up after this many.
constexpr int rescansAllowed = 3;

// Blockers that mean there is nothing to do rather than something wrong.
bool nothingToDo(OffloadBlocker::Reason reason) {
    using Reason = OffloadBlocker::Reason;
    return reason == Reason::emptyCard || reason == Reason::allOffloaded ||
           reason == Reason::onlyShortClips || reason == Reason::nothingInDates;
}

} // namespace

AutomaticOffload::AutomaticOffload(RuleStore& rules, PresetStore& presets, CameraStore& cameras,
                                   AppSettings& settings, PresetOperations& operations, Hooks hooks,
                                   QObject* parent)
    : QObject(parent), m_rules(rules), m_presets(presets), m_cameras(cameras), m_settings(settings),
      m_operations(operations), m_hooks(std::move(hooks)) {}

AutomaticOffload::~AutomaticOffload() {
    for (const auto& [id, pending] : m_pending)
        disconnect(pending.watch);
}

std::optional<OffloadPreset> AutomaticOffload::presetOf(const OffloadRule& rule) const {
    return rule.presetID ? m_presets.preset(*rule.presetID) : std::nullopt;
}

std::optional<OffloadRule> AutomaticOffload::ruleFor(const CardVolume& card) const {
    if (m_everyCard)
        return m_everyCard;
    const std::optional<Camera> camera = m_cameras.suggestedCamera(card.volumeIdentity());
    return m_rules.firstMatch(card, camera ? std::optional(camera->id) : std::nullopt);
}

bool AutomaticOffload::cardInserted(const CardVolume& card) {
    Q_EMIT cardArrived(card);
    const std::optional<OffloadRule> rule = ruleFor(card);
    CardDesk* desk = m_hooks.desk(card.id());
    if (!rule || !desk) {
        Q_EMIT leftAlone(card, tr("No rule matches this card."));
        return false;
    }
    Log::info(Log::Category::app, QStringLiteral("Card %1 matches the rule %2")
                                      .arg(card.url, rule->id.toString(QUuid::WithoutBraces)));
    const QString id = card.id();
    forget(id);
    Pending pending{*rule, 0, {}};
    pending.watch = connect(desk, &CardDesk::sessionChanged, this, [this, id] { deskChanged(id); });
    m_pending.emplace(id, std::move(pending));
    deskChanged(id);
    return true;
}

bool AutomaticOffload::mightTake(const QString& cardName) const {
    if (m_everyCard)
        return true;
    return std::any_of(
        m_rules.rules().cbegin(), m_rules.rules().cend(), [&](const OffloadRule& rule) {
            return rule.match != OffloadRule::Match::name ||
                   rule.matches(CardVolume{QString(), cardName, std::nullopt}, std::nullopt);
        });
}

void AutomaticOffload::forget(const QString& cardID) {
    if (const auto it = m_pending.find(cardID); it != m_pending.end()) {
        disconnect(it->second.watch);
        m_pending.erase(it);
    }
}

void AutomaticOffload::cardRemoved(const CardVolume& card) {
    forget(card.id());
    Q_EMIT cardLeft(card);
}

bool AutomaticOffload::offloadEnded(const CardVolume& card) {
    const auto it = m_taken.find(card.id());
    if (it == m_taken.end())
        return false;
    const bool eject = m_ejectEvery || it->second.ejectWhenVerified;
    m_taken.erase(it);
    return eject;
}

void AutomaticOffload::deskChanged(const QString& cardID) {
    auto it = m_pending.find(cardID);
    if (it == m_pending.end())
        return;
    CardDesk* desk = m_hooks.desk(cardID);
    if (!desk)
        return forget(cardID);
    if (desk->session() && !desk->isScanning())
        decide(*desk, it->second);
}

void AutomaticOffload::fail(const QString& cardID, const QString& reason) {
    CardDesk* desk = m_hooks.desk(cardID);
    forget(cardID);
    if (desk) {
        Log::info(Log::Category::app,
                  QStringLiteral("Automatic offload of %1: %2").arg(desk->card().url, reason));
        Q_EMIT failed(desk->card(), reason);
    }
}

void AutomaticOffload::decide(CardDesk& desk, Pending& pending) {
    const QString id = desk.card().id();
    const OffloadRule rule = pending.rule;
    const std::optional<OffloadPreset> preset = presetOf(rule);
    if (rule.presetID && !preset)
        return fail(id, tr("The preset its rule names is gone."));
    if (preset) {
        if (preset->destinationPath && !FolderProbe::isFolder(*preset->destinationPath))
            return fail(id, tr("The preset’s destination %1 isn’t there.")
                                .arg(quoted(*preset->destinationPath)));
        m_operations.applySetup(*preset);
        // Other ignore patterns make the card be walked again: its next session decides.
        if (desk.isScanning() || !desk.session()) {
            if (++pending.rescans > rescansAllowed)
                return fail(id, tr("Its preset’s file rules kept changing while it was read."));
            return;
        }
    }
    forget(id);

    OffloadSession& session = *desk.session();
    if (!rule.project.trimmed().isEmpty())
        session.setProjectInput(rule.project.trimmed());
    if (preset && m_cameras.camera(preset->cameraID))
        session.setCameraID(preset->cameraID);
    if (!rule.startWithoutAsking) {
        m_hooks.show(desk.card());
        Q_EMIT leftAlone(desk.card(), tr("Its rule asks before offloading."));
        return;
    }
    m_hooks.start(desk);
    if (OffloadSession* started = desk.session();
        started && (started->isRunning() || started->isWaiting())) {
        m_taken.insert_or_assign(id, rule);
        Q_EMIT handedOver(desk.card(), started->isWaiting());
        return;
    }
    const std::optional<OffloadBlocker>& blocker = desk.blocker();
    const QString reason = blocker ? blocker->text : tr("The offload couldn’t start.");
    if (blocker && nothingToDo(blocker->reason))
        Q_EMIT leftAlone(desk.card(), reason);
    else
        fail(id, reason);
}

std::optional<QString> AutomaticOffload::refusal(const OffloadRule& rule) const {
    if (rule.match != OffloadRule::Match::anyCard && rule.value.trimmed().isEmpty())
        return rule.match == OffloadRule::Match::name ? tr("Give the card name to match.")
               : rule.match == OffloadRule::Match::camera
                   ? tr("Choose the camera whose cards this rule takes.")
                   : tr("Give the card’s volume identity.");
    if (rule.match == OffloadRule::Match::camera &&
        !m_cameras.camera(QUuid::fromString(rule.value)))
        return tr("The camera this rule names isn’t in your cameras.");
    const std::optional<OffloadPreset> preset = presetOf(rule);
    if (rule.presetID && !preset)
        return tr("The preset this rule names isn’t in your presets.");
    const std::optional<NamingTemplates> naming =
        preset ? AppSettings::effectiveNaming(preset->folderTemplate, preset->fileTemplate,
                                              preset->quickDump)
               : m_settings.effectiveNaming();
    const QString setup =
        preset ? tr("The preset %1").arg(quoted(preset->displayName())) : tr("The current setup");
    if (!naming)
        return tr("%1 has an error in its naming.").arg(setup);
    // A person starts what a rule asks about, and types the project then.
    if (rule.startWithoutAsking && NamingNeeds(naming).usesProject &&
        Renamer::sanitizeName(rule.project, OffloadBlocker::nameLength).isEmpty())
        return tr("%1 names folders or files after the project: give the rule a project.")
            .arg(setup);
    return std::nullopt;
}

QString AutomaticOffload::matchText(const OffloadRule& rule) const {
    switch (rule.match) {
    case OffloadRule::Match::anyCard:
        return tr("Any card");
    case OffloadRule::Match::identity:
        return tr("The card %1").arg(quoted(rule.value));
    case OffloadRule::Match::name:
        return tr("Cards named %1").arg(quoted(rule.value));
    case OffloadRule::Match::camera: {
        const std::optional<Camera> camera = m_cameras.camera(QUuid::fromString(rule.value));
        return tr("Cards from %1").arg(quoted(camera ? camera->name : tr("a camera that’s gone")));
    }
    }
    return {};
}

QString AutomaticOffload::actionText(const OffloadRule& rule) const {
    const std::optional<OffloadPreset> preset = presetOf(rule);
    QStringList parts{preset          ? tr("Preset %1").arg(quoted(preset->displayName()))
                      : rule.presetID ? tr("A preset that’s gone")
                                      : tr("The current setup")};
    if (!rule.project.trimmed().isEmpty())
        parts << tr("Project %1").arg(quoted(rule.project.trimmed()));
    parts << (rule.startWithoutAsking ? tr("Starts without asking") : tr("Asks first"));
    if (rule.ejectWhenVerified)
        parts << tr("Ejects when verified");
    return parts.join(QStringLiteral(" · "));
}

} // namespace stowly
