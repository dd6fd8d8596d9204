#include "ui/stages/DestinationStageView.h"

#include "app/lists/FavoritesModel.h"
#include "app/model/AppModel.h"
#include "app/model/CardDesk.h"
#include "app/model/NamePreview.h"
#include "app/wording/StageTexts.h"
#include "base/Background.h"
#include "ui/stages/ElidedLabel.h"
#include "ui/stages/FolderLevelsEditor.h"
#include "ui/stages/FolderTreePreview.h"
#include "ui/stages/StageStyle.h"

#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace stowly {

namespace {
constexpr int gaugeSteps = 1000;

// The one local folder a drag carries; none for files, several items or remote places.
std::optional<QString> droppedFolder(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return std::nullopt;
    const QUrl url = data->urls().first();
    if (!url.isLocalFile())
        return std::nullopt;
    const QFileInfo info(url.toLocalFile());
    if (!info.isDir())
        return std::nullopt;
    return QDir::cleanPath(info.absoluteFilePath());
}
} // namespace

DestinationStageView::DestinationStageView(AppModel& model, QWidget* parent)
    : StagePanel(3, parent), m_model(model), m_folder(new ElidedLabel(this)),
      m_favorites(new QToolButton(this)), m_favoritesMenu(new QMenu(m_favorites)),
      m_gauge(new QProgressBar(this)), m_free(stageStyle::secondaryLabel({}, this)),
      m_spaceWarning(new QLabel(this)), m_hint(stageStyle::secondaryLabel({}, this)),
      m_choose(new QPushButton(StageTexts::chooseFolder(), this)), m_reveal(new QToolButton(this)),
      m_treeCaption(stageStyle::secondaryLabel(tr("Folders"), this)),
      m_quickDump(new QLabel(tr("Quick dump"), this)), m_tree(new FolderTreePreview(this)),
      m_treeEmpty(stageStyle::secondaryLabel({}, this)), m_treeTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("destinationStage"));
    setAcceptDrops(true);
    m_chooseFolder = [](QWidget* parent, const QString& startAt) {
        return QFileDialog::getExistingDirectory(parent, StageTexts::favoritesMenuHelp(), startAt);
    };

    auto* folder = static_cast<ElidedLabel*>(m_folder);
    folder->setObjectName(QStringLiteral("destinationFolder"));
    QFont bold = folder->font();
    bold.setWeight(QFont::DemiBold);
    folder->setFont(bold);

    m_favorites->setObjectName(QStringLiteral("favoritesButton"));
    m_favorites->setAccessibleName(StageTexts::favoritesMenuHelp());
    m_favorites->setToolTip(StageTexts::favoritesMenuHelp());
    m_favorites->setIcon(stageStyle::icon(QStringLiteral("starred"), QStringLiteral("bookmarks")));
    m_favorites->setMenu(m_favoritesMenu);
    m_favorites->setPopupMode(QToolButton::InstantPopup);
    m_favorites->setAutoRaise(true);
    connect(m_favoritesMenu, &QMenu::aboutToShow, this, &DestinationStageView::fillFavorites);

    auto* folderRow = new QHBoxLayout;
    folderRow->setSpacing(8);
    auto* folderIcon = new QLabel(this);
    folderIcon->setPixmap(stageStyle::icon(QStringLiteral("folder")).pixmap(16, 16));
    folderRow->addWidget(folderIcon);
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_favorites);

    m_gauge->setObjectName(QStringLiteral("spaceGauge"));
    m_gauge->setAccessibleName(SpaceInfo::gaugeAccessibilityLabel());
    m_gauge->setRange(0, gaugeSteps);
    m_gauge->setTextVisible(false);
    m_gauge->setFixedHeight(8);
    m_spaceWarning->setWordWrap(true);
    m_spaceWarning->setProperty("stowlyRole", QStringLiteral("warning"));
    m_spaceWarning->hide();

    m_choose->setObjectName(QStringLiteral("chooseFolderButton"));
    m_choose->setIcon(stageStyle::icon(QStringLiteral("folder-open")));
    connect(m_choose, &QPushButton::clicked, this, &DestinationStageView::chooseFolder);
    m_reveal->setObjectName(QStringLiteral("revealDestinationButton"));
    m_reveal->setIcon(
        stageStyle::icon(QStringLiteral("system-file-manager"), QStringLiteral("folder-open")));
    m_reveal->setToolTip(StageTexts::showDestinationHelp());
    m_reveal->setAccessibleName(StageTexts::showDestinationHelp());
    m_reveal->setAutoRaise(true);
    connect(m_reveal, &QToolButton::clicked, this, [this] {
        if (const auto path = m_model.settings().value(setting::destinationPath))
            QDesktopServices::openUrl(QUrl::fromLocalFile(*path));
    });
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_choose);
    buttons->addWidget(m_reveal);
    buttons->addStretch();

    auto* caption = new QHBoxLayout;
    caption->setSpacing(8);
    caption->addWidget(m_treeCaption);
    m_quickDump->setProperty("stowlyRole", QStringLiteral("pill"));
    caption->addWidget(m_quickDump);
    caption->addStretch();
    auto* editFolders = new QToolButton(this);
    editFolders->setObjectName(QStringLiteral("editFolders"));
    editFolders->setText(tr("Edit Folders"));
    editFolders->setCheckable(true);
    editFolders->setAccessibleDescription(tr("Edit the folder levels"));
    editFolders->setProperty("stowlyRole", QStringLiteral("secondary"));
    caption->addWidget(editFolders);
    m_levelsEditor = new FolderLevelsEditor(m_model.settings(), this);
    m_levelsEditor->setVisible(false);
    connect(editFolders, &QToolButton::toggled, m_levelsEditor, &QWidget::setVisible);
    m_treeCaption->setWordWrap(false);

    contentLayout()->addLayout(folderRow);
    contentLayout()->addWidget(m_gauge);
    contentLayout()->addWidget(m_free);
    contentLayout()->addWidget(m_spaceWarning);
    contentLayout()->addLayout(buttons);
    contentLayout()->addWidget(m_hint);
    contentLayout()->addSpacing(16);
    contentLayout()->addLayout(caption);
    contentLayout()->addWidget(m_levelsEditor);
    contentLayout()->addWidget(m_tree, 1);
    contentLayout()->addWidget(m_treeEmpty);
    contentLayout()->addStretch(0);
    setMinimumWidth(240);

    // Planning lists the destination; one plan after a burst of changes is enough.
    m_treeTimer->setSingleShot(true);
    m_treeTimer->setInterval(150);
    connect(m_treeTimer, &QTimer::timeout, this, &DestinationStageView::updateTree);
    const auto later = [this] { m_treeTimer->start(); };
    for (auto signal :
         {&AppModel::sessionChanged, &AppModel::sessionUpdated, &AppModel::blockerChanged})
        connect(&m_model, signal, this, later);
    connect(&m_model, &AppModel::offloadFinished, this, later);
    connect(&m_model.namePreview(), &NamePreview::changed, this, later);
    connect(&m_model.settings(), &AppSettings::changed, this, later);
    m_model.settings().onChange(setting::destinationPath, this,
                                &DestinationStageView::updateFolder);
    // The destination stays put while the shown card's offload copies into it or waits; another
    // card may go elsewhere meanwhile.
    const auto lock = [this] {
        const bool busy = m_model.isSelectedCardBusy();
        m_choose->setEnabled(!busy);
        m_favorites->setEnabled(!busy);
    };
    connect(&m_model, &AppModel::sessionUpdated, this, lock);
    connect(&m_model, &AppModel::sessionChanged, this, lock);
    connect(&m_model, &AppModel::sessionChanged, this, &DestinationStageView::updateSpace);
    connect(&m_model, &AppModel::offloadFinished, this, &DestinationStageView::updateSpace);
    connect(&m_model.destinations(), &DestinationStore::changed, this,
            &DestinationStageView::updateSpace);
    updateFolder();
    updateTree();
}

