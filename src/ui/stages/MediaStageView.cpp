#include "ui/stages/MediaStageView.h"

#include "ui/WrappingButton.h"

#include "app/model/AppModel.h"
#include "app/model/CardDesk.h"
#include "app/wording/ClipsStageContent.h"
#include "app/wording/StageTexts.h"
#include "media/DurationFormatting.h"
#include "ui/FileManager.h"
#include "ui/stages/MediaFields.h"
#include "ui/stages/MediaFileMenu.h"
#include "ui/stages/MediaTileDelegate.h"
#include "ui/stages/PreviewWindow.h"
#include "ui/stages/StageStyle.h"
#include "ui/thumbnails/ThumbnailKey.h"
#include "ui/thumbnails/ThumbnailProvider.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace stowly {

namespace {
enum Page { messagePage, listPage, nothingPage };
constexpr int scopeCount = 3;
} // namespace

MediaStageView::MediaStageView(AppModel& model, ThumbnailProvider& thumbnails, QWidget* parent)
    : StagePanel(2, parent), m_model(model), m_thumbnails(thumbnails),
      m_fields(new MediaFields(model, this)), m_scopeBar(new QWidget(this)),
      m_scopes(new QButtonGroup(this)), m_reoffload(new QToolButton(this)),
      m_layouts(new QButtonGroup(this)), m_pages(new QStackedWidget(this)),
      m_message(stageStyle::secondaryLabel({}, this)), m_view(new QListView(this)),
      m_delegate(new MediaTileDelegate(m_view)),
      m_explanation(stageStyle::secondaryLabel({}, this)), m_readFailure(new QLabel(this)),
      m_includeAllShort(new QPushButton(StageTexts::includeAllShortClips(), this)),
      m_nothing(new QWidget(this)), m_nothingTitle(stageStyle::titleLabel({}, this)),
      m_nothingText(stageStyle::secondaryLabel({}, this)), m_nothingButton(new QPushButton(this)) {
    setObjectName(QStringLiteral("mediaStage"));

    // The segmented switch between the three lists.
    auto* scopeSwitch = new QWidget(m_scopeBar);
    scopeSwitch->setObjectName(QStringLiteral("scopeSwitch"));
    scopeSwitch->setAccessibleName(StageTexts::scopeHelp());
    scopeSwitch->setToolTip(StageTexts::scopeHelp());
    // Three views of one list: a tab list to a screen reader.
    scopeSwitch->setProperty("segments", QStringLiteral("tabs"));
    auto* scopeLayout = new QHBoxLayout(scopeSwitch);
    scopeLayout->setContentsMargins(0, 0, 0, 0);
    scopeLayout->setSpacing(0);
    for (int i = 0; i < scopeCount; ++i) {
        auto* button = new WrappingToolButton(scopeSwitch);
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setProperty("stowlyRole", QStringLiteral("segment"));
        m_scopes->addButton(button, i);
        scopeLayout->addWidget(button);
    }
    m_scopes->button(0)->setChecked(true);
    connect(m_scopes, &QButtonGroup::idClicked, this, [this](int id) { setScope(ListScope(id)); });

    auto* reoffloadMenu = new QMenu(m_reoffload);
    const auto addMode = [&](const QString& text, ReoffloadMode mode) {
        QAction* action =
            reoffloadMenu->addAction(text, this, [this, mode] { m_model.setReoffloadMode(mode); });
        action->setCheckable(true);
        action->setData(int(mode));
    };
    addMode(StageTexts::reoffloadMissingCopies(), ReoffloadMode::missing);
    addMode(StageTexts::reoffloadEverything(), ReoffloadMode::everything);
    addMode(StageTexts::dontReoffload(), ReoffloadMode::off);
    connect(reoffloadMenu, &QMenu::aboutToShow, this, [this, reoffloadMenu] {
        const CardDesk* desk = m_model.selectedDesk();
        for (QAction* action : reoffloadMenu->actions())
            action->setChecked(desk && desk->hasOffload() &&
                               int(desk->reoffloadMode()) == action->data().toInt());
    });
    m_reoffload->setObjectName(QStringLiteral("reoffloadMenuButton"));
    m_reoffload->setText(StageTexts::reoffloadMenu());
    m_reoffload->setAccessibleName(StageTexts::reoffloadMenu());
    m_reoffload->setToolTip(StageTexts::reoffloadMenuHelp());
    m_reoffload->setIcon(stageStyle::icon(QStringLiteral("view-refresh")));
    m_reoffload->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_reoffload->setPopupMode(QToolButton::InstantPopup);
    m_reoffload->setMenu(reoffloadMenu);

    auto* layoutSwitch = new QWidget(m_scopeBar);
    layoutSwitch->setObjectName(QStringLiteral("layoutSwitch"));
    layoutSwitch->setAccessibleName(tr("Show files as"));
    layoutSwitch->setProperty("segments", QStringLiteral("choice"));
    auto* layoutLayout = new QHBoxLayout(layoutSwitch);
    layoutLayout->setContentsMargins(0, 0, 0, 0);
    layoutLayout->setSpacing(0);
    const std::pair<MediaLayout, QString> layouts[] = {
        {MediaLayout::list, QStringLiteral("view-list")},
        {MediaLayout::grid, QStringLiteral("view-grid")}};
    for (const auto& [layout, icon] : layouts) {
        auto* button = new QToolButton(layoutSwitch);
        button->setCheckable(true);
        button->setIcon(stageStyle::icon(icon));
        const QString name = layout == MediaLayout::list ? tr("List") : tr("Grid");
        button->setText(name);
        button->setToolTip(name);
        button->setAccessibleName(name);
        button->setProperty("stowlyRole", QStringLiteral("segment"));
        m_layouts->addButton(button, int(layout));
        layoutLayout->addWidget(button);
    }
    connect(m_layouts, &QButtonGroup::idClicked, this,
            [this](int id) { m_model.settings().setValue(setting::mediaLayout, MediaLayout(id)); });

    // The switch and the tools share a line when there is room, else the tools go below.
    m_scopeSwitch = scopeSwitch;
    m_scopeTools = new QWidget(m_scopeBar);
    auto* tools = new QHBoxLayout(m_scopeTools);
    tools->setContentsMargins(0, 0, 0, 0);
    tools->setSpacing(8);
    tools->addStretch();
    tools->addWidget(m_reoffload);
    tools->addWidget(layoutSwitch);
    layoutSwitch->setParent(m_scopeTools);
    m_reoffload->setParent(m_scopeTools);
    auto* bar = new QGridLayout(m_scopeBar);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(8);
    bar->addWidget(scopeSwitch, 0, 0, Qt::AlignLeft);
    bar->addWidget(m_scopeTools, 0, 1);
    // Its width comes from the panel; the resize decides whether the tools wrap.
    m_scopeBar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    // One view for all three lists and both layouts; uniform sizes keep a card of tens of
    // thousands of files as quick as one of ten.
    m_view->setObjectName(QStringLiteral("mediaView"));
    m_view->setAccessibleName(stageState::title(2));
    m_view->setToolTip({});
    m_view->setAccessibleDescription(StageTexts::previewHelp());
    m_view->setItemDelegate(m_delegate);
    m_view->setUniformItemSizes(true);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setMovement(QListView::Static);
    m_view->setResizeMode(QListView::Adjust);
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->installEventFilter(this);
    // The viewport's own size: the view's resize arrives before its viewport has the new width,
    // and a scroll bar coming or going changes the viewport alone.
    m_view->viewport()->installEventFilter(this);
    connect(m_view, &QListView::customContextMenuRequested, this, &MediaStageView::showFileMenu);

    m_includeAllShort->setToolTip(StageTexts::includeAllShortClipsHelp());
    connect(m_includeAllShort, &QPushButton::clicked, this, [this] {
        if (CardDesk* desk = m_model.selectedDesk())
            desk->includeAllShort();
    });

    auto* listPageWidget = new QWidget(m_pages);
    auto* listLayoutBox = new QVBoxLayout(listPageWidget);
    listLayoutBox->setContentsMargins(0, 0, 0, 0);
    listLayoutBox->setSpacing(8);
    m_readFailure->setObjectName(QStringLiteral("readFailure"));
    m_readFailure->setWordWrap(true);
    m_readFailure->setProperty("stowlyRole", QStringLiteral("warning"));
    m_readFailure->hide();
    listLayoutBox->addWidget(m_readFailure);
    listLayoutBox->addWidget(m_view, 1);
    // Stacked, so the wrapped explanation gets the height its width needs.
    listLayoutBox->addWidget(m_explanation);
    listLayoutBox->addWidget(m_includeAllShort, 0, Qt::AlignRight);

    m_nothing->setObjectName(QStringLiteral("nothingToCopy"));
    auto* nothingLayout = new QVBoxLayout(m_nothing);
    nothingLayout->setContentsMargins(24, 24, 24, 24);
    nothingLayout->setSpacing(8);
    nothingLayout->addStretch();
    m_nothingTitle->setAlignment(Qt::AlignCenter);
    m_nothingText->setAlignment(Qt::AlignCenter);
    nothingLayout->addWidget(m_nothingTitle);
    nothingLayout->addWidget(m_nothingText);
    nothingLayout->addSpacing(8);
    nothingLayout->addWidget(m_nothingButton, 0, Qt::AlignHCenter);
    nothingLayout->addStretch();

    auto* messageWidget = new QWidget(m_pages);
    auto* messageLayout = new QVBoxLayout(messageWidget);
    messageLayout->setContentsMargins(24, 24, 24, 24);
    m_message->setAlignment(Qt::AlignCenter);
    messageLayout->addWidget(m_message);

    m_pages->insertWidget(messagePage, messageWidget);
    m_pages->insertWidget(listPage, listPageWidget);
    m_pages->insertWidget(nothingPage, m_nothing);

    contentLayout()->setSpacing(16);
    contentLayout()->addWidget(m_fields);
    contentLayout()->addWidget(m_scopeBar);
    contentLayout()->addWidget(m_pages, 1);

    for (auto signal :
         {&AppModel::selectionChanged, &AppModel::scanningChanged, &AppModel::sessionChanged,
          &AppModel::sessionUpdated, &AppModel::inventoryChanged})
        connect(&m_model, signal, this, &MediaStageView::update);
    for (SessionFilesModel* files :
         {&m_model.filesToCopy(), &m_model.filesOffloaded(), &m_model.shortClipsSkipped()}) {
        connect(files, &QAbstractItemModel::modelReset, this, &MediaStageView::updateScopeTitles);
        connect(files, &QAbstractItemModel::rowsInserted, this, &MediaStageView::updateScopeTitles);
        connect(files, &QAbstractItemModel::rowsRemoved, this, &MediaStageView::updateScopeTitles);
    }
    m_model.settings().onChange(setting::mediaLayout, this, &MediaStageView::updateLayout);
    m_model.settings().onChange(setting::listThumbnails, this, &MediaStageView::updateLayout);
    m_delegate->setThumbnail([this](const QModelIndex& index, int points, double scale) {
        return thumbnail(index, points, scale);
    });
    connect(&m_thumbnails, &ThumbnailProvider::thumbnailReady, m_view->viewport(),
            qOverload<>(&QWidget::update));
    connect(&m_model, &AppModel::sessionChanged, this, &MediaStageView::listingChanged);
    for (SessionFilesModel* files :
         {&m_model.filesToCopy(), &m_model.filesOffloaded(), &m_model.shortClipsSkipped()})
        connect(files, &QAbstractItemModel::modelReset, this, [this, files] {
            if (m_view->model() == files)
                listingChanged();
        });
    m_delegate->setCopiedBytes([this] {
        const CardDesk* desk = m_model.selectedDesk();
        return desk ? desk->progress().currentFileBytes : qint64(0);
    });
    // Only the row being copied changes between reports; the visible rows repaint cheaply.
    connect(&m_model, &AppModel::offloadProgressed, m_view->viewport(),
            qOverload<>(&QWidget::update));
    m_view->setModel(&filesOf(m_scope));
    updateLayout();
    update();
}

