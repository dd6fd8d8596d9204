#include "ui/settings/AppearanceSettingsTab.h"

#include "app/model/AppModel.h"
#include "app/settings/Translations.h"
#include "base/PlatformWords.h"
#include "ui/Theme.h"
#include "ui/stages/StageStyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace stowly {
namespace {

constexpr ThemeID themes[] = {ThemeID::standard, ThemeID::aurora, ThemeID::ocean,
                              ThemeID::twilight, ThemeID::ember,  ThemeID::forest};

QString themeTitle(ThemeID theme) {
    switch (theme) {
    case ThemeID::standard:
        return AppearanceSettingsTab::tr("Default");
    case ThemeID::aurora:
        return AppearanceSettingsTab::tr("Aurora");
    case ThemeID::ocean:
        return AppearanceSettingsTab::tr("Ocean");
    case ThemeID::twilight:
        return AppearanceSettingsTab::tr("Twilight");
    case ThemeID::ember:
        return AppearanceSettingsTab::tr("Ember");
    case ThemeID::forest:
        return AppearanceSettingsTab::tr("Forest");
    }
    return {};
}

// The theme's window with its accent, and a check mark on the chosen one.
QIcon swatch(ThemeID theme, bool dark, bool chosen, qreal ratio) {
    const ThemeColors colors = Theme::colors(theme, dark, false);
    const int edge = 40;
    QPixmap pixmap(QSize(edge, edge) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colors.separator, 1));
    painter.setBrush(colors.window);
    painter.drawRoundedRect(QRectF(0.5, 0.5, edge - 1, edge - 1), 8, 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.accent);
    const QRectF dot(8, 8, edge - 16, edge - 16);
    painter.drawEllipse(dot);
    if (chosen) {
        QPainterPath mark;
        mark.moveTo(dot.left() + dot.width() * 0.28, dot.center().y());
        mark.lineTo(dot.left() + dot.width() * 0.45, dot.top() + dot.height() * 0.68);
        mark.lineTo(dot.left() + dot.width() * 0.74, dot.top() + dot.height() * 0.34);
        painter.setPen(QPen(colors.onAccent, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(mark);
    }
    return QIcon(pixmap);
}

// Exclusive choices in a row under a label, written at once and following the setting.
template <typename T>
void addChoices(SettingsPage& page, const QString& title, const QString& name,
                const QList<std::pair<T, QString>>& choices, AppSettings& settings,
                SettingKey<T> key) {
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(new QLabel(title, &page));
    auto* group = new QButtonGroup(&page);
    for (const auto& [value, text] : choices) {
        auto* button = new QRadioButton(text, &page);
        button->setAccessibleName(title + u' ' + text);
        button->setObjectName(name + u'_' + displayOptions::rawValue(value));
        group->addButton(button, int(value));
        row->addWidget(button);
        QObject::connect(button, &QRadioButton::toggled, &page,
                         [&settings, key, v = value](bool on) {
                             if (on)
                                 settings.setValue(key, v);
                         });
    }
    row->addStretch(1);
    page.addLayout(row);
    auto show = [group, &settings, key] {
        const QSignalBlocker blocker(group);
        if (QAbstractButton* button = group->button(int(settings.value(key))))
            button->setChecked(true);
    };
    show();
    settings.onChange(key, &page, show);
}

} // namespace

AppearanceSettingsTab::AppearanceSettingsTab(AppModel& model, bool highContrast,
                                             std::shared_ptr<MailHandoff> handoff, QWidget* parent)
    : SettingsPage(std::move(handoff), parent), m_model(model) {
    setObjectName(QStringLiteral("appearanceSettings"));
    AppSettings& settings = model.settings();
    addThemes(highContrast);

    addSection(tr("Appearance"));
    addChoices<AppAppearance>(*this, tr("Appearance"), QStringLiteral("appearance"),
                              {{AppAppearance::system, tr("System")},
                               {AppAppearance::light, tr("Light")},
                               {AppAppearance::dark, tr("Dark")}},
                              settings, setting::appearance);
    auto* sample = new QPushButton(tr("Offload 12 Files"), this);
    sample->setObjectName(QStringLiteral("sampleStartButton"));
    sample->setAccessibleName(tr("Sample start button"));
    sample->setProperty("stowlyRole", QStringLiteral("primary"));
    sample->setFocusPolicy(Qt::NoFocus);
    auto* sampleRow = new QHBoxLayout;
    sampleRow->addWidget(sample);
    sampleRow->addStretch(1);
    addLayout(sampleRow);

    addSection(tr("Files"));
    addChoices<MediaLayout>(*this, tr("Show files as"), QStringLiteral("mediaLayout"),
                            {{MediaLayout::list, tr("List")}, {MediaLayout::grid, tr("Grid")}},
                            settings, setting::mediaLayout);
    addSwitch(tr("Show thumbnails in the list"), settings, setting::listThumbnails)
        ->setObjectName(QStringLiteral("listThumbnails"));
    addNote(tr("Select files and press Space to preview them%1. Thumbnails are only read from "
               "the card, never written to it.")
                .arg(platformWords::withPreviewService()));
    addLanguage();
    finish();
}

void AppearanceSettingsTab::addLanguage() {
    AppSettings& settings = m_model.settings();
    addSection(tr("Language"));
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("Language"), this);
    auto* choice = new QComboBox(this);
    choice->setObjectName(QStringLiteral("language"));
    choice->setAccessibleName(tr("Language"));
    label->setBuddy(choice);
    const QString chosen = settings.value(setting::language);
    for (const QString& value : Translations::settingValues())
        // The layout check is for translators, who choose it by name in the settings.
        if (value != Translations::pseudo || chosen == value)
            choice->addItem(Translations::displayName(value), value);
    choice->setCurrentIndex(std::max(0, choice->findData(chosen)));
    row->addWidget(label);
    row->addWidget(choice);
    row->addStretch(1);
    addLayout(row);
    connect(choice, &QComboBox::activated, this, [&settings, choice](int index) {
        settings.setValue(setting::language, choice->itemData(index).toString());
    });
    addNote(tr("Stowly speaks the chosen language the next time it opens."));
}

