#pragma once

#include "media/Clip.h"
#include "media/FileRules.h"
#include "naming/NamingContext.h"
#include "naming/NamingTemplates.h"
#include "naming/PlannedFile.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <QUuid>

#include <optional>
#include <stop_token>

namespace stowly {

class AppModel;

// The names the files to copy would get, shown before a run: the plan the run would make, with
// "Project", "Camera" or "Card" standing in for a value still missing, so the list never shows
// a hole. Worked out again in the background shortly after a choice changes (a large card takes
// a noticeable moment to plan), and handed to the model's list of files to copy.
class NamePreview : public QObject {
    Q_OBJECT
public:
    struct Plan {
        QList<PlannedFile> files;
        // A file name holds a stand-in for a missing value.
        bool filledBlanks = false;
        // No name, of a folder or a file, holds a stand-in: the plan a run would make.
        bool complete = false;
    };

    explicit NamePreview(AppModel& model);

    const Plan& plan() const { return m_plan; }
    // The plan is that of the current session's choices as they stand: no change is waiting
    // to be worked out, none is being worked out. The run can take it as it is.
    bool isCurrent() const;
    // Starts working the preview out now instead of after the pause; a plan still being made
    // is dropped.
    void update();

    // The plan of `files` into the destinations, the names they hold taken (none: an empty
    // plan).
    static Plan make(const QList<Clip>& files, const NamingTemplates& naming,
                     const NamingContext& context, const FileRules& rules,
                     const QStringList& destinations);

    // The pause after the last change before the preview is worked out.
    static constexpr int settleMs = 150;

Q_SIGNALS:
    void changed();

private:
    void apply(Plan plan, const QUuid& session);

    AppModel& m_model;
    QTimer m_settle;
    std::stop_source m_planning;
    bool m_working = false;
    Plan m_plan;
    // The session the plan was made for.
    QUuid m_planned;
};

} // namespace stowly
