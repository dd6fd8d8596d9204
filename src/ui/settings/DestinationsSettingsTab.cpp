#include "ui/settings/DestinationsSettingsTab.h"

#include "app/model/AppModel.h"
#include "ui/settings/BackupDestinationsEditor.h"
#include "ui/settings/ReorderingList.h"
#include "ui/stages/ElidedLabel.h"
#include "ui/stages/StageStyle.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace stowly {
namespace {

constexpr int idRole = Qt::UserRole;

QLabel* notConnectedLabel(QWidget* parent) {
    auto* label = new QLabel(DestinationsSettingsTab::tr("Not Connected"), parent);
    label->setObjectName(QStringLiteral("notConnected"));
    stageStyle::setRole(label, QStringLiteral("warning"));
    return label;
}

// One favourite in the list: its name over its folder, and whether it is the default and there.
QWidget* favoriteRow(const FavoriteDestination& favorite, bool isDefault, bool connected,
                     QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(8);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(new QLabel(favorite.displayName(), row));
    auto* path = new ElidedLabel(row);
    path->setFullText(favorite.path);
    stageStyle::setRole(path, QStringLiteral("secondary"));
    path->setFont(stageStyle::secondaryFont(path->font()));
    texts->addWidget(path);
    layout->addLayout(texts, 1);
    if (!connected)
        layout->addWidget(notConnectedLabel(row), 0, Qt::AlignVCenter);
    if (isDefault) {
        auto* pill = new QLabel(DestinationsSettingsTab::tr("Default"), row);
        pill->setObjectName(QStringLiteral("default"));
        stageStyle::setRole(pill, QStringLiteral("pill"));
        layout->addWidget(pill, 0, Qt::AlignVCenter);
    }
    return row;
}

} // namespace

DestinationsSettingsTab::DestinationsSettingsTab(AppModel& model,
                                                 std::shared_ptr<MailHandoff> handoff,
                                                 QWidget* parent,
                                                 AppSettings::FolderPicker pickFolder)
    : SettingsPage(std::move(handoff), parent), m_model(model), m_pickFolder(std::move(pickFolder)),
      m_listStack(new QStackedWidget(this)), m_list(new ReorderingList(m_listStack)),
      m_error(new QLabel(this)), m_details(new QWidget(this)), m_name(new QLineEdit(m_details)),
      m_path(new ElidedLabel(m_details)), m_notConnected(notConnectedLabel(m_details)),
      m_makeDefault(new QPushButton(tr("Make Default"), m_details)),
      m_changeFolder(new QPushButton(tr("Change Folder…"), m_details)) {
    setObjectName(QStringLiteral("destinationsSettings"));
    if (!m_pickFolder)
        m_pickFolder = [this](const std::optional<QString>& start, const QString& message) {
            const QString path =
                QFileDialog::getExistingDirectory(this, message, start.value_or(QString()));
            return path.isEmpty() ? std::nullopt : std::optional(path);
        };

    addSection(tr("Favorite Destinations"));
    addNote(tr("Switch between these in the Destination stage. A favorite on a drive that isn’t "
               "plugged in shows as Not Connected."));
    addNote(tr("Stowly starts in the default favorite. If its drive isn’t connected, it uses the "
               "one you used last. Drag favorites to put them in another order."));

    addPickList(m_listStack, m_list, QStringLiteral("favoriteList"), tr("Favorite Destinations"),
                emptyState(tr("No Favorites"), tr("Click + to add a folder you offload to often."),
                           QStringLiteral("noFavorites"), m_listStack));
    QToolButton* add =
        listButton(QStringLiteral("+"), tr("Add a favorite folder"), QStringLiteral("addFavorite"));
    m_remove = listButton(QStringLiteral("−"), tr("Remove the selected favorite"),
                          QStringLiteral("removeFavorite"));
    addButtonRow({add, m_remove});
    addErrorLine(m_error, QStringLiteral("destinationsError"));

    m_name->setObjectName(QStringLiteral("favoriteName"));
    m_name->setAccessibleName(tr("Favorite name"));
    m_path->setObjectName(QStringLiteral("favoritePath"));
    m_path->setAccessibleName(tr("Folder"));
    m_makeDefault->setObjectName(QStringLiteral("makeDefault"));
    m_makeDefault->setAccessibleName(m_makeDefault->text());
    m_changeFolder->setObjectName(QStringLiteral("changeFolder"));
    m_changeFolder->setAccessibleName(m_changeFolder->text());
    auto* form = new QFormLayout(m_details);
    form->setContentsMargins(0, 16, 0, 0);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(8);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(tr("Name"), m_name);
    auto* where = new QHBoxLayout;
    where->setSpacing(8);
    where->addWidget(m_path, 1);
    where->addWidget(m_notConnected);
    form->addRow(tr("Folder"), where);
    auto* actions = new QHBoxLayout;
    actions->setSpacing(8);
    actions->addWidget(m_changeFolder);
    actions->addWidget(m_makeDefault);
    actions->addStretch(1);
    form->addRow(QString(), actions);
    addWidget(m_details);
    addBackups();
    finish();

    connect(m_list, &ReorderingList::moveRequested, this,
            [this](const QList<int>& rows, int to) { m_model.destinations().move(rows, to); });
    connect(add, &QToolButton::clicked, this, &DestinationsSettingsTab::addFavorite);
    connect(m_remove, &QToolButton::clicked, this, [this] {
        if (const std::optional<QUuid> id = selectedFavorite())
            m_model.destinations().remove({*id});
    });
    connect(m_name, &QLineEdit::editingFinished, this, [this] {
        if (!m_name->isModified())
            return;
        m_name->setModified(false);
        if (const std::optional<QUuid> id = selectedFavorite())
            m_model.destinations().rename(*id, m_name->text().trimmed());
    });
    connect(m_makeDefault, &QPushButton::clicked, this, [this] {
        if (const std::optional<QUuid> id = selectedFavorite())
            m_model.destinations().setDefault(*id);
    });
    connect(m_changeFolder, &QPushButton::clicked, this, &DestinationsSettingsTab::changeFolder);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            &DestinationsSettingsTab::showSelected);
    connect(&m_model.destinations(), &DestinationStore::changed, this,
            &DestinationsSettingsTab::showFavorites);
    // A drive that comes or goes changes which favourites are connected.
    connect(&m_model.destinations(), &DestinationStore::mountRevisionChanged, this,
            &DestinationsSettingsTab::showFavorites);
    showFavorites();
}