MediaStageView::~MediaStageView() = default;

SessionFilesModel& MediaStageView::filesOf(ListScope scope) const {
    switch (scope) {
    case ListScope::offloaded:
        return m_model.filesOffloaded();
    case ListScope::skippedShort:
        return m_model.shortClipsSkipped();
    case ListScope::toCopy:
        break;
    }
    return m_model.filesToCopy();
}

void MediaStageView::setScope(ListScope scope) {
    if (scope != m_scope) {
        m_scope = scope;
        m_view->setModel(&filesOf(scope));
        m_view->scrollToTop();
        listingChanged();
    }
    m_scopes->button(int(scope))->setChecked(true);
    update();
}

void MediaStageView::updateScopeTitles() {
    // The three titles never clip: the tools beside them go below, and where even the titles
    // alone have no room, they take a second line.
    const auto keepSwitchWhole = qScopeGuard(
        [this] { m_scopeBar->setMinimumWidth(m_scopeSwitch->minimumSizeHint().width()); });
    const CardDesk* desk = m_model.selectedDesk();
    const int offloaded = m_model.filesOffloaded().rowCount();
    const int skipped = desk ? desk->skippedShortCount() : 0;
    const int counts[scopeCount] = {m_model.filesToCopy().rowCount(), offloaded, skipped};
    for (int i = 0; i < scopeCount; ++i) {
        auto* button = static_cast<WrappingToolButton*>(m_scopes->button(i));
        const ListScope scope = ListScope(i);
        button->setFullText(scope == ListScope::toCopy ? StageTexts::toCopyTitle()
                            : scope == ListScope::offloaded
                                ? StageTexts::offloadedTitle(counts[i])
                                : StageTexts::skippedShortTitle(counts[i]));
        button->setAccessibleName(button->fullText());
        // An empty list stays reachable while it is shown, so the switch never strands.
        button->setEnabled(i == 0 || counts[i] > 0 || ListScope(i) == m_scope);
    }
}

