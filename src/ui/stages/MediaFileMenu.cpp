#include "ui/stages/MediaFileMenu.h"

#include "app/model/AppModel.h"
#include "app/model/CardDesk.h"
#include "app/wording/StageTexts.h"
#include "history/HistoryIndex.h"
#include "ui/FileManager.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>

namespace stowly {

namespace MediaFileMenu {

std::optional<QString> copyPath(const AppModel& model, const Clip& clip) {
    const CardDesk* desk = model.selectedDesk();
    if (!desk || !desk->hasOffload())
        return std::nullopt;
    const auto entry =
        model.history().entriesByKey().find(clip.historyKey(desk->card().volumeIdentity()));
    if (!entry || entry->destinationPath.isEmpty())
        return std::nullopt;
    return entry->destinationPath;
}

bool fill(QMenu& menu, AppModel& model, SessionFilesModel::ListScope scope, const Clip& clip,
          const QModelIndex& index, const FileManager& files) {
    CardDesk* desk = model.selectedDesk();
    if (!desk || !desk->hasOffload())
        return false;
    const bool ready = desk->isOpen();
    const bool reoffloading = index.data(SessionFilesModel::IsReoffloadRole).toBool();
    const bool offloadedBefore = scope == SessionFilesModel::ListScope::offloaded || reoffloading;
    QPointer<CardDesk> weak(desk);
    // The desk ignores a toggle once its offload is handed on.
    const auto onDesk = [weak, clip](void (CardDesk::*toggle)(const Clip&)) {
        return [weak, clip, toggle] {
            if (weak)
                (weak.data()->*toggle)(clip);
        };
    };
    if (offloadedBefore) {
        QAction* toggle = menu.addAction(reoffloading ? StageTexts::dontReoffloadThisFile()
                                                      : StageTexts::reoffloadThisFile());
        toggle->setEnabled(ready);
        QObject::connect(toggle, &QAction::triggered, &menu, onDesk(&CardDesk::toggleReoffload));
        const std::optional<QString> copy = copyPath(model, clip);
        QAction* show = menu.addAction(StageTexts::showCopyInFileBrowser());
        // A copy that is gone has no folder to show, or one without the file; both say little.
        show->setEnabled(copy && QFileInfo(*copy).absoluteDir().exists());
        if (copy)
            QObject::connect(show, &QAction::triggered, &menu,
                             [files, path = *copy] { files.showItem(path); });
    }
    if (scope == SessionFilesModel::ListScope::toCopy &&
        index.data(SessionFilesModel::IsIncludedShortRole).toBool()) {
        QAction* skip = menu.addAction(StageTexts::skipThisShortClip());
        skip->setEnabled(ready);
        QObject::connect(skip, &QAction::triggered, &menu, onDesk(&CardDesk::toggleIncludeShort));
    }
    if (scope == SessionFilesModel::ListScope::skippedShort) {
        QAction* include = menu.addAction(StageTexts::offloadClipAnyway());
        include->setEnabled(ready);
        QObject::connect(include, &QAction::triggered, &menu,
                         onDesk(&CardDesk::toggleIncludeShort));
    }
    return !menu.isEmpty();
}

} // namespace MediaFileMenu

} // namespace stowly
