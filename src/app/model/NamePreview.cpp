#include "app/model/NamePreview.h"

#include "app/lists/SessionFilesModel.h"
#include "app/model/AppModel.h"
#include "app/model/DestinationNames.h"
#include "base/Background.h"
#include "devices/VolumeFacts.h"
#include "naming/OffloadPlanner.h"
#include "session/OffloadSession.h"

namespace stowly {

NamePreview::NamePreview(AppModel& model) : m_model(model) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    connect(&m_settle, &QTimer::timeout, this, &NamePreview::update);
    const auto later = [this] { m_settle.start(); };
    connect(&model, &AppModel::sessionChanged, this, later);
    connect(&model, &AppModel::sessionUpdated, this, later);
    connect(&model.settings(), &AppSettings::changed, this, later);
    connect(&model.cameras(), &CameraStore::changed, this, later);
}

void NamePreview::update() {
    m_settle.stop();
    m_planning.request_stop();
    m_working = false;
    const OffloadSession* session = m_model.session();
    // A run, or an offload waiting for its turn, shows its own plan; its choices no longer
    // change.
    if (session && !session->isOpen())
        return;
    const std::optional<NamingTemplates> naming = m_model.settings().effectiveNaming();
    if (!session || !naming) {
        apply({}, session ? session->id() : QUuid());
        return;
    }
    QStringList destinations;
    if (const std::optional<QString> destination =
            m_model.settings().value(setting::destinationPath))
        destinations << *destination << m_model.settings().value(setting::backupDestinations);
    m_working = true;
    m_planning = background::run(
        this,
        [files = session->newClips(), naming = *naming, context = m_model.namingContext(*session),
         rules = m_model.settings().value(setting::fileRules),
         destinations] { return make(files, naming, context, rules, destinations); },
        [this, id = session->id()](Plan plan) {
            m_working = false;
            const OffloadSession* current = m_model.session();
            if (current && current->id() == id && current->isOpen())
                apply(std::move(plan), id);
        });
}

bool NamePreview::isCurrent() const {
    const OffloadSession* session = m_model.session();
    return session && !m_settle.isActive() && !m_working && m_planned == session->id();
}

void NamePreview::apply(Plan plan, const QUuid& session) {
    m_planned = session;
    m_plan = std::move(plan);
    m_model.filesToCopy().setNamePreview(m_plan.files, m_plan.filledBlanks);
    Q_EMIT changed();
}

NamePreview::Plan NamePreview::make(const QList<Clip>& files, const NamingTemplates& naming,
                                    const NamingContext& context, const FileRules& rules,
                                    const QStringList& destinations) {
    const auto blankIn = [&](const NamingTemplate& name) {
        return (context.project.isEmpty() && name.contains(TemplateToken::project)) ||
               (context.camera.isEmpty() && name.contains(TemplateToken::camera)) ||
               (context.card.isEmpty() && name.contains(TemplateToken::card));
    };
    const bool filledBlanks = blankIn(naming.file);
    const bool complete = !filledBlanks && !blankIn(naming.folder);
    return {OffloadPlanner::plan(files, naming, complete ? context : context.fillingBlanks(), rules,
                                 OffloadPlanner::diskLister(destinations),
                                 DestinationNames::rules(destinations, VolumeFacts::platform())),
            filledBlanks, complete};
}

} // namespace stowly
