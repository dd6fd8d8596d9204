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
namespace FolderTemplateEditor {
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
QStringList levels(const QString& folderTemplate);

// The token as a new level at `at`, or at the end.
QString insert(TemplateToken token, const QString& folderTemplate,
               std::optional<int> at = std::nullopt);
QString move(const QString& folderTemplate, int from, int to);
QString remove(const QString& folderTemplate, int at);

// One name of a level pulled out into a level of its own, placed at the slot `toSlot`.
QString extractItem(const QString& folderTemplate, int level, int item, int toSlot);
// A name moved within its level or into another one. A level left without names goes.
QString moveItem(const QString& folderTemplate, int level, int item, int toLevel, int at);
// A payload dropped on the side of a name in `level`, before the name at `at`. A whole level
// dropped on another one joins it and leaves its old place.
QString dropInline(const Payload& payload, int level, int at, const QString& folderTemplate);
QString removeItem(const QString& folderTemplate, int level, int item);
QString setSeparator(const QString& separator, const QString& folderTemplate, int level);

// Drag texts: "stowly-level:<i>", "stowly-token:<raw value>", "stowly-item:<level>:<item>".
QString text(const Payload& payload);
std::optional<Payload> payload(const QString& text);
} // namespace FolderTemplateEditor

} // namespace stowly
