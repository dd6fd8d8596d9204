#include "media/FileRole.h"

namespace stowly::fileRole {

QString rawValue(FileRole role) {
    switch (role) {
    case FileRole::proxy:
        return QStringLiteral("proxy");
    case FileRole::sidecar:
        return QStringLiteral("sidecar");
    case FileRole::main:
        break;
    }
    return QStringLiteral("main");
}

std::optional<FileRole> fromRawValue(QStringView raw) {
    for (FileRole r : {FileRole::main, FileRole::proxy, FileRole::sidecar})
        if (rawValue(r) == raw)
            return r;
    return std::nullopt;
}

} // namespace stowly::fileRole
