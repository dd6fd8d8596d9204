#include "cli/CardTarget.h"

#include "app/model/AppModel.h"
#include "app/model/CardAtPath.h"
#include "cli/Console.h"

namespace stowly {

std::optional<CardVolume> cardTargetOrReport(const QString& path, const AppModel& model,
                                             Console& console) {
    auto target = cardAtPath(path, model.volumes());
    if (const QString* problem = std::get_if<QString>(&target)) {
        console.message(*problem);
        return std::nullopt;
    }
    return std::get<CardVolume>(std::move(target));
}

} // namespace stowly