void MediaStageView::updateLayout() {
    const bool grid = m_model.settings().value(setting::mediaLayout) == MediaLayout::grid;
    m_layouts->button(int(grid ? MediaLayout::grid : MediaLayout::list))->setChecked(true);
    m_delegate->setGrid(grid);
    m_delegate->setListThumbnails(m_model.settings().value(setting::listThumbnails));
    m_view->setViewMode(grid ? QListView::IconMode : QListView::ListMode);
    m_view->setFlow(grid ? QListView::LeftToRight : QListView::TopToBottom);
    m_view->setWrapping(grid);
    m_view->setSpacing(grid ? 4 : 0);
    fitGrid();
    // Setting the mode resets these.
    m_view->setMovement(QListView::Static);
    m_view->setResizeMode(QListView::Adjust);
    m_view->setUniformItemSizes(true);
    m_view->doItemsLayout();
}

void MediaStageView::update() {
    updateScopeTitles();
    const CardDesk* desk = m_model.selectedDesk();
    const bool hasOffload = desk && desk->hasOffload();
    const bool ready = hasOffload && desk->isOpen();
    m_fields->setVisible(hasOffload);
    m_scopeBar->setVisible(hasOffload);
    if (!hasOffload) {
        // Between the selection and its scan starting, the card is as good as being read.
        m_message->setText(m_model.isScanning() || m_model.selectedCard()
                               ? StageTexts::scanning()
                               : StageTexts::noCardMedia());
        m_pages->setCurrentIndex(messagePage);
        if (m_preview)
            m_preview->close();
        return;
    }
    m_reoffload->setVisible(desk->hasOffloadedFiles());
    m_reoffload->setEnabled(ready);

    QString explanation;
    switch (m_scope) {
    case ListScope::toCopy:
        if (desk->outsideDatesCount() > 0)
            explanation = StageTexts::outsideDatesExplanation();
        break;
    case ListScope::offloaded:
        explanation = StageTexts::offloadedExplanation();
        break;
    case ListScope::skippedShort:
        explanation = StageTexts::skippedShortExplanation(
            DurationFormatting::threshold(desk->shortThreshold()));
        break;
    }
    m_explanation->setText(explanation);
    m_explanation->setVisible(!explanation.isEmpty());
    // What could not be read is said above whatever can still be copied.
    const std::optional<QString> readFailure = ClipsStageContent::readFailure(*desk);
    m_readFailure->setText(readFailure.value_or(QString()));
    m_readFailure->setVisible(readFailure.has_value());
    m_includeAllShort->setVisible(m_scope == ListScope::skippedShort &&
                                  desk->skippedShortCount() > 0);
    m_includeAllShort->setEnabled(ready);

    const bool nothing = m_scope == ListScope::toCopy && ready && desk->newClips().isEmpty();
    if (nothing)
        updateNothingToCopy();
    m_pages->setCurrentIndex(nothing ? nothingPage : listPage);
}

