#include "ui/settings/SettingsPage.h"

#include "app/settings/AppSettings.h"
#include "diagnostics/MailHandoff.h"
#include "diagnostics/Support.h"
#include "ui/MailDelivery.h"
#include "ui/stages/StageStyle.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

namespace stowly {

SettingsPage::SettingsPage(std::shared_ptr<MailHandoff> handoff, QWidget* parent)
    : QWidget(parent),
      m_handoff(handoff ? std::move(handoff) : std::make_shared<SystemMailHandoff>()) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    content->setAutoFillBackground(false);
    m_layout = new QVBoxLayout(content);
    m_layout->setContentsMargins(24, 16, 24, 16);
    m_layout->setSpacing(8);
    scroll->setWidget(content);
    outer->addWidget(scroll);
}

void SettingsPage::addSection(const QString& title) {
    if (m_layout->count() > 0)
        m_layout->addSpacing(16);
    QLabel* heading = stageStyle::titleLabel(title, this);
    heading->setAccessibleName(title);
    m_layout->addWidget(heading);
}

void SettingsPage::addWidget(QWidget* widget) {
    m_layout->addWidget(widget);
}

void SettingsPage::addLayout(QLayout* layout) {
    m_layout->addLayout(layout);
}

QLabel* SettingsPage::addNote(const QString& text) {
    QLabel* note = stageStyle::secondaryLabel(text, this);
    note->setAccessibleName(text);
    // Notes belong to the control above them, so they sit closer to it than to the next one.
    note->setContentsMargins(24, 0, 0, 4);
    m_layout->addWidget(note);
    return note;
}

QCheckBox* SettingsPage::addSwitch(const QString& text, const std::function<bool()>& read,
                                   std::function<void(bool)> write) {
    auto* box = new QCheckBox(text, this);
    box->setAccessibleName(text);
    box->setChecked(read());
    connect(box, &QCheckBox::toggled, this, [write = std::move(write)](bool on) { write(on); });
    m_layout->addWidget(box);
    return box;
}

QCheckBox* SettingsPage::addSwitch(const QString& text, std::function<bool()> read,
                                   std::function<void(bool)> write, AppSettings& settings,
                                   QLatin1StringView key) {
    QCheckBox* box = addSwitch(text, read, std::move(write));
    // Another window (the menu, a preset) may change the value while this one is open.
    settings.onChange({key}, box, [box, read] { showChecked(box, read()); });
    return box;
}

QCheckBox* SettingsPage::addSwitch(const QString& text, AppSettings& settings,
                                   SettingKey<bool> key) {
    return addSwitch(
        text, [&settings, key] { return settings.value(key); },
        [&settings, key](bool on) { settings.setValue(key, on); }, settings, key);
}

void SettingsPage::showChecked(QCheckBox* box, bool on) {
    const QSignalBlocker blocker(box);
    box->setChecked(on);
}

void SettingsPage::finish() {
    m_layout->addStretch(1);
    m_layout->addSpacing(16);
    auto* links = new QHBoxLayout;
    links->setSpacing(16);
    auto link = [this](const QString& text, const QString& name, auto activated) {
        auto* label =
            new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), this);
        label->setObjectName(name);
        label->setAccessibleName(text);
        label->setProperty("linkText", text);
        m_links << label;
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        label->setFont(stageStyle::secondaryFont(font()));
        // Longer languages wrap the two links rather than widen the page.
        label->setWordWrap(true);
        connect(label, &QLabel::linkActivated, this, activated);
        return label;
    };
    links->addWidget(
        link(tr("Email a bug report with Stowly’s recent log attached"),
             QStringLiteral("bugReportLink"),
             [this] { MailDelivery::sendBugReport(window(), std::nullopt, m_handoff); }),
        1);
    QLabel* tip = link(tr("Leave an optional tip for Stowly on Ko-fi"), QStringLiteral("tipLink"),
                       [this] { MailDelivery::openLink(window(), Support::tipPage(), m_handoff); });
    tip->setAlignment(Qt::AlignRight | Qt::AlignTop);
    links->addWidget(tip, 1);
    m_layout->addLayout(links);
    colourLinks();
}

QToolButton* SettingsPage::listButton(const QString& text, const QString& accessible,
                                      const QString& name) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setToolTip(accessible);
    button->setAccessibleName(accessible);
    button->setObjectName(name);
    button->setMinimumSize(28, 28);
    return button;
}

namespace {

// Paints only the selection of rows whose content is a widget: a soft tint of the accent, mixed
// from the view's palette at paint time so it follows every theme change.
class TintedSelection : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex&) const override {
        if (!(option.state & QStyle::State_Selected))
            return;
        const QColor base = option.palette.color(QPalette::Base);
        const QColor accent = option.palette.color(QPalette::Highlight);
        constexpr qreal share = 0.25;
        const auto mix = [](int from, int to) { return int(from + (to - from) * share); };
        painter->fillRect(option.rect,
                          QColor(mix(base.red(), accent.red()), mix(base.green(), accent.green()),
                                 mix(base.blue(), accent.blue())));
    }
};

} // namespace

void SettingsPage::addButtonRow(const QList<QToolButton*>& buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    for (QToolButton* button : buttons)
        row->addWidget(button);
    row->addStretch(1);
    addLayout(row);
}

void SettingsPage::addPickList(QStackedWidget* stack, QListWidget* list, const QString& name,
                               const QString& accessible, QWidget* empty) {
    list->setObjectName(name);
    list->setAccessibleName(accessible);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    tintSelection(list);
    stack->setMinimumHeight(168);
    stack->addWidget(list);
    stack->addWidget(empty);
    addWidget(stack);
}

void SettingsPage::addErrorLine(QLabel* label, const QString& name) {
    label->setWordWrap(true);
    if (!name.isEmpty())
        label->setObjectName(name);
    stageStyle::setRole(label, QStringLiteral("warning"));
    addWidget(label);
}

void SettingsPage::tintSelection(QAbstractItemView* list) {
    list->setItemDelegate(new TintedSelection(list));
}

std::optional<QUuid> SettingsPage::selectedID(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first()->data(Qt::UserRole).toUuid();
}

void SettingsPage::selectID(QListWidget* list, const QUuid& id) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->data(Qt::UserRole).toUuid() == id)
            list->setCurrentRow(row);
}

QWidget* SettingsPage::emptyState(const QString& title, const QString& hint, const QString& name,
                                  QWidget* parent) {
    auto* empty = new QWidget(parent);
    empty->setObjectName(name);
    auto* layout = new QVBoxLayout(empty);
    layout->addStretch(1);
    QLabel* heading = stageStyle::titleLabel(title, empty);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    QLabel* note = stageStyle::secondaryLabel(hint, empty);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);
    layout->addStretch(1);
    return empty;
}

void SettingsPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        colourLinks();
    QWidget::changeEvent(event);
}

void SettingsPage::colourLinks() {
    const QColor colour = palette().color(QPalette::Highlight);
    for (QLabel* label : std::as_const(m_links)) {
        QPalette linkPalette = palette();
        linkPalette.setColor(QPalette::Link, colour);
        label->setPalette(linkPalette);
        label->setText(QStringLiteral("<a href=\"#\">%1</a>")
                           .arg(label->property("linkText").toString().toHtmlEscaped()));
    }
}

} // namespace stowly
