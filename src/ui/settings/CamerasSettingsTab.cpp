#include "ui/settings/CamerasSettingsTab.h"

#include "app/stores/CameraStore.h"
#include "ui/stages/StageStyle.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace stowly {
namespace {

enum Column { nameColumn, codeColumn };

} // namespace

CamerasSettingsTab::CamerasSettingsTab(CameraStore& cameras, std::shared_ptr<MailHandoff> handoff,
                                       QWidget* parent)
    : SettingsPage(std::move(handoff), parent), m_cameras(cameras) {
    setObjectName(QStringLiteral("camerasSettings"));
    addSection(tr("Cameras"));

    m_stack = new QStackedWidget(this);
    m_stack->setMinimumHeight(200);
    m_table = new QTableWidget(0, 2, m_stack);
    m_table->setObjectName(QStringLiteral("cameraTable"));
    m_table->setAccessibleName(tr("Cameras"));
    m_table->setHorizontalHeaderLabels({tr("Camera name"), tr("Short Code")});
    m_table->horizontalHeader()->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(codeColumn, QHeaderView::Interactive);
    m_table->horizontalHeader()->resizeSection(codeColumn, 140);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::SelectedClicked);
    m_stack->addWidget(m_table);

    QWidget* empty = emptyState(tr("No Cameras"), tr("Click + to add the cameras you shoot with."),
                                QStringLiteral("noCameras"), m_stack);
    m_stack->addWidget(empty);
    addWidget(m_stack);

    QToolButton* add =
        listButton(QStringLiteral("+"), tr("Add a camera"), QStringLiteral("addCamera"));
    m_remove = listButton(QStringLiteral("−"), tr("Remove the selected camera"),
                          QStringLiteral("removeCamera"));
    addButtonRow({add, m_remove});
    m_error = new QLabel(this);
    addErrorLine(m_error);

    addNote(tr("Pick one in the Media stage for each card. The short code (or the name) fills the "
               "{camera} token."));
    addNote(tr("Stowly remembers the camera you pick for each card and selects it the next time "
               "that card is inserted."));
    finish();

    connect(add, &QToolButton::clicked, this, &CamerasSettingsTab::addCamera);
    connect(m_remove, &QToolButton::clicked, this, &CamerasSettingsTab::removeSelected);
    connect(m_table, &QTableWidget::itemChanged, this, &CamerasSettingsTab::edited);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_table->selectedItems().isEmpty()); });
    connect(&m_cameras, &CameraStore::changed, this, &CamerasSettingsTab::showCameras);
    showCameras();
}

void CamerasSettingsTab::showCameras() {
    const QList<Camera>& cameras = m_cameras.cameras();
    m_showing = true;
    const QSignalBlocker blocker(m_table);
    m_table->setRowCount(int(cameras.size()));
    for (int row = 0; row < cameras.size(); ++row) {
        const Camera& camera = cameras[row];
        for (const auto& [column, text] :
             {std::pair{nameColumn, camera.name}, std::pair{codeColumn, camera.code}}) {
            QTableWidgetItem* item = m_table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                m_table->setItem(row, column, item);
            }
            item->setText(text);
            item->setData(Qt::UserRole, camera.id);
        }
    }
    m_showing = false;
    m_stack->setCurrentIndex(cameras.isEmpty() ? 1 : 0);
    m_remove->setEnabled(!m_table->selectedItems().isEmpty());
    const std::optional<QString>& error = m_cameras.lastError();
    m_error->setText(error.value_or(QString()));
    m_error->setVisible(error.has_value());
}

void CamerasSettingsTab::edited(QTableWidgetItem* item) {
    if (m_showing)
        return;
    const QUuid id = item->data(Qt::UserRole).toUuid();
    const QString text = item->text().trimmed();
    if (item->column() == nameColumn) {
        // A camera keeps a name: an emptied field reverts to it.
        if (text.isEmpty())
            showCameras();
        else
            m_cameras.rename(id, text);
    } else {
        m_cameras.setCode(id, text);
    }
}

void CamerasSettingsTab::addCamera() {
    const Camera camera = m_cameras.add(tr("New Camera"), QString());
    const int row = int(m_cameras.cameras().size()) - 1;
    if (row < 0 || m_cameras.cameras()[row].id != camera.id)
        return;
    m_table->setCurrentCell(row, nameColumn);
    m_table->editItem(m_table->item(row, nameColumn));
}

void CamerasSettingsTab::removeSelected() {
    QSet<QUuid> ids;
    for (const QTableWidgetItem* item : m_table->selectedItems())
        ids.insert(item->data(Qt::UserRole).toUuid());
    if (!ids.isEmpty())
        m_cameras.remove(ids);
}

} // namespace stowly
