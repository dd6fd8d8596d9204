#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

struct VolumeTraits;

// Whether a newly mounted volume deserves an import prompt.
namespace ImportPromptPolicy {
Q_NAMESPACE

// Why no prompt; the first rule that matches wins, in this order.
enum class Reason {
    system,
    network,
    diskImage,
    notExternal,
    backup,
    destination,
    ignored,
    notCameraMedia
};
Q_ENUM_NS(Reason)

// skip(reason), or prompt when reason is none.
struct Verdict {
    std::optional<Reason> skip;

    bool isPrompt() const { return !skip; }
    static Verdict prompt() { return {}; }
    static Verdict skipping(Reason reason) { return {reason}; }
    // "prompt" or "skip(diskImage)", for the log.
    QString text() const;

    friend bool operator==(const Verdict&, const Verdict&) = default;
};

// destinationPaths: the current destination first, then every favourite's path.
Verdict verdict(const VolumeTraits& traits, const QString& identity,
                const QStringList& destinationPaths, const QSet<QString>& ignored,
                bool looksLikeCameraMedia);

QString reasonName(Reason reason);
} // namespace ImportPromptPolicy

} // namespace stowly
