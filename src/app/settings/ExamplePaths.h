#pragma once

#include "media/FileRules.h"
#include "naming/NamingContext.h"

#include <QList>
#include <QString>

#include <optional>

namespace stowly {

// Where two typical card files, a Sony clip and a raw photo, would be saved with a pair of
// templates: what the naming settings show as the user types. Planned by the real planner into
// an empty destination, so the result depends on nothing but its inputs.
struct ExamplePaths {
    struct Example {
        // The file's name on the card.
        QString source;
        // Where it would be saved, below the destination.
        QString relativePath;

        friend bool operator==(const Example&, const Example&) = default;
    };

    // The destination folder without a trailing "/"; empty when none is chosen.
    QString destination;
    // In copy order; none while either template has an error.
    QList<Example> examples;

    // The example's path under the destination (relative without one).
    QString path(const Example& example) const;
    // Every path on a line of its own, or what to do while a template has an error.
    QString text() const;

    static ExamplePaths make(const QString& folderTemplate, const QString& fileTemplate,
                             const NamingContext& context,
                             const std::optional<QString>& destination,
                             const FileRules& rules = FileRules::standard());
    // The samples' values: the project last used and the selected camera's token value, with
    // Coastline and FX3 standing in for either when empty, on the card A7SIII.
    static NamingContext sampleContext(const QString& lastProject, const QString& cameraValue);
    static QString fixProblemsText();
};

} // namespace stowly