DestinationStageView::~DestinationStageView() {
    m_spaceTask.request_stop();
}

void DestinationStageView::updateFolder() {
    const auto path = m_model.settings().value(setting::destinationPath);
    static_cast<ElidedLabel*>(m_folder)->setFullText(path ? QDir::toNativeSeparators(*path)
                                                          : QString());
    m_folder->setVisible(path.has_value());
    m_reveal->setEnabled(path.has_value());
    m_gauge->setVisible(path.has_value());
    m_free->setVisible(path.has_value());
    m_hint->setText(StageTexts::destinationHelp());
    m_hint->setVisible(!path.has_value());
    updateSpace();
    m_treeTimer->start();
}

void DestinationStageView::updateSpace() {
    const auto path = m_model.settings().value(setting::destinationPath);
    m_spaceTask.request_stop();
    if (!path) {
        showSpace({});
        return;
    }
    const CardDesk* desk = m_model.selectedDesk();
    const std::optional<qint64> required =
        desk && desk->isOpen() ? std::optional(desk->newBytes()) : std::nullopt;
    // A slow or hung network volume must not stall the window.
    m_spaceTask = background::run(
        this, [folder = *path, required] { return SpaceInfo::make(folder, required); },
        [this](SpaceInfo space) { showSpace(space); });
}

void DestinationStageView::showSpace(const SpaceInfo& space) {
    m_gauge->setValue(space.usedFraction ? int(*space.usedFraction * gaugeSteps) : 0);
    m_gauge->setEnabled(space.usedFraction.has_value());
    QString free = space.freeText;
    if (space.requirementText)
        free += QStringLiteral(" · ") + *space.requirementText;
    m_free->setText(free);
    stageStyle::setRole(m_free,
                        space.isShort ? QStringLiteral("warning") : QStringLiteral("secondary"));
    m_gauge->setProperty("stowlyRole", space.isShort ? QStringLiteral("warning") : QString());
    m_spaceWarning->setText(space.readOnlyReason.value_or(QString()));
    m_spaceWarning->setVisible(space.readOnlyReason.has_value());
}

