#pragma once

#include <QString>

namespace stowly {

// The few report texts that name the operating system, its computers or its programs. They
// live here alone so that each platform words them in its own terms.
class PlatformWords {
public:
    // "Linux", put before the operating system version in reports and the launch line.
    static QString systemName();
    // "Computer", the label before model and chip.
    static QString machineLabel();
    // Stands in for a model the computer does not tell.
    static QString unknownMachine();
    // Stands in for a processor name the computer does not tell.
    static QString unknownChip();
    // The note added to a link e-mail that meant to carry a crash report; `folder` is where
    // crash reports are kept, as the user would type it.
    static QString crashReportNotAttached(const QString& folder);
};

} // namespace stowly
