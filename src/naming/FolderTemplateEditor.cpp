#include "naming/FolderTemplateEditor.h"

#include "naming/InlineLevel.h"

#include <algorithm>

namespace stowly {
namespace {

const QString levelPrefix = QStringLiteral("stowly-level:");
const QString tokenPrefix = QStringLiteral("stowly-token:");
const QString itemPrefix = QStringLiteral("stowly-item:");

qsizetype clamped(qsizetype value, qsizetype high) {
    return std::clamp<qsizetype>(value, 0, high);
}

bool isIndex(qsizetype index, qsizetype count) {
    return index >= 0 && index < count;
}

QString tokenText(TemplateToken token) {
    return u'{' + templateToken::rawValue(token) + u'}';
}

std::optional<int> parseIndex(QStringView text) {
    const QStringView digits = text.startsWith(u'-') ? text.mid(1) : text;
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return text.toInt();
}

} // namespace

QStringList FolderTemplateEditor::levels(const QString& folderTemplate) {
    QStringList result;
    for (const QString& piece : folderTemplate.split(u'/')) {
        const QString trimmed = piece.trimmed();
        if (!trimmed.isEmpty())
            result.append(trimmed);
    }
    return result;
}

QString FolderTemplateEditor::insert(TemplateToken token, const QString& folderTemplate,
                                     std::optional<int> at) {
    QStringList list = levels(folderTemplate);
    list.insert(clamped(at.value_or(list.size()), list.size()), tokenText(token));
    return list.join(u'/');
}

QString FolderTemplateEditor::move(const QString& folderTemplate, int from, int to) {
    QStringList list = levels(folderTemplate);
    if (!isIndex(from, list.size()))
        return folderTemplate;
    const QString level = list.takeAt(from);
    list.insert(clamped(to, list.size()), level);
    return list.join(u'/');
}

QString FolderTemplateEditor::remove(const QString& folderTemplate, int at) {
    QStringList list = levels(folderTemplate);
    if (!isIndex(at, list.size()))
        return folderTemplate;
    list.removeAt(at);
    return list.join(u'/');
}

QString FolderTemplateEditor::extractItem(const QString& folderTemplate, int level, int item,
                                          int toSlot) {
    QStringList list = levels(folderTemplate);
    if (!isIndex(level, list.size()))
        return folderTemplate;
    InlineLevel inline_(list[level]);
    if (!isIndex(item, inline_.items.size()))
        return folderTemplate;
    if (inline_.items.size() < 2)
        return move(folderTemplate, level, level < toSlot ? toSlot - 1 : toSlot);
    const QString name = inline_.items.takeAt(item);
    list[level] = inline_.text();
    list.insert(clamped(toSlot, list.size()), name);
    return list.join(u'/');
}

QString FolderTemplateEditor::moveItem(const QString& folderTemplate, int level, int item,
                                       int toLevel, int at) {
    QStringList list = levels(folderTemplate);
    if (!isIndex(level, list.size()) || !isIndex(toLevel, list.size()))
        return folderTemplate;
    InlineLevel source(list[level]);
    if (!isIndex(item, source.items.size()))
        return folderTemplate;
    const QString name = source.items.takeAt(item);
    if (level == toLevel) {
        const qsizetype position = item < at ? at - 1 : at;
        source.items.insert(clamped(position, source.items.size()), name);
        list[level] = source.text();
        return list.join(u'/');
    }
    InlineLevel target(list[toLevel]);
    target.items.insert(clamped(at, target.items.size()), name);
    list[toLevel] = target.text();
    // Moving the only name out of a level moves the level's content: nothing is left behind
    // to duplicate it.
    if (source.items.isEmpty())
        list.removeAt(level);
    else
        list[level] = source.text();
    return list.join(u'/');
}

QString FolderTemplateEditor::dropInline(const Payload& payload, int level, int at,
                                         const QString& folderTemplate) {
    if (const auto* item = std::get_if<ItemPayload>(&payload))
        return moveItem(folderTemplate, item->level, item->item, level, at);

    QStringList list = levels(folderTemplate);
    if (!isIndex(level, list.size()))
        return folderTemplate;
    InlineLevel target(list[level]);
    if (const auto* token = std::get_if<TokenPayload>(&payload)) {
        target.items.insert(clamped(at, target.items.size()), tokenText(token->token));
        list[level] = target.text();
        return list.join(u'/');
    }

    const int from = std::get<LevelPayload>(payload).index;
    if (from == level || !isIndex(from, list.size()))
        return folderTemplate;
    const InlineLevel source(list[from]);
    const qsizetype position = clamped(at, target.items.size());
    for (qsizetype i = 0; i < source.items.size(); ++i)
        target.items.insert(position + i, source.items[i]);
    list[level] = target.text();
    list.removeAt(from);
    return list.join(u'/');
}

QString FolderTemplateEditor::removeItem(const QString& folderTemplate, int level, int item) {
    QStringList list = levels(folderTemplate);
    if (!isIndex(level, list.size()))
        return folderTemplate;
    InlineLevel inline_(list[level]);
    if (!isIndex(item, inline_.items.size()))
        return folderTemplate;
    inline_.items.removeAt(item);
    if (inline_.items.isEmpty())
        list.removeAt(level);
    else
        list[level] = inline_.text();
    return list.join(u'/');
}

QString FolderTemplateEditor::setSeparator(const QString& separator, const QString& folderTemplate,
                                           int level) {
    QStringList list = levels(folderTemplate);
    if (!isIndex(level, list.size()))
        return folderTemplate;
    InlineLevel inline_(list[level]);
    if (inline_.items.size() < 2)
        return folderTemplate;
    inline_.separator = separator;
    list[level] = inline_.text();
    return list.join(u'/');
}

QString FolderTemplateEditor::text(const Payload& payload) {
    if (const auto* level = std::get_if<LevelPayload>(&payload))
        return levelPrefix + QString::number(level->index);
    if (const auto* token = std::get_if<TokenPayload>(&payload))
        return tokenPrefix + templateToken::rawValue(token->token);
    const auto& item = std::get<ItemPayload>(payload);
    return itemPrefix + QString::number(item.level) + u':' + QString::number(item.item);
}

std::optional<FolderTemplateEditor::Payload> FolderTemplateEditor::payload(const QString& text) {
    if (text.startsWith(levelPrefix)) {
        if (const auto index = parseIndex(QStringView(text).mid(levelPrefix.size())))
            return LevelPayload{*index};
        return std::nullopt;
    }
    if (text.startsWith(tokenPrefix)) {
        const QString raw = text.mid(tokenPrefix.size());
        for (const TemplateToken token : templateToken::allCases)
            if (templateToken::rawValue(token) == raw)
                return TokenPayload{token};
        return std::nullopt;
    }
    if (text.startsWith(itemPrefix)) {
        const QStringList numbers = text.mid(itemPrefix.size()).split(u':');
        if (numbers.size() != 2)
            return std::nullopt;
        const auto level = parseIndex(numbers[0]);
        const auto item = parseIndex(numbers[1]);
        if (!level || !item)
            return std::nullopt;
        return ItemPayload{*level, *item};
    }
    return std::nullopt;
}

} // namespace stowly
