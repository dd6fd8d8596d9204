#pragma once

#include "app/settings/PreferenceValue.h"
#include "app/settings/SettingDefinition.h"
#include "app/settings/SettingKey.h"
#include "base/Quoted.h"
#include "naming/NamingTemplate.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <optional>

namespace stowly {

// The kinds of rows the settings table is made of (flags, numbers, texts, templates, choices),
// each with how it loads, stores, shows and parses its value, and the pieces they share.
namespace settingRows {
using Kind = SettingDefinition::Kind;
using Loaded = SettingDefinition::Loaded;
using Parsed = SettingDefinition::Parsed;

QString compact(const QJsonDocument& document);
QString flagText(bool on);
Parsed accepted(const QVariant& value, const QStringList& notes = {});
Parsed refused(const QString& refusal, const QStringList& notes = {});
// The refusal naming the values `key` takes.
Parsed takes(const QString& key, const QStringList& values);
std::optional<QJsonDocument> parseJson(const QString& value);
// A JSON array of texts, else none.
std::optional<QStringList> textArray(const QString& value);

// What every row of one value type shares; a value is stored in its own type unless the row
// says otherwise.
template <typename T>
SettingDefinition row(SettingKey<T> key, Kind kind, const T& defaultValue, const char* description,
                      const QString& example) {
    SettingDefinition d;
    d.key = key.view();
    d.kind = kind;
    d.descriptionText = description;
    d.defaultValue = QVariant::fromValue(defaultValue);
    d.example = example;
    d.stored = [](const QVariant& value) { return value; };
    d.normalized = [](const QVariant& value) { return value; };
    d.same = [](const QVariant& a, const QVariant& b) {
        return qvariant_cast<T>(a) == qvariant_cast<T>(b);
    };
    return d;
}

// A value stored as JSON text; `fromJson` answers none for a document it does not take.
template <typename T>
void storedAsJson(SettingDefinition& d, std::function<QJsonDocument(const T&)> toJson,
                  std::function<std::optional<T>(const QJsonDocument&)> fromJson) {
    d.load = [key = d.key, fromJson](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<QJsonDocument> document = preferenceValue::json(store, key);
        const std::optional<T> value = document ? fromJson(*document) : std::nullopt;
        return value ? std::optional(Loaded{QVariant::fromValue(*value)}) : std::nullopt;
    };
    d.stored = [toJson](const QVariant& value) {
        return QVariant(compact(toJson(qvariant_cast<T>(value))));
    };
    d.text = [toJson](const QVariant& value) { return compact(toJson(qvariant_cast<T>(value))); };
}

SettingDefinition flag(SettingKey<bool> key, bool defaultValue, const char* description);

// Whole numbers clamped into their range, as read and as set.
SettingDefinition number(SettingKey<int> key, int defaultValue, int minimum, int maximum,
                         const QString& unit, const char* description);

SettingDefinition text(SettingKey<QString> key, const char* description, const QString& example);

// A naming template: stored texts of older versions read in today's form and are rewritten in
// it; a written one is taken only when it parses.
SettingDefinition namingTemplate(SettingKey<QString> key, NamingTemplate::Kind kind,
                                 const QString& defaultValue, const char* description,
                                 const QString& example);

// One of a few cases, stored and written by its raw name; an unknown stored name reads as the
// default, and is rewritten as it when `rewritesUnknown`.
template <typename T>
SettingDefinition choice(SettingKey<T> key, T defaultValue, const QList<T>& cases,
                         QString (*raw)(T), const char* description, bool rewritesUnknown = false) {
    QStringList names;
    for (const T c : cases)
        names << raw(c);
    const QString example = *std::find_if(
        names.begin(), names.end(), [&](const QString& name) { return name != raw(defaultValue); });
    SettingDefinition d = row(key, Kind::choice, defaultValue, description, example);
    d.choices = names;
    const auto caseNamed = [cases, raw](const QString& name) -> std::optional<T> {
        for (const T c : cases)
            if (raw(c) == name)
                return c;
        return std::nullopt;
    };
    d.load = [key = d.key, caseNamed, defaultValue,
              rewritesUnknown](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<QString> name = preferenceValue::text(store, key);
        if (const std::optional<T> c = name ? caseNamed(*name) : std::nullopt)
            return Loaded{QVariant::fromValue(*c)};
        if (rewritesUnknown && store.contains(key))
            return Loaded{QVariant::fromValue(defaultValue), true};
        return std::nullopt;
    };
    d.stored = [raw](const QVariant& value) { return QVariant(raw(qvariant_cast<T>(value))); };
    d.text = [raw](const QVariant& value) { return raw(qvariant_cast<T>(value)); };
    d.parse = [key = d.key, caseNamed, names](const QString& text) {
        if (const std::optional<T> c = caseNamed(text))
            return accepted(QVariant::fromValue(*c));
        return takes(key, names);
    };
    return d;
}
} // namespace settingRows

} // namespace stowly
