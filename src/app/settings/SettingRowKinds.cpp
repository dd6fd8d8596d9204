#include "app/settings/SettingRowKinds.h"

#include "naming/TemplateMigration.h"

#include <QJsonArray>

namespace stowly::settingRows {

QString compact(const QJsonDocument& document) {
    return QString::fromUtf8(document.toJson(QJsonDocument::Compact));
}

QString flagText(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

Parsed accepted(const QVariant& value, const QStringList& notes) {
    return Parsed{value, QString(), notes};
}

Parsed refused(const QString& refusal, const QStringList& notes) {
    return Parsed{std::nullopt, refusal, notes};
}

Parsed takes(const QString& key, const QStringList& values) {
    QString list = values.first();
    for (qsizetype i = 1; i < values.size(); ++i)
        list +=
            (i + 1 == values.size() ? QStringLiteral(" or ") : QStringLiteral(", ")) + values[i];
    return refused(
        QCoreApplication::translate("SettingsTable", "%1 takes %2.").arg(quoted(key), list));
}

std::optional<QJsonDocument> parseJson(const QString& value) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(value.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        return std::nullopt;
    return document;
}

std::optional<QStringList> textArray(const QString& value) {
    const std::optional<QJsonDocument> document = parseJson(value);
    if (!document || !document->isArray())
        return std::nullopt;
    QStringList list;
    for (const QJsonValue& item : document->array()) {
        if (!item.isString())
            return std::nullopt;
        list << item.toString();
    }
    return list;
}
SettingDefinition flag(SettingKey<bool> key, bool defaultValue, const char* description) {
    SettingDefinition d = row(key, Kind::flag, defaultValue, description, flagText(!defaultValue));
    d.load = [key = d.key](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<bool> on = preferenceValue::flag(store, key);
        return on ? std::optional(Loaded{*on}) : std::nullopt;
    };
    d.text = [](const QVariant& value) { return flagText(value.toBool()); };
    d.parse = [key = d.key](const QString& text) {
        if (text != u"true" && text != u"false")
            return takes(key, {QStringLiteral("true"), QStringLiteral("false")});
        return accepted(text == u"true");
    };
    return d;
}

// Whole numbers clamped into their range, as read and as set.
SettingDefinition number(SettingKey<int> key, int defaultValue, int minimum, int maximum,
                         const QString& unit, const char* description) {
    const int example = defaultValue == maximum ? minimum : maximum;
    SettingDefinition d =
        row(key, Kind::number, defaultValue, description, QString::number(example));
    d.minimum = minimum;
    d.maximum = maximum;
    const auto clamped = [minimum, maximum](qint64 value) {
        return int(std::clamp<qint64>(value, minimum, maximum));
    };
    d.load = [key = d.key, clamped](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<qint64> value = preferenceValue::integer(store, key);
        return value ? std::optional(Loaded{clamped(*value)}) : std::nullopt;
    };
    d.normalized = [clamped](const QVariant& value) { return QVariant(clamped(value.toInt())); };
    d.text = [](const QVariant& value) { return QString::number(value.toInt()); };
    d.parse = [key = d.key, minimum, maximum, unit](const QString& text) {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || value < minimum || value > maximum)
            return refused(
                QCoreApplication::translate("SettingsTable",
                                            "%1 takes a whole number of %2 from %3 to %4.")
                    .arg(quoted(key), unit, QString::number(minimum), QString::number(maximum)));
        return accepted(value);
    };
    return d;
}

SettingDefinition text(SettingKey<QString> key, const char* description, const QString& example) {
    SettingDefinition d = row(key, Kind::text, QString(), description, example);
    d.load = [key = d.key](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<QString> text = preferenceValue::text(store, key);
        return text ? std::optional(Loaded{*text}) : std::nullopt;
    };
    d.text = [](const QVariant& value) { return value.toString(); };
    d.parse = [](const QString& text) { return accepted(text.trimmed()); };
    return d;
}

// A naming template: stored texts of older versions read in today's form and are rewritten in
// it; a written one is taken only when it parses.
SettingDefinition namingTemplate(SettingKey<QString> key, NamingTemplate::Kind kind,
                                 const QString& defaultValue, const char* description,
                                 const QString& example) {
    SettingDefinition d = row(key, Kind::text, defaultValue, description, example);
    d.load = [key = d.key, kind](const QSettings& store) -> std::optional<Loaded> {
        const std::optional<QString> stored = preferenceValue::text(store, key);
        if (!stored)
            return std::nullopt;
        const QString current = TemplateMigration::migrate(*stored, kind);
        return Loaded{current, current != *stored};
    };
    d.text = [](const QVariant& value) { return value.toString(); };
    d.parse = [kind](const QString& text) {
        const NamingTemplate::ParseResult parsed = NamingTemplate::parse(text, kind);
        QStringList errors;
        QStringList warnings;
        for (const TemplateIssue& issue : parsed.issues)
            (issue.severity == TemplateIssue::Severity::error ? errors : warnings) << issue.message;
        if (!parsed.template_)
            return refused(errors.join(u'\n'), warnings);
        return accepted(text, warnings);
    };
    return d;
}

} // namespace stowly::settingRows
