#pragma once

#include <QString>
#include <QStringList>

namespace stowly {

// Which paths of a folder its ASC MHL history leaves out, by gitignore-style patterns: a
// pattern without "/" matches a name at any depth, one with "/" the path from the top, a
// trailing "/" folders only; "*", "?" and "[…]" as in shell patterns. Whatever lies in an
// ignored folder is ignored too. Negations ("!") are not supported and match nothing.
class IgnoreList {
public:
    // .DS_Store, the history folder itself, Stowly's partial files and its reports.
    static QStringList defaults();

    explicit IgnoreList(QStringList patterns = defaults());

    const QStringList& patterns() const { return m_patterns; }
    // `relativePath` uses "/" between components.
    bool matches(const QString& relativePath, bool isFolder) const;

    // Every file below `relative` (the top when empty) of the folder `scope` that the list
    // does not leave out, relative to `scope`, in name order. Links are not followed. With
    // `nestedHistories`, a folder below the top that holds a history of its own is not entered
    // but listed there: its files are that history's.
    QStringList filesBelow(const QString& scope, const QString& relative = {},
                           QStringList* nestedHistories = nullptr) const;

    // `patterns` followed by those of `more` it lacks.
    static QStringList merged(QStringList patterns, const QStringList& more);

private:
    QStringList m_patterns;
};

} // namespace stowly
