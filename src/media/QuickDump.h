#pragma once

#include <QString>

namespace stowly {

// Quick dump: the naming templates without their project token, so no project is asked for.
namespace QuickDump {
QString strip(const QString& fileTemplate);
QString folderTemplate(const QString& folderTemplate);
} // namespace QuickDump

} // namespace stowly
