#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

namespace stowly {

// One row of the settings table: a preference's stored key and default, how it is read from and
// written to the preferences store, its written form on the command line and what that form
// accepts, and the sentence that describes it to the user. Values travel as a QVariant holding
// the setting's own type.
struct SettingDefinition {
    // How a settings window presents the value.
    enum class Kind { flag, number, text, folder, choice, list, structured };

    // A value read from the store; `rewrite` when the store holds an old or unknown form that
    // the value's own form should replace.
    struct Loaded {
        QVariant value;
        bool rewrite = false;
    };

    // A written value checked: the value, or why it was refused, one sentence per line. The
    // notes are worth telling either way.
    struct Parsed {
        std::optional<QVariant> value;
        QString refusal;
        QStringList notes;
    };

    QString key;
    Kind kind = Kind::text;
    // Marked for translation; description() gives it translated.
    const char* descriptionText = "";
    QVariant defaultValue;
    // A value other than the default, in the written form.
    QString example;
    // Stowly's own bookkeeping: shown but not the user's to change, and its changes are not
    // signalled.
    bool internal = false;
    // Numbers: the range a value is clamped into.
    int minimum = 0;
    int maximum = 0;
    // Choices, and lists of them: the written names in order.
    QStringList choices;

    // None when the store holds nothing usable, so the default applies.
    std::function<std::optional<Loaded>(const QSettings&)> load;
    // The form kept in the store; an invalid QVariant removes the key.
    std::function<QVariant(const QVariant&)> stored;
    // A caller's value as it is kept: clamped into its range, cut to its limit.
    std::function<QVariant(const QVariant&)> normalized;
    std::function<bool(const QVariant&, const QVariant&)> same;
    // The written form, as `stowly-cli settings` shows it.
    std::function<QString(const QVariant&)> text;
    // Reads the written form.
    std::function<Parsed(const QString&)> parse;

    QString description() const;
};

} // namespace stowly