void AppearanceSettingsTab::addThemes(bool highContrast) {
    addSection(tr("Theme"));
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    m_themes = new QButtonGroup(this);
    for (const ThemeID theme : themes) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("theme_") + displayOptions::rawValue(theme));
        button->setText(themeTitle(theme));
        button->setAccessibleName(tr("%1 theme").arg(themeTitle(theme)));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(40, 40));
        button->setCheckable(true);
        button->setAutoRaise(true);
        m_themes->addButton(button, int(theme));
        row->addWidget(button);
    }
    row->addStretch(1);
    addLayout(row);
    connect(m_themes, &QButtonGroup::idClicked, this,
            [this](int id) { m_model.settings().setValue(setting::theme, ThemeID(id)); });
    m_model.settings().onChange(setting::theme, this, &AppearanceSettingsTab::showThemes);
    showThemes();
    addNote(tr("Default is neutral black and white. The colour themes tint the buttons, progress, "
               "highlights and the window’s background."));
    if (highContrast)
        addNote(tr("Increase Contrast or Reduce Transparency is on, so Stowly uses solid colours "
                   "from the theme instead of gradients."));
}

void AppearanceSettingsTab::changeEvent(QEvent* event) {
    // The swatches follow the window's own light or dark look.
    if (event->type() == QEvent::PaletteChange && m_themes)
        showThemes();
    SettingsPage::changeEvent(event);
}

void AppearanceSettingsTab::showThemes() {
    const ThemeID chosen = m_model.settings().value(setting::theme);
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    for (const ThemeID theme : themes) {
        QAbstractButton* button = m_themes->button(int(theme));
        button->setIcon(swatch(theme, dark, theme == chosen, devicePixelRatioF()));
        const QSignalBlocker blocker(button);
        button->setChecked(theme == chosen);
    }
}

} // namespace stowly
