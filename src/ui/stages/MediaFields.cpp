#include "ui/stages/MediaFields.h"
#include "ui/stages/DateRangeDialog.h"
#include "ui/stages/StageStyle.h"

#include "app/lists/CamerasModel.h"
#include "app/model/AppModel.h"
#include "app/model/CardDesk.h"
#include "app/wording/StageTexts.h"
#include "naming/NamingNeeds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QSignalBlocker>

#include <algorithm>

namespace stowly {

MediaFields::MediaFields(AppModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_project(new QLineEdit(this)), m_recent(new QMenu(this)),
      m_camera(new QComboBox(this)), m_quickDump(new QCheckBox(StageTexts::quickDumpLabel(), this)),
      m_dates(new QComboBox(this)) {
    m_project->setObjectName(QStringLiteral("projectField"));
    m_project->setAccessibleName(StageTexts::projectLabel());
    m_project->setToolTip(StageTexts::projectHelp());
    m_project->setClearButtonEnabled(true);
    // The clear button's action is Qt's own; its text is what a screen reader says for it.
    if (auto* clear = m_project->findChild<QAction*>(QStringLiteral("_q_qlineeditclearaction")))
        clear->setText(StageTexts::clearProject());
    QAction* recent = m_project->addAction(stageStyle::icon(QStringLiteral("document-open-recent")),
                                           QLineEdit::TrailingPosition);
    recent->setText(StageTexts::recentProjects());
    recent->setToolTip(StageTexts::recentProjects());
    connect(recent, &QAction::triggered, this, [this] {
        fillRecentMenu();
        m_recent->popup(m_project->mapToGlobal(m_project->rect().bottomRight()) -
                        QPoint(m_recent->sizeHint().width(), 0));
    });
    // Not textEdited: dictation and automation fill a field through the accessibility
    // interface, and whatever a field shows is what the offload must use.
    connect(m_project, &QLineEdit::textChanged, this, [this](const QString& text) {
        const CardDesk* desk = m_model.selectedDesk();
        if (desk && desk->hasOffload() && desk->projectInput() != text)
            m_model.setProject(text);
    });

    m_camera->setObjectName(QStringLiteral("cameraField"));
    m_camera->setAccessibleName(StageTexts::cameraLabel());
    m_camera->setToolTip(StageTexts::cameraHelp());
    m_camera->setPlaceholderText(StageTexts::cameraPlaceholder());
    m_camera->setModel(&m_model.cameraList());
    m_camera->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_camera->setMinimumContentsLength(12);
    connect(m_camera, &QComboBox::activated, this, [this](int row) {
        const QVariant id = m_camera->itemData(row, CamerasModel::IdRole);
        m_model.selectCamera(id.isValid() ? std::optional(id.toUuid()) : std::nullopt);
    });

    m_quickDump->setObjectName(QStringLiteral("quickDumpSwitch"));
    m_quickDump->setAccessibleName(StageTexts::quickDumpLabel());
    m_quickDump->setToolTip(StageTexts::quickDumpHelp());
    connect(m_quickDump, &QCheckBox::toggled, this,
            [this](bool on) { m_model.settings().setValue(setting::quickDump, on); });

    m_dates->setObjectName(QStringLiteral("dateFilter"));
    m_dates->setAccessibleName(StageTexts::datesLabel());
    m_dates->setToolTip(StageTexts::dateFilterHelp());
    m_dates->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_dates, &QComboBox::activated, this, [this](int row) {
        const QVariant mode = m_dates->itemData(row);
        if (!mode.isValid()) {
            chooseDates();
            return;
        }
        DateFilter filter = m_model.settings().value(setting::dateFilter);
        filter.mode = DateFilter::Mode(mode.toInt());
        m_model.settings().setValue(setting::dateFilter, filter);
    });

    m_projectLabel = new QLabel(StageTexts::projectLabel(), this);
    m_projectLabel->setBuddy(m_project);
    m_cameraLabel = new QLabel(StageTexts::cameraLabel(), this);
    m_cameraLabel->setBuddy(m_camera);
    m_datesLabel = new QLabel(StageTexts::datesLabel(), this);
    m_datesLabel->setBuddy(m_dates);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    arrange(true);

    for (auto signal : {&AppModel::sessionChanged, &AppModel::sessionUpdated})
        connect(&m_model, signal, this, &MediaFields::update);
    m_model.settings().onChange(
        {setting::quickDump, setting::dateFilter, setting::folderTemplate, setting::fileTemplate},
        this, &MediaFields::update);
    connect(&m_model.cameraList(), &QAbstractItemModel::modelReset, this, &MediaFields::update);
    connect(&m_model.cameraList(), &QAbstractItemModel::rowsInserted, this, &MediaFields::update);
    update();
}

void MediaFields::fillRecentMenu() {
    m_recent->clear();
    m_recent->addSection(StageTexts::recentProjects());
    const QStringList names = m_model.settings().value(setting::recentProjects);
    for (const QString& name : names)
        m_recent->addAction(name, this, [this, name] {
            m_project->setText(name);
            m_model.setProject(name);
        });
    m_recent->addSeparator();
    QAction* clear = m_recent->addAction(StageTexts::clearRecentProjects(), this, [this] {
        m_model.settings().setValue(setting::recentProjects, {});
    });
    clear->setEnabled(!names.isEmpty());
}

QString MediaFields::dateModeName(DateFilter::Mode mode, const DateFilter& filter) {
    switch (mode) {
    case DateFilter::Mode::any:
        return tr("Any date");
    case DateFilter::Mode::today:
        return tr("Today");
    case DateFilter::Mode::last7Days:
        return tr("Last 7 days");
    case DateFilter::Mode::custom:
        break;
    }
    const QLocale locale;
    const QString from = locale.toString(filter.from.date(), QLocale::ShortFormat);
    const QString to = locale.toString(filter.to.date(), QLocale::ShortFormat);
    return from == to ? from : tr("%1 to %2").arg(from, to);
}

void MediaFields::fillDates() {
    const DateFilter filter = m_model.settings().value(setting::dateFilter);
    const QSignalBlocker blocker(m_dates);
    m_dates->clear();
    QList<DateFilter::Mode> modes{DateFilter::Mode::any, DateFilter::Mode::today,
                                  DateFilter::Mode::last7Days};
    // The range in use shows as a choice of its own while it applies.
    if (filter.mode == DateFilter::Mode::custom)
        modes.append(DateFilter::Mode::custom);
    for (DateFilter::Mode mode : modes)
        m_dates->addItem(dateModeName(mode, filter), int(mode));
    m_dates->insertSeparator(m_dates->count());
    // No data: choosing it opens the calendars instead of setting a mode.
    m_dates->addItem(tr("Choose Dates…"));
    m_dates->setCurrentIndex(m_dates->findData(int(filter.mode)));
}

void MediaFields::chooseDates() {
    const DateFilter current = m_model.settings().value(setting::dateFilter);
    const QDate today = QDate::currentDate();
    const bool custom = current.mode == DateFilter::Mode::custom;
    DateRangeDialog dialog(custom ? current.from.toLocalTime().date() : today,
                           custom ? current.to.toLocalTime().date() : today, window());
    if (dialog.exec() == QDialog::Accepted)
        m_model.settings().setValue(setting::dateFilter,
                                    DateFilter::days(dialog.first(), dialog.last()));
    // Cancelled or not, the field shows the filter that applies.
    fillDates();
}

void MediaFields::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Room for a project name of some length beside the camera's choice.
    const int labels =
        std::max(m_cameraLabel->sizeHint().width(), m_datesLabel->sizeHint().width());
    const int sideBySide = m_projectLabel->sizeHint().width() + 160 + labels +
                           std::max(m_camera->sizeHint().width(), m_dates->sizeHint().width()) +
                           3 * 8;
    if ((width() >= sideBySide) != m_sideBySide)
        arrange(!m_sideBySide);
}