void DestinationStageView::updateTree() {
    // A run shows the plan it copies by; before it, the preview worked out in the background
    // (planning a large card on this thread would stall the window), unless something blocks
    // the start.
    const CardDesk* desk = m_model.selectedDesk();
    QList<PlannedFile> plan;
    if (const auto fixed = desk ? desk->plan() : std::nullopt)
        plan = *fixed;
    else if (!m_model.offloadBlocker())
        plan = m_model.namePreview().plan().files;
    const auto path = m_model.settings().value(setting::destinationPath);
    m_tree->setPlan(plan, path.value_or(QString()));
    m_tree->setVisible(!plan.isEmpty());
    m_treeCaption->setVisible(!plan.isEmpty());
    m_quickDump->setVisible(!plan.isEmpty() && m_model.settings().value(setting::quickDump));
    m_treeEmpty->setText(tr("The folders this offload fills show here once it can start."));
    m_treeEmpty->setVisible(plan.isEmpty());
    updateSpace();
}

void DestinationStageView::fillFavorites() {
    m_favoritesMenu->clear();
    m_favoritesMenu->addSection(StageTexts::favoritesMenuHelp());
    const FavoritesModel& favorites = m_model.favoriteList();
    const auto current = m_model.settings().value(setting::destinationPath);
    bool currentIsFavorite = false;
    for (int row = 0; row < favorites.rowCount(); ++row) {
        const QModelIndex index = favorites.index(row);
        const QString name = index.data(FavoritesModel::DisplayNameRole).toString();
        const QString path = index.data(FavoritesModel::PathRole).toString();
        const bool reachable = index.data(FavoritesModel::IsReachableRole).toBool();
        QAction* action =
            m_favoritesMenu->addAction(reachable ? name : StageTexts::favoriteNotConnected(name));
        action->setToolTip(path);
        action->setCheckable(true);
        action->setChecked(current && *current == path);
        action->setEnabled(reachable);
        currentIsFavorite = currentIsFavorite || (current && *current == path);
        const QUuid id = index.data(FavoritesModel::IdRole).toUuid();
        connect(action, &QAction::triggered, this, [this, id] {
            if (const auto favorite = m_model.destinations().favorite(id))
                m_model.useFavorite(*favorite);
        });
    }
    m_favoritesMenu->addSeparator();
    if (current && !currentIsFavorite)
        m_favoritesMenu->addAction(StageTexts::addToFavorites(QFileInfo(*current).fileName()), this,
                                   [this] { m_model.addCurrentDestinationToFavorites(); });
    QAction* other = m_favoritesMenu->addAction(StageTexts::chooseOtherFolder(), this,
                                                &DestinationStageView::chooseFolder);
    other->setToolTip(StageTexts::chooseOtherFolderHelp());
    m_favoritesMenu->addAction(StageTexts::editFavorites(), this,
                               &DestinationStageView::editFavoritesRequested);
    m_favoritesMenu->setToolTipsVisible(true);
}

void DestinationStageView::chooseFolder() {
    const QString start =
        m_model.settings().value(setting::destinationPath).value_or(QDir::homePath());
    const QString chosen = m_chooseFolder ? m_chooseFolder(this, start) : QString();
    if (!chosen.isEmpty())
        m_model.useFolder(QDir::cleanPath(chosen));
}

void DestinationStageView::setDropHighlight(bool on) {
    m_dropping = on;
    update();
    m_hint->setText(on ? StageTexts::dropFolderHint() : StageTexts::destinationHelp());
    m_hint->setVisible(on || !m_model.settings().value(setting::destinationPath));
}

void DestinationStageView::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFolder(event->mimeData()) || m_model.isSelectedCardBusy())
        return;
    event->acceptProposedAction();
    setDropHighlight(true);
}

void DestinationStageView::dragLeaveEvent(QDragLeaveEvent* event) {
    setDropHighlight(false);
    StagePanel::dragLeaveEvent(event);
}

void DestinationStageView::dropEvent(QDropEvent* event) {
    setDropHighlight(false);
    const auto folder = droppedFolder(event->mimeData());
    if (!folder || m_model.isSelectedCardBusy())
        return;
    event->acceptProposedAction();
    m_model.useFolder(*folder);
}

} // namespace stowly

namespace stowly {

void DestinationStageView::paintEvent(QPaintEvent* event) {
    StagePanel::paintEvent(event);
    if (!m_dropping)
        return;
    // The whole stage takes the drop; an accent outline says so.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
}

} // namespace stowly
