#pragma once

#include "naming/TemplateToken.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace stowly {

// Text operations behind dragging in the folder-tree preview. Each takes the folder template
// and returns the new one; indices out of range give the template back unchanged. Any edit
// comes back normalised: no empty levels, no spaces around "/".
class FolderTemplateEditor {
public:
    // What is being dragged.
    struct LevelPayload {
        int index = 0;
        friend bool operator==(const LevelPayload&, const LevelPayload&) = default;
    };
    struct TokenPayload {
        TemplateToken token = TemplateToken::project;
        friend bool operator==(const TokenPayload&, const TokenPayload&) = default;
    };
    struct ItemPayload {
        int level = 0;
        int item = 0;
        friend bool operator==(const ItemPayload&, const ItemPayload&) = default;
    };
    using Payload = std::variant<LevelPayload, TokenPayload, ItemPayload>;

    // The levels trimmed, empty ones dropped.
    static QStringList levels(const QString& folderTemplate);

    // The token as a new level at `at`, or at the end.
    static QString insert(TemplateToken token, const QString& folderTemplate,
                          std::optional<int> at = std::nullopt);
    static QString move(const QString& folderTemplate, int from, int to);
    static QString remove(const QString& folderTemplate, int at);

    // One name of a level pulled out into a level of its own, placed at the slot `toSlot`.
    static QString extractItem(const QString& folderTemplate, int level, int item, int toSlot);
    // A name moved within its level or into another one. A level left without names goes.
    static QString moveItem(const QString& folderTemplate, int level, int item, int toLevel,
                            int at);
    // A payload dropped on the side of a name in `level`, before the name at `at`. A whole level
    // dropped on another one joins it and leaves its old place.
    static QString dropInline(const Payload& payload, int level, int at,
                              const QString& folderTemplate);
    static QString removeItem(const QString& folderTemplate, int level, int item);
    static QString setSeparator(const QString& separator, const QString& folderTemplate, int level);

    // Drag texts: "stowly-level:<i>", "stowly-token:<raw value>", "stowly-item:<level>:<item>".
    static QString text(const Payload& payload);
    static std::optional<Payload> payload(const QString& text);
};

} // namespace stowly
