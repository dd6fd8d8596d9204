#pragma once

#include <QString>
#include <QStringList>

namespace stowly {

// The languages Stowly speaks, and the one it speaks in this run. The catalogues are built
// into the programs; English is the texts in the code.
namespace Translations {

// The setting's value that follows the desktop.
inline constexpr QLatin1StringView followDesktop{"system"};
// The layout check: every text lengthened, accented and bracketed.
inline constexpr QLatin1StringView pseudo{"pseudo"};

// Codes of the catalogues built in, without English, in order.
QStringList shipped();
// What the `language` setting takes: followDesktop, "en", the shipped codes and pseudo.
QStringList settingValues();
// A language's own name ("Deutsch", "日本語"); the desktop's choice and the check have ours.
QString displayName(const QString& value);

// The first shipped language the desktop's environment asks for (LANGUAGE, then LC_ALL,
// LC_MESSAGES and LANG, as gettext reads them), else "en". A "C" or "POSIX" locale is English.
QString fromEnvironment();
// The language a setting's value means here.
QString resolve(const QString& settingValue);

// Where numbers, sizes and dates take their forms from.
enum class Forms { desktop, language };
// Speaks `language` from now on (replacing any earlier choice): this program's catalogue and
// Qt's own for its dialogs. Numbers, sizes and dates keep the desktop locale's forms, or take
// the language's own when asked. False, and English, when the catalogue is missing.
bool install(const QString& language, Forms forms = Forms::desktop);
// The language installed last ("en" before any).
QString current();

// The `language` setting as stored in the user's preferences, read before anything else is
// made, then installed.
void installFromPreferences();

} // namespace Translations

} // namespace stowly