void MediaStageView::updateNothingToCopy() {
    const CardDesk* desk = m_model.selectedDesk();
    const auto nothing = desk ? ClipsStageContent::nothingToCopy(*desk) : std::nullopt;
    if (!nothing)
        return;
    m_nothingTitle->setText(nothing->title);
    m_nothingText->setText(nothing->message);
    m_nothingButton->setVisible(nothing->button.has_value());
    m_nothingButton->disconnect(this);
    if (!nothing->button)
        return;
    m_nothingButton->setText(nothing->button->text);
    m_nothingButton->setAccessibleName(nothing->button->text);
    const ClipsStageContent::Action action = nothing->button->action;
    connect(m_nothingButton, &QPushButton::clicked, this, [this, action] {
        if (const CardDesk* desk = m_model.selectedDesk(); desk && desk->isOpen())
            ClipsStageContent::perform(action, m_model);
    });
}

void MediaStageView::showFileMenu(const QPoint& position) {
    const QModelIndex index = m_view->indexAt(position);
    const auto clip = filesOf(m_scope).clip(index.row());
    if (!index.isValid() || !clip)
        return;
    QMenu menu(this);
    if (!MediaFileMenu::fill(menu, m_model, m_scope, *clip, index, FileManager()))
        return;
    menu.exec(m_view->viewport()->mapToGlobal(position));
}

