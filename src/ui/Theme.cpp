#include "ui/Theme.h"

#include "ui/stages/StageStyle.h"

#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace stowly {
namespace {

QColor mix(const QColor& a, const QColor& b, double amountOfB) {
    auto channel = [&](double x, double y) { return int(std::lround(x + (y - x) * amountOfB)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

struct Accent {
    QColor light;
    QColor dark;
};

// Light accents carry white text, dark ones near-black text; both pass 4.5:1 with it.
Accent accentOf(ThemeID theme) {
    switch (theme) {
    case ThemeID::standard:
        return {QColor(0x1d, 0x1d, 0x1f), QColor(0xf0, 0xf0, 0xf2)};
    case ThemeID::aurora:
        return {QColor(0x0b, 0x6e, 0x66), QColor(0x3f, 0xd8, 0xbf)};
    case ThemeID::ocean:
        return {QColor(0x1a, 0x56, 0xc4), QColor(0x6c, 0xae, 0xff)};
    case ThemeID::twilight:
        return {QColor(0x6a, 0x3d, 0xc8), QColor(0xb7, 0x9f, 0xff)};
    case ThemeID::ember:
        return {QColor(0xb0, 0x3c, 0x0c), QColor(0xff, 0x9c, 0x60)};
    case ThemeID::forest:
        return {QColor(0x1e, 0x6a, 0x39), QColor(0x62, 0xd4, 0x8c)};
    }
    return {};
}

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

QString css(const QColor& c) {
    return c.alpha() == 255 ? c.name() : c.name(QColor::HexArgb);
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// A style sheet size relative to the desktop's font, in the unit the font was given in.
QString fontSize(const QFont& font, double factor) {
    if (font.pointSizeF() > 0)
        return QString::number(font.pointSizeF() * factor, 'f', 1) + QStringLiteral("pt");
    return QString::number(std::lround(font.pixelSize() * factor)) + QStringLiteral("px");
}

} // namespace

ThemeColors Theme::colors(ThemeID theme, bool dark, bool highContrast) {
    const Accent accent = accentOf(theme);
    ThemeColors c;
    c.highContrast = highContrast;
    if (highContrast) {
        // Solid colours only, and borders as strong as the text.
        const QColor ink = dark ? QColor(Qt::white) : QColor(Qt::black);
        const QColor paper = dark ? QColor(Qt::black) : QColor(Qt::white);
        c.window = c.panel = c.base = paper;
        c.text = ink;
        c.secondaryText = dark ? QColor(0xd8, 0xd8, 0xd8) : QColor(0x30, 0x30, 0x30);
        c.separator = ink;
        c.accent = dark ? accent.dark.lighter(115) : accent.light.darker(125);
        c.onAccent = paper;
        c.warning = dark ? QColor(0xff, 0xd0, 0x50) : QColor(0x80, 0x2a, 0x00);
        return c;
    }
    const bool tinted = theme != ThemeID::standard;
    if (dark) {
        c.accent = accent.dark;
        c.onAccent = QColor(0x14, 0x14, 0x16);
        c.window = QColor(0x1b, 0x1b, 0x1d);
        c.panel = QColor(0x24, 0x24, 0x27);
        c.base = QColor(0x2a, 0x2a, 0x2d);
        c.text = QColor(0xed, 0xed, 0xf0);
        c.secondaryText = QColor(0xa8, 0xa8, 0xaf);
        c.separator = QColor(0x3b, 0x3b, 0x40);
        c.warning = QColor(0xf5, 0xb5, 0x44);
    } else {
        c.accent = accent.light;
        c.onAccent = QColor(Qt::white);
        c.window = QColor(0xf2, 0xf2, 0xf4);
        c.panel = QColor(0xfb, 0xfb, 0xfc);
        c.base = QColor(Qt::white);
        c.text = QColor(0x1d, 0x1d, 0x1f);
        c.secondaryText = QColor(0x5a, 0x5a, 0x60);
        c.separator = QColor(0xd6, 0xd6, 0xdb);
        c.warning = QColor(0x9a, 0x34, 0x12);
    }
    if (tinted) {
        // Only a breath of the accent in the window, so text keeps its contrast.
        c.window = mix(c.window, c.accent, dark ? 0.05 : 0.04);
        c.panel = mix(c.panel, c.accent, 0.03);
        c.separator = mix(c.separator, c.accent, 0.15);
    }
    return c;
}

QPalette Theme::palette(const ThemeColors& c) {
    QPalette p;
    const QColor button = mix(c.panel, c.text, 0.07);
    const QColor disabledText = mix(c.secondaryText, c.panel, 0.35);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        p.setColor(group, QPalette::Window, c.window);
        p.setColor(group, QPalette::WindowText, off ? disabledText : c.text);
        p.setColor(group, QPalette::Base, c.base);
        p.setColor(group, QPalette::AlternateBase, mix(c.base, c.text, 0.03));
        p.setColor(group, QPalette::Text, off ? disabledText : c.text);
        p.setColor(group, QPalette::PlaceholderText, c.secondaryText);
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::ButtonText, off ? disabledText : c.text);
        p.setColor(group, QPalette::BrightText, c.warning);
        p.setColor(group, QPalette::Highlight, off ? c.separator : c.accent);
        p.setColor(group, QPalette::HighlightedText, off ? c.text : c.onAccent);
        p.setColor(group, QPalette::Link, c.accent);
        p.setColor(group, QPalette::LinkVisited, c.accent);
        p.setColor(group, QPalette::ToolTipBase, c.base);
        p.setColor(group, QPalette::ToolTipText, c.text);
        p.setColor(group, QPalette::Light, mix(button, Qt::white, 0.15));
        p.setColor(group, QPalette::Midlight, mix(button, c.separator, 0.5));
        p.setColor(group, QPalette::Mid, c.separator);
        p.setColor(group, QPalette::Dark, c.highContrast ? c.text : c.separator.darker(130));
        p.setColor(group, QPalette::Shadow, c.highContrast ? c.text : QColor(0, 0, 0, 90));
    }
    return p;
}

QString Theme::styleSheet(const ThemeColors& c, const QFont& font) {
    const int border = c.highContrast ? 2 : 1;
    const QColor soft = c.highContrast ? c.panel : withAlpha(c.accent, 40);
    const QString softBorder = c.highContrast
                                   ? QStringLiteral("%1px solid %2").arg(border).arg(css(c.text))
                                   : QStringLiteral("none");
    QString sheet = QStringLiteral(R"(
*[stowlyRole="panel"] { background: %PANEL%; border: %B%px solid %SEP%; border-radius: 8px; }
*[stowlyRole="bar"] { background: %PANEL%; border-top: %B%px solid %SEP%; }
QLabel[stowlyRole="stageBadge"] { border-radius: 12px; font-weight: 600; border: %B%px solid %SECONDARY%; color: %SECONDARY%; background: transparent; }
QLabel[stowlyRole="stageBadge"][stageState="active"] { background: %ACCENT%; color: %ONACCENT%; border-color: %ACCENT%; }
QLabel[stowlyRole="stageBadge"][stageState="done"] { background: %SOFT%; color: %TEXT%; border: %SOFTBORDER%; }
QLabel[stowlyRole="stageTitle"] { font-weight: 600; font-size: %TITLE%; }
QLabel[stowlyRole="pill"] { background: %SOFT%; color: %TEXT%; border: %SOFTBORDER%; border-radius: 8px; padding: 2px 8px; font-size: %SMALL%; }
QLabel[stowlyRole="badge"] { background: %SOFT%; color: %TEXT%; border: %SOFTBORDER%; border-radius: 6px; padding: 4px 8px; }
QLabel[stowlyRole="secondary"] { color: %SECONDARY%; font-size: %SMALL%; }
QLabel[stowlyRole="finishedTitle"] { font-weight: 600; font-size: %FINISHED%; }
QLabel[stowlyRole="warning"] { color: %WARNING%; }
QLabel[stowlyRole="appTitle"] { font-weight: 600; font-size: %TITLE%; }
QPushButton { background: %BUTTON%; color: %TEXT%; border: %B%px solid %SEP%; border-radius: 6px; padding: 5px 14px; min-width: 56px; }
QPushButton:hover { background: %BUTTONHOVER%; }
QPushButton:pressed { background: %SEP%; }
QPushButton:focus { border-color: %ACCENTLINE%; }
QPushButton:disabled { color: %SECONDARY%; background: transparent; }
QToolButton[stowlyRole="toolbar"] { background: transparent; color: %TEXT%; border: %B%px solid transparent; border-radius: 6px; padding: 4px 8px; }
QToolButton[stowlyRole="toolbar"]:hover { background: %HOVER%; border-color: %SEP%; }
QToolButton[stowlyRole="toolbar"]:disabled { color: %SECONDARY%; }
QToolButton#presetSwitcher { padding-right: 22px; }
QToolButton[stowlyRole="toolbar"]::menu-indicator { subcontrol-origin: padding; subcontrol-position: right center; right: 6px; }
QPushButton[stowlyRole="primary"] { background: %ACCENT%; color: %ONACCENT%; border: none; border-radius: 6px; padding: 7px 18px; font-weight: 600; }
QPushButton[stowlyRole="primary"]:hover { background: %ACCENTHOVER%; }
QPushButton[stowlyRole="primary"]:focus { border: 2px solid %TEXT%; padding: 5px 16px; }
QPushButton[stowlyRole="primary"]:disabled { background: %SEP%; color: %SECONDARY%; }
QToolButton[stowlyRole="segment"] { border: %B%px solid %SEP%; border-radius: 6px; padding: 3px 6px; background: transparent; color: %TEXT%; font-size: %SMALL%; }
QToolButton[stowlyRole="segment"]:checked { background: %SOFT%; border-color: %ACCENT%; }
QToolButton[stowlyRole="segment"]:hover:!checked { background: %HOVER%; }
QToolButton#reoffloadMenuButton { border: %B%px solid %SEP%; border-radius: 6px; padding: 3px 22px 3px 6px; background: transparent; color: %TEXT%; font-size: %SMALL%; }
QToolButton#reoffloadMenuButton:hover { background: %HOVER%; }
QToolButton#reoffloadMenuButton:disabled { color: %SECONDARY%; }
QToolButton#reoffloadMenuButton::menu-indicator { subcontrol-origin: padding; subcontrol-position: right center; right: 6px; }
QListWidget#failureList::item { padding: 2px 4px; }
QProgressBar { border: %B%px solid %SEP%; border-radius: 4px; background: %BASE%; max-height: 8px; }
QProgressBar::chunk { background: %ACCENT%; border-radius: 3px; }
)");
    const QColor hover = c.accent.lightness() > 128 ? c.accent.darker(110) : c.accent.lighter(125);
    const QList<std::pair<QString, QString>> values = {
        {QStringLiteral("%BUTTONHOVER%"), css(mix(c.panel, c.text, 0.12))},
        {QStringLiteral("%BUTTON%"), css(mix(c.panel, c.text, 0.07))},
        {QStringLiteral("%ACCENTLINE%"), css(c.accent)},
        {QStringLiteral("%PANEL%"), css(c.panel)},
        {QStringLiteral("%HOVER%"), css(withAlpha(c.text, 20))},
        {QStringLiteral("%BASE%"), css(c.base)},
        {QStringLiteral("%SEP%"), css(c.separator)},
        {QStringLiteral("%B%"), QString::number(border)},
        {QStringLiteral("%SECONDARY%"), css(c.secondaryText)},
        {QStringLiteral("%ACCENTHOVER%"), css(hover)},
        {QStringLiteral("%ACCENT%"), css(c.accent)},
        {QStringLiteral("%ONACCENT%"), css(c.onAccent)},
        {QStringLiteral("%SOFTBORDER%"), softBorder},
        {QStringLiteral("%SOFT%"), css(soft)},
        {QStringLiteral("%TEXT%"), css(c.text)},
        {QStringLiteral("%WARNING%"), css(c.warning)},
        {QStringLiteral("%TITLE%"), fontSize(font, 1.15)},
        {QStringLiteral("%FINISHED%"), fontSize(font, 1.5)},
        {QStringLiteral("%SMALL%"), fontSize(font, 0.9)},
    };
    for (const auto& [key, value] : values)
        sheet.replace(key, value);
    return sheet;
}

QIcon Theme::icon(const QString& name, const QColor& color) {
    // The symbolic form first: a full-colour icon drawn in one colour is a blot.
    const QIcon source = stageStyle::icon(name + QStringLiteral("-symbolic"), name);
    if (source.isNull())
        return {};
    QIcon tinted;
    for (const int size : {16, 24, 32, 48})
        tinted.addPixmap(stageStyle::tinted(source, color, size, 1.0));
    return tinted;
}

void Theme::useFallbackIcons() {
    // Some platforms (offscreen, bare X sessions) look only inside the program.
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& folder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory))
        if (!paths.contains(folder))
            paths.append(folder);
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == u"hicolor")
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

double Theme::contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace stowly
