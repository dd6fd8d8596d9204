#pragma once

#include <QString>
#include <QStringList>

namespace stowly {

// One folder level read as names side by side, such as "{date}_{project}".
struct InlineLevel {
    // Each a token such as "{date}" or a text mixing tokens and literals.
    QStringList items;
    QString separator = QStringLiteral("_");

    InlineLevel() = default;
    explicit InlineLevel(const QString& text);

    // The level written back: its items joined with its separator.
    QString text() const { return items.join(separator); }

    // The separators offered in the menu: "_", "-", " " and none.
    static const QStringList& separators();
    // "Underscore", "Hyphen", "Space", "None", or the separator in quotes.
    static QString name(const QString& separator);

    friend bool operator==(const InlineLevel&, const InlineLevel&) = default;
};

} // namespace stowly