std::optional<QUuid> DestinationsSettingsTab::selectedFavorite() const {
    return selectedID(m_list);
}

void DestinationsSettingsTab::selectFavorite(const QUuid& id) {
    selectID(m_list, id);
}

void DestinationsSettingsTab::showFavorites() {
    const DestinationStore& store = m_model.destinations();
    const std::optional<QUuid> selected = selectedFavorite();
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const FavoriteDestination& favorite : store.favorites()) {
            const bool isDefault = store.defaultID() == favorite.id;
            const bool connected = store.folderExists(favorite.path);
            auto* item = new QListWidgetItem(m_list);
            item->setData(idRole, favorite.id);
            QString spoken = favorite.displayName() + QStringLiteral(", ") + favorite.path;
            if (!connected)
                spoken += QStringLiteral(", ") + tr("Not Connected");
            if (isDefault)
                spoken += QStringLiteral(", ") + tr("Default");
            item->setData(Qt::AccessibleTextRole, spoken);
            QWidget* row = favoriteRow(favorite, isDefault, connected, m_list);
            item->setSizeHint(row->sizeHint());
            m_list->setItemWidget(item, row);
            if (favorite.id == selected)
                item->setSelected(true);
        }
    }
    m_listStack->setCurrentIndex(store.favorites().isEmpty() ? 1 : 0);
    const std::optional<QString>& error = store.lastError();
    m_error->setText(error.value_or(QString()));
    m_error->setVisible(error.has_value());
    showSelected();
}

void DestinationsSettingsTab::showSelected() {
    const DestinationStore& store = m_model.destinations();
    const std::optional<FavoriteDestination> favorite = store.favorite(selectedFavorite());
    m_remove->setEnabled(favorite.has_value());
    m_details->setVisible(favorite.has_value());
    if (!favorite)
        return;
    // A name being typed is only taken when the field is left.
    if (!m_name->isModified() || !m_name->hasFocus()) {
        m_name->setText(favorite->name);
        m_name->setModified(false);
    }
    // A blank name shows the folder's own name, which is what the lists show then.
    m_name->setPlaceholderText(favorite->displayName());
    m_path->setFullText(favorite->path);
    m_notConnected->setVisible(!store.folderExists(favorite->path));
    const bool isDefault = store.defaultID() == favorite->id;
    m_makeDefault->setEnabled(!isDefault);
}

