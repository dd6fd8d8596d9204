#pragma once

#include <QString>
#include <QStringView>

namespace stowly {

// Text shown on a terminal with its control characters made visible, so a file name from a
// card cannot recolour, move or rewrite the screen. The one rule: every C0 control, DEL and
// every C1 control (U+0080–U+009F, which some terminals obey as ESC sequences) is written the
// way a shell would spell it: \n, \t, \r, \e, and \xHH for the rest (\x07, \x7f, \x9b).
// Display only: the --json output keeps the exact names.
namespace TerminalText {
// A name or path, which is one line: its line breaks are escaped too.
QString name(QStringView text);
// A whole text of the program's own: its line breaks stay.
QString lines(QStringView text);
} // namespace TerminalText

} // namespace stowly
