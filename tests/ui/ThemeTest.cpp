#include "ui/Theme.h"
#include "ui/stages/StageStyle.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

using namespace stowly;

// Body text, secondary text, text on the accent and warnings stay readable (WCAG AA, 4.5:1)
// in every theme, appearance and contrast mode, judged from the palette the window gets.
TEST(ThemeTest, EveryThemeKeepsTextReadable) {
    EXPECT_NEAR(Theme::contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    constexpr double aa = 4.5;
    for (ThemeID theme : {ThemeID::standard, ThemeID::aurora, ThemeID::ocean, ThemeID::twilight,
                          ThemeID::ember, ThemeID::forest}) {
        for (bool dark : {false, true}) {
            for (bool highContrast : {false, true}) {
                const ThemeColors colors = Theme::colors(theme, dark, highContrast);
                const QPalette p = Theme::palette(colors);
                const std::string where = displayOptions::rawValue(theme).toStdString() +
                                          (dark ? " dark" : " light") +
                                          (highContrast ? " high contrast" : "");
                auto check = [&](QPalette::ColorRole text, QPalette::ColorRole background,
                                 const char* what) {
                    EXPECT_GE(Theme::contrastRatio(p.color(text), p.color(background)), aa)
                        << where << ": " << what;
                };
                check(QPalette::WindowText, QPalette::Window, "body text on the window");
                check(QPalette::Text, QPalette::Base, "text in lists");
                check(QPalette::PlaceholderText, QPalette::Window, "secondary on the window");
                check(QPalette::PlaceholderText, QPalette::Base, "secondary in lists");
                check(QPalette::ButtonText, QPalette::Button, "button labels");
                check(QPalette::HighlightedText, QPalette::Highlight, "text on the accent");
                for (const auto& [color, what] :
                     {std::pair{colors.text, "body text on panels"},
                      std::pair{colors.secondaryText, "secondary on panels"},
                      std::pair{colors.warning, "warnings on panels"}})
                    EXPECT_GE(Theme::contrastRatio(color, colors.panel), aa)
                        << where << ": " << what;
                // Dark means dark: the appearance is not only a name.
                EXPECT_EQ(p.color(QPalette::Window).lightness() < 128, dark) << where;
            }
        }
    }
}

// Without any icon theme (a bare X session) every icon the window names still draws, in the
// text colour of the moment.
TEST(ThemeTest, TheWindowsIconsDrawWithoutAnIconTheme) {
    const QStringList paths = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(QString());
    const auto opaquePixels = [](const QImage& image, QColor* seen) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 128) {
                    ++count;
                    *seen = QColor(image.pixel(x, y));
                }
        return count;
    };
    const QStringList names = QDir(QStringLiteral(":/symbolic")).entryList();
    EXPECT_GE(names.size(), 20);
    for (const QString& file : names) {
        const QString name = file.chopped(4);
        const QIcon icon = stageStyle::icon(name);
        QColor seen;
        EXPECT_GT(opaquePixels(icon.pixmap(16, 16).toImage(), &seen), 8) << name.toStdString();
        EXPECT_EQ(seen.rgb(), QApplication::palette().color(QPalette::WindowText).rgb())
            << name.toStdString();
    }
    // The names the window asks for, with their alternatives.
    for (const char* name : {"open-menu", "starred", "system-file-manager", "folder-open",
                             "document-open-recent", "view-list", "view-grid", "media-eject"})
        EXPECT_FALSE(stageStyle::icon(QString::fromLatin1(name)).isNull()) << name;
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(theme);
}
