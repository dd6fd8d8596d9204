#pragma once

#include "app/lists/SessionFilesModel.h"

class QMenu;

namespace stowly {

class AppModel;
class FileManager;

// The commands one file of the media stage offers: re-offload it or not, show its earlier
// copy, skip a short clip that was included or offload a skipped one anyway.
namespace MediaFileMenu {
// Adds the commands that apply to the file; false when none does.
bool fill(QMenu& menu, AppModel& model, SessionFilesModel::ListScope scope, const Clip& clip,
          const QModelIndex& index, const FileManager& files);
// The history's copy of the file; none when the history has no copy.
std::optional<QString> copyPath(const AppModel& model, const Clip& clip);
} // namespace MediaFileMenu

} // namespace stowly
