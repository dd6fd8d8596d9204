#include "ui/settings/BackupDestinationsEditor.h"
#include "copy/FolderProbe.h"

#include "app/settings/AppSettings.h"
#include "ui/settings/SettingsPage.h"
#include "ui/stages/ElidedLabel.h"
#include "ui/stages/StageStyle.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace stowly {
namespace {

constexpr int folderRole = Qt::UserRole;
constexpr int connectedRole = Qt::UserRole + 1;

// What the combo box of a backup names it by: the folder's own name, or the whole path for the
// top of a drive.
QString shortName(const QString& folder) {
    const QString name = QFileInfo(folder).fileName();
    return name.isEmpty() ? folder : name;
}

} // namespace

BackupDestinationsEditor::BackupDestinationsEditor(AppSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_list(new QListWidget(this)),
      m_add(new QToolButton(this)), m_remove(new QToolButton(this)) {
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
    SettingsPage::tintSelection(m_list);
    layout->addWidget(m_list);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    for (const auto& [button, text, label, name] :
         {std::tuple{m_add, QStringLiteral("+"), tr("Add a backup folder"),
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

    connect(m_add, &QToolButton::clicked, this, &BackupDestinationsEditor::addFolder);
    connect(m_remove, &QToolButton::clicked, this, &BackupDestinationsEditor::removeSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_list->selectedItems().isEmpty()); });
    m_settings.onChange(setting::backupDestinations, this, &BackupDestinationsEditor::showFolders);
    m_settings.onChange(setting::cascadeDestinations, this, &BackupDestinationsEditor::showSources);
    showFolders();
}

void BackupDestinationsEditor::showFolders() {
    m_list->clear();
    m_sources.clear();
    // Tab goes from the list through its rows' choices to the buttons, as they are seen.
    QWidget* previous = m_list;
    for (const QString& folder : m_settings.value(setting::backupDestinations)) {
        const bool connected = FolderProbe::isFolder(folder);
        auto* item = new QListWidgetItem(m_list);
        item->setData(folderRole, folder);
        item->setData(connectedRole, connected);
        auto* row = new QWidget(m_list);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(8, 4, 8, 4);
        layout->setSpacing(8);
        auto* path = new ElidedLabel(row);
        path->setFullText(folder);
        layout->addWidget(path, 1);
        if (!connected) {
            auto* away = new QLabel(tr("Not Connected"), row);
            away->setObjectName(QStringLiteral("notConnected"));
            stageStyle::setRole(away, QStringLiteral("warning"));
            layout->addWidget(away);
        }
        auto* source = new QComboBox(row);
        source->setObjectName(QStringLiteral("backupSource"));
        source->addItem(tr("From the card"));
        source->addItem(tr("From the first copy"));
        source->setAccessibleName(tr("Copy to %1 from").arg(shortName(folder)));
        source->setToolTip(folder);
        connect(source, &QComboBox::activated, this,
                [this, folder](int index) { m_settings.setCascades(folder, index == 1); });
        layout->addWidget(source);
        item->setSizeHint(row->sizeHint());
        m_list->setItemWidget(item, row);
        QWidget::setTabOrder(previous, source);
        previous = source;
        m_sources << source;
    }
    QWidget::setTabOrder(previous, m_add);
    if (m_list->count() == 0) {
        const QString text = tr("No backups: every file gets one copy.");
        auto* hint = new QListWidgetItem(m_list);
        hint->setFlags(Qt::NoItemFlags);
        hint->setData(Qt::AccessibleTextRole, text);
        auto* label = new QLabel(text, m_list);
        stageStyle::setRole(label, QStringLiteral("secondary"));
        label->setContentsMargins(8, 4, 8, 4);
        hint->setSizeHint(label->sizeHint());
        m_list->setItemWidget(hint, label);
    }
    m_remove->setEnabled(!m_list->selectedItems().isEmpty());
    showSources();
}

void BackupDestinationsEditor::showSources() {
    for (qsizetype row = 0; row < m_sources.size(); ++row) {
        QListWidgetItem* item = m_list->item(int(row));
        const QString folder = item->data(folderRole).toString();
        QComboBox* source = m_sources[row];
        source->setCurrentIndex(m_settings.cascades(folder) ? 1 : 0);
        QStringList spoken{folder};
        if (!item->data(connectedRole).toBool())
            spoken << tr("Not Connected");
        spoken << source->currentText();
        item->setData(Qt::AccessibleTextRole, spoken.join(QStringLiteral(", ")));
    }
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
        folders.removeAll(item->data(folderRole).toString());
    m_settings.setValue(setting::backupDestinations, folders);
}

} // namespace stowly
