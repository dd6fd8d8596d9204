#include "Check.h"
#include "FuzzInput.h"

#include "app/settings/SettingsTable.h"

#include <QSettings>

using namespace stowly;

namespace {

// A value typed after `stowly-cli settings set <key>`: what is taken is shown in a form that is
// taken again as the same value.
void written(const SettingDefinition& row, const QString& text) {
    const SettingDefinition::Parsed parsed = row.parse(text);
    if (!parsed.value)
        return;
    const QVariant value = row.normalized(*parsed.value);
    const SettingDefinition::Parsed again = row.parse(row.text(value));
    FUZZ_CHECK(again.value.has_value());
    FUZZ_CHECK(row.same(row.normalized(*again.value), value));
}

// The preferences file as found on disk: every row reads what it can, and what it read is kept
// in a form it reads back the same.
void stored(const QString& path) {
    const QSettings file(path, QSettings::IniFormat);
    QSettings copy(path + QStringLiteral(".copy"), QSettings::IniFormat);
    for (const SettingDefinition& row : SettingsTable::rows()) {
        const auto loaded = row.load(file);
        if (!loaded)
            continue;
        const QVariant kept = row.stored(loaded->value);
        if (!kept.isValid())
            continue;
        copy.setValue(row.key, kept);
        const auto again = row.load(copy);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(row.same(again->value, loaded->value));
    }
}

} // namespace

// The first byte picks a setting, or the preferences file; the rest is the value or the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput::setUp();
    if (size < 1)
        return 0;
    const QList<SettingDefinition>& rows = SettingsTable::rows();
    const QByteArray rest = fuzzInput::bytes(data + 1, size - 1);
    const qsizetype choice = data[0] % (rows.size() + 1);
    if (choice < rows.size()) {
        written(rows[choice], QString::fromUtf8(rest));
    } else {
        fuzzInput::freshFolder();
        stored(fuzzInput::write(QStringLiteral("Stowly.conf"), rest));
    }
    return 0;
}