void MediaStageView::previewSelection() {
    SessionFilesModel& files = filesOf(m_scope);
    QModelIndexList rows = m_view->selectionModel()->selectedRows();
    m_previewKeepsSelection = rows.size() > 1;
    if (rows.size() <= 1) {
        // One file or none selected: step through the whole list from the current file.
        rows.clear();
        for (int row = 0; row < files.rowCount(); ++row)
            rows.append(files.index(row));
    }
    std::sort(rows.begin(), rows.end());
    QList<PreviewItem> items;
    int start = 0;
    const QModelIndex current = m_view->currentIndex();
    if (!m_model.selectedDesk() || !m_model.selectedDesk()->hasOffload())
        return;
    for (const QModelIndex& index : rows) {
        const auto clip = files.clip(index.row());
        if (!clip)
            continue;
        if (index == current)
            start = int(items.size());
        items.append({clip->id(), clip->url, clip->fileName()});
    }
    if (items.isEmpty())
        return;
    if (!m_preview)
        m_preview = new PreviewWindow(this);
    m_preview->show(items, start,
                    [this](const QString& relativePath) { selectFile(relativePath); });
}

void MediaStageView::selectFile(const QString& relativePath) {
    SessionFilesModel& files = filesOf(m_scope);
    // Linear, but only on a step of the preview, one per key press.
    for (int row = 0; row < files.rowCount(); ++row)
        if (files.index(row).data(SessionFilesModel::RelativePathRole).toString() == relativePath) {
            // A preview of several selected files keeps them selected; otherwise the one shown
            // becomes the selection.
            m_view->selectionModel()->setCurrentIndex(
                files.index(row), m_previewKeepsSelection ? QItemSelectionModel::NoUpdate
                                                          : QItemSelectionModel::ClearAndSelect);
            m_view->scrollTo(files.index(row));
            return;
        }
}

