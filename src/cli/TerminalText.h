#pragma once

#include <QString>
#include <QStringView>

namespace stowly {

// Text shown on a terminal with its control characters made visible, so a file name from a
// card cannot recolour, move, rewrite or reorder the screen. The one rule: every C0 control,
// DEL, every C1 control (U+0080–U+009F, which some terminals obey as ESC sequences) and every
// bidirectional control (U+061C, U+200E, U+200F, U+202A–U+202E, U+2066–U+2069) is written the
// way a shell would spell it: \n, \t, \r, \e, \xHH (\x07, \x7f, \x9b) and \uHHHH (\u202e).
// Display only: the --json output keeps the exact names.
namespace TerminalText {
// A name or path, which is one line: its line breaks are escaped too.
QString name(QStringView text);
// A whole text of the program's own: its line breaks stay.
QString lines(QStringView text);
// A name quoted as a sentence quotes it, made safe as name() makes it.
QString quotedName(QStringView text);
} // namespace TerminalText

} // namespace stowly