void MediaFields::arrange(bool sideBySide) {
    m_sideBySide = sideBySide;
    auto* grid = static_cast<QGridLayout*>(layout());
    for (QWidget* field : {static_cast<QWidget*>(m_projectLabel), static_cast<QWidget*>(m_project),
                           static_cast<QWidget*>(m_cameraLabel), static_cast<QWidget*>(m_camera),
                           static_cast<QWidget*>(m_quickDump), static_cast<QWidget*>(m_datesLabel),
                           static_cast<QWidget*>(m_dates)})
        grid->removeWidget(field);
    grid->addWidget(m_projectLabel, 0, 0);
    grid->addWidget(m_project, 0, 1);
    if (sideBySide) {
        grid->addWidget(m_cameraLabel, 0, 2);
        grid->addWidget(m_camera, 0, 3);
        grid->addWidget(m_quickDump, 1, 1);
        grid->addWidget(m_datesLabel, 1, 2);
        grid->addWidget(m_dates, 1, 3);
    } else {
        grid->addWidget(m_quickDump, 1, 1);
        grid->addWidget(m_cameraLabel, 2, 0);
        grid->addWidget(m_camera, 2, 1);
        grid->addWidget(m_datesLabel, 3, 0);
        grid->addWidget(m_dates, 3, 1);
    }
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, sideBySide ? 2 : 0);
}

void MediaFields::update() {
    const CardDesk* desk = m_model.selectedDesk();
    const bool hasOffload = desk && desk->hasOffload();
    const bool editable = hasOffload && desk->isOpen();
    const AppSettings& settings = m_model.settings();

    if (hasOffload && !m_project->hasFocus() && m_project->text() != desk->projectInput())
        m_project->setText(desk->projectInput());
    if (settings.value(setting::quickDump))
        m_project->setPlaceholderText(StageTexts::projectPromptQuickDump());
    else if (!NamingNeeds(settings.effectiveNaming()).usesProject)
        m_project->setPlaceholderText(StageTexts::projectPromptUnused());
    else
        m_project->setPlaceholderText({});
    m_project->setEnabled(editable);

    {
        const QSignalBlocker blocker(m_camera);
        int row = -1;
        if (const std::optional<QUuid> camera = hasOffload ? desk->cameraID() : std::nullopt)
            for (int i = 0; i < m_camera->count(); ++i)
                if (m_camera->itemData(i, CamerasModel::IdRole).toUuid() == *camera)
                    row = i;
        m_camera->setCurrentIndex(row);
    }
    m_camera->setEnabled(editable && m_camera->count() > 0);

    {
        const QSignalBlocker blocker(m_quickDump);
        m_quickDump->setChecked(settings.value(setting::quickDump));
    }
    m_quickDump->setEnabled(!hasOffload || editable);
    fillDates();
    m_dates->setEnabled(!hasOffload || editable);
}

} // namespace stowly
