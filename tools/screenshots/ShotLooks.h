#pragma once

#include "app/settings/AppSettings.h"
#include "app/settings/DisplayOptions.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

namespace stowly::test {

// The looks every screenshot is drawn in: the default theme light and dark, and a colour theme.
struct Look {
    const char* name;
    ThemeID theme;
    AppAppearance appearance;
    bool isDark() const { return appearance == AppAppearance::dark; }
};
inline constexpr Look looks[] = {{"default-dark", ThemeID::standard, AppAppearance::dark},
                                 {"default-light", ThemeID::standard, AppAppearance::light},
                                 {"ocean-dark", ThemeID::ocean, AppAppearance::dark}};

// The look chosen in the settings, which the main window follows.
inline void choose(AppSettings& settings, const Look& look) {
    settings.setValue(setting::theme, look.theme);
    settings.setValue(setting::appearance, look.appearance);
}

// The look given to the whole application, for windows drawn apart from the main window.
inline void useLook(const Look& look) {
    const ThemeColors colors = Theme::colors(look.theme, look.isDark(), false);
    QApplication::setPalette(Theme::palette(colors));
    qApp->setStyleSheet(Theme::styleSheet(colors, QApplication::font()));
}

// Layouts and polish are posted events; a grab wants them done.
inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
}

// Writes the picture and prints its name, or says it could not.
inline void save(const QPixmap& picture, const QString& file) {
    if (!picture.save(file))
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
    else
        std::printf("%s\n", qPrintable(file));
}

} // namespace stowly::test
