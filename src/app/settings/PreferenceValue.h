#pragma once

#include <QJsonDocument>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <optional>

namespace stowly {

// Typed reading of preference values. The INI form keeps only text: a flag written as a flag
// comes back from disk as "true" or "false", a number as digits, a one-element list as plain
// text and an empty list as an invalid value. Within one process the store hands back the typed
// values it was given. Each reader accepts both forms and answers none for anything else, so
// the caller falls back to its default.
namespace preferenceValue {

std::optional<bool> flag(const QSettings& store, const QString& key);
std::optional<qint64> integer(const QSettings& store, const QString& key);
std::optional<QString> text(const QSettings& store, const QString& key);
std::optional<QStringList> textList(const QSettings& store, const QString& key);
// The JSON text stored under the key, parsed; none when absent or not valid JSON.
std::optional<QJsonDocument> json(const QSettings& store, const QString& key);

} // namespace preferenceValue
} // namespace stowly
