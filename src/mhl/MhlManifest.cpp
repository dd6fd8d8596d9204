#include "mhl/MhlManifest.h"

namespace stowly {

QString MhlManifest::processName(Process process) {
    switch (process) {
    case Process::inPlace:
        return QStringLiteral("in-place");
    case Process::transfer:
        return QStringLiteral("transfer");
    case Process::flatten:
        return QStringLiteral("flatten");
    }
    return {};
}

QString MhlManifest::actionName(Action action) {
    switch (action) {
    case Action::original:
        return QStringLiteral("original");
    case Action::verified:
        return QStringLiteral("verified");
    case Action::failed:
        return QStringLiteral("failed");
    }
    return {};
}

} // namespace stowly
