#pragma once

#include <QString>

namespace stowly {

// Quick dump: the naming templates without their project token, so no project is asked for.
class QuickDump {
public:
    static QString strip(const QString& fileTemplate);
    static QString folderTemplate(const QString& folderTemplate);
};

} // namespace stowly
