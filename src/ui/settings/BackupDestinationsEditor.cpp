#include "ui/settings/BackupDestinationsEditor.h"

#include "app/settings/AppSettings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace stowly {

BackupDestinationsEditor::BackupDestinationsEditor(AppSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_list(new QListWidget(this)),
      m_remove(new QToolButton(this)) {
    setObjectName(QStringLiteral("backupDestinations"));
    m_chooser = [this](const QString& message) {
        return QFileDialog::getExistingDirectory(this, message, QDir::homePath());
    };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_list->setObjectName(QStringLiteral("backupList"));
    m_list->setAccessibleName(tr("Backup destinations"));
    m_list->setMinimumHeight(72);
    m_list->setMaximumHeight(120);
    m_list->setTextElideMode(Qt::ElideMiddle);
    layout->addWidget(m_list);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    auto* add = new QToolButton(this);
    for (const auto& [button, text, label, name] :
         {std::tuple{add, QStringLiteral("+"), tr("Add a backup folder"),
                     QStringLiteral("addBackup")},
          std::tuple{m_remove, QStringLiteral("−"), tr("Remove the selected backup folder"),
                     QStringLiteral("removeBackup")}}) {
        button->setText(text);
        button->setToolTip(label);
        button->setAccessibleName(label);
        button->setObjectName(name);
        button->setMinimumSize(28, 28);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(add, &QToolButton::clicked, this, &BackupDestinationsEditor::addFolder);
    connect(m_remove, &QToolButton::clicked, this, &BackupDestinationsEditor::removeSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_list->selectedItems().isEmpty()); });
    m_settings.onChange(setting::backupDestinations, this, &BackupDestinationsEditor::showFolders);
    showFolders();
}

void BackupDestinationsEditor::showFolders() {
    m_list->clear();
    for (const QString& folder : m_settings.value(setting::backupDestinations)) {
        const bool connected = QFileInfo(folder).isDir();
        auto* item =
            new QListWidgetItem(connected ? folder : tr("%1 — Not Connected").arg(folder), m_list);
        item->setData(Qt::UserRole, folder);
        item->setToolTip(folder);
    }
    if (m_list->count() == 0) {
        auto* hint = new QListWidgetItem(tr("No backups: every file gets one copy."), m_list);
        hint->setFlags(Qt::NoItemFlags);
    }
    m_remove->setEnabled(!m_list->selectedItems().isEmpty());
}

void BackupDestinationsEditor::addFolder() {
    const QString folder = m_chooser(tr("Choose a folder for backup copies."));
    if (folder.isEmpty())
        return;
    QStringList folders = m_settings.value(setting::backupDestinations);
    m_settings.setValue(setting::backupDestinations, folders << folder);
}

void BackupDestinationsEditor::removeSelected() {
    QStringList folders = m_settings.value(setting::backupDestinations);
    for (const QListWidgetItem* item : m_list->selectedItems())
        folders.removeAll(item->data(Qt::UserRole).toString());
    m_settings.setValue(setting::backupDestinations, folders);
}

} // namespace stowly