void DestinationsSettingsTab::addFavorite() {
    const std::optional<QString> path =
        m_pickFolder(m_model.settings().value(setting::destinationPath),
                     tr("Choose a folder to add to your favorite destinations."));
    if (!path)
        return;
    selectFavorite(m_model.destinations().add(*path).id);
}

void DestinationsSettingsTab::changeFolder() {
    const std::optional<FavoriteDestination> favorite =
        m_model.destinations().favorite(selectedFavorite());
    if (!favorite)
        return;
    const std::optional<QString> path = m_pickFolder(
        favorite->path, tr("Choose the new folder for “%1”").arg(favorite->displayName()));
    if (path)
        m_model.changeFavoriteFolder(favorite->id, *path);
}

void DestinationsSettingsTab::addBackups() {
    AppSettings& settings = m_model.settings();
    addSection(tr("Backup Destinations"));
    addNote(tr("Every file is also copied to these folders, under the same name as in the "
               "destination. A card is ready to erase only when each of them has its copies."));
    auto* editor = new BackupDestinationsEditor(settings, this);
    editor->setChooser([this](const QString& message) {
        return m_pickFolder(std::nullopt, message).value_or(QString());
    });
    addWidget(editor);
    addNote(tr("Backups from the card are written in the same read as the destination. Backups "
               "from the first copy are made from the destination once its copy is proved, so a "
               "slow backup drive doesn’t hold up the card."));
    addSwitch(tr("Read each file from the card again to check it"), settings,
              setting::verifySource);
    addNote(tr("After a file’s copies are verified, Stowly reads it from the card a second time "
               "and compares. Slower, but it catches a card or reader that gives different "
               "bytes."));
    addSwitch(tr("Keep an ASC MHL history at every destination"), settings, setting::writeAscMhl);
    addNote(tr("Each offload adds a manifest with an xxh128 value for every copied file to the "
               "“ascmhl” folder at the top of the destination, so anyone can check the drive "
               "later, with Stowly (stowly-cli verify) or another ASC MHL tool."));
    addHashFormats(settings);
    addSwitch(tr("Copy to one drive from several cards at once"), settings,
              setting::shareDestinationDrives);
    addNote(tr("Off, cards whose copies go to the same drive take turns, which keeps a spinning "
               "drive from seeking between them; cards that go to different drives always copy "
               "side by side. On, every card starts at once."));
}

void DestinationsSettingsTab::addHashFormats(AppSettings& settings) {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("Also take:"), this);
    row->addWidget(label);
    const QList<std::pair<HashFormat, QString>> formats{{HashFormat::md5, tr("MD5")},
                                                        {HashFormat::sha1, tr("SHA-1")},
                                                        {HashFormat::xxh64, tr("xxh64")},
                                                        {HashFormat::c4, tr("C4")}};
    QList<QCheckBox*> boxes;
    for (const auto& [format, text] : formats) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(QStringLiteral("ascMhlHash_") + hashFormat::name(format));
        box->setAccessibleName(tr("Also take %1 in the ASC MHL history").arg(text));
        connect(box, &QCheckBox::toggled, this, [&settings, format](bool on) {
            QList<HashFormat> chosen = settings.value(setting::ascMhlHashes);
            chosen.removeAll(format);
            if (on)
                chosen << format;
            settings.setValue(setting::ascMhlHashes, chosen);
        });
        row->addWidget(box);
        boxes << box;
    }
    row->addStretch(1);
    addLayout(row);
    addNote(tr("Formats a production asks for besides xxh128, taken from the same read of the "
               "card as the copy, for backups from the first copy too. MD5 and SHA-1 slow a fast "
               "card’s copy a little."));
    // The formats only mean something while the history is kept.
    const auto show = [&settings, boxes, label, formats] {
        const bool kept = settings.value(setting::writeAscMhl);
        const QList<HashFormat> chosen = settings.value(setting::ascMhlHashes);
        label->setEnabled(kept);
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            const QSignalBlocker blocker(boxes[i]);
            boxes[i]->setChecked(chosen.contains(formats[i].first));
            boxes[i]->setEnabled(kept);
        }
    };
    show();
    settings.onChange({setting::writeAscMhl.view(), setting::ascMhlHashes.view()}, this, show);
}

} // namespace stowly