void MediaStageView::listingChanged() {
    m_thumbnails.cancelAll();
    m_requested.clear();
}

std::optional<QImage> MediaStageView::thumbnail(const QModelIndex& index, int points,
                                                double scale) {
    const auto clip = filesOf(m_scope).clip(index.row());
    if (!clip)
        return std::nullopt;
    const ThumbnailKey key = ThumbnailKey::of(*clip, points, scale);
    if (auto image = m_thumbnails.cached(key))
        return image;
    const QString cacheKey = key.cacheKey();
    if (!m_thumbnails.usesPlaceholders() && !m_thumbnails.hasFailed(key) &&
        !m_requested.contains(cacheKey)) {
        m_requested.insert(cacheKey);
        // The ready signal repaints. None in the same generation means the file has no
        // thumbnail, and it is not asked again; a request abandoned by a new listing may be.
        const quint64 generation = m_thumbnails.generation();
        m_thumbnails.image(*clip, key, this,
                           [this, cacheKey, generation](const std::optional<QImage>& image) {
                               if (!image && generation != m_thumbnails.generation())
                                   m_requested.remove(cacheKey);
                           });
    }
    return std::nullopt;
}

void MediaStageView::fitGrid() {
    if (!m_delegate->isGrid()) {
        m_view->setGridSize(QSize());
        return;
    }
    // Tiles share the row's width, so the grid has no empty strip at its right. The view puts
    // its spacing before the first cell and after every cell: a row of n holds n cells and
    // n + 1 spacings, and a cell wider than that wraps the row to one tile.
    const QSize tile = m_delegate->itemSize(m_view->font(), 0);
    const int spacing = m_view->spacing();
    const int width = m_view->viewport()->width() - spacing;
    const int columns = std::max(1, width / (tile.width() + spacing));
    const QSize cell(std::max(tile.width(), width / columns - spacing), tile.height());
    if (m_view->gridSize() != cell)
        m_view->setGridSize(cell);
}

void MediaStageView::resizeEvent(QResizeEvent* event) {
    StagePanel::resizeEvent(event);
    auto* bar = static_cast<QGridLayout*>(m_scopeBar->layout());
    const bool fits = m_scopeSwitch->sizeHint().width() + 8 + m_scopeTools->sizeHint().width() <=
                      contentsRect().width() - 32;
    const bool oneLine = bar->itemAtPosition(0, 1) != nullptr;
    if (fits == oneLine)
        return;
    bar->removeWidget(m_scopeTools);
    if (fits)
        bar->addWidget(m_scopeTools, 0, 1);
    else
        bar->addWidget(m_scopeTools, 1, 0, 1, 2);
}

bool MediaStageView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            previewSelection();
            return true;
        }
    }
    if (watched == m_view->viewport() && event->type() == QEvent::Resize) {
        if (m_delegate->isGrid())
            fitGrid();
        else
            m_view->doItemsLayout();
    }
    return StagePanel::eventFilter(watched, event);
}

} // namespace stowly
