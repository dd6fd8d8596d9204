#include "ui/MainWindow.h"

#include "ui/AccessibleFactory.h"
#include "ui/AppMenu.h"

#include "app/model/AppModel.h"
#include "app/model/SharedHistory.h"
#include "base/Log.h"
#include "ui/OffloadBar.h"
#include "ui/PresetSwitcher.h"
#include "ui/RecentOffloadsView.h"
#include "ui/StagePanel.h"
#include "ui/Theme.h"
#include "ui/stages/CardStageView.h"
#include "ui/stages/DestinationStageView.h"
#include "ui/stages/MediaStageView.h"
#include "ui/stages/StageStyle.h"
#include "ui/thumbnails/ThumbnailProvider.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace stowly {
namespace {

// The card and destination columns; the media column takes the rest.
constexpr int sideColumnWidth = 256;

} // namespace

MainWindow::MainWindow(AppModel& model, QWidget* parent)
    : QMainWindow(parent), m_model(model), m_thumbnails(new ThumbnailProvider({}, this)),
      m_columns(new QGridLayout) {
    // Before any widget of the window is asked how it reads.
    AccessibleFactory::install();
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Stowly"));
    auto* central = new QWidget(this);
    // Made in stage order, so Tab walks them left to right.
    QWidget* toolbar = makeToolbar();
    m_stages[0] = new CardStageView(m_model, central);
    m_stages[1] = new MediaStageView(m_model, *m_thumbnails, central);
    auto* destination = new DestinationStageView(m_model, central);
    connect(destination, &DestinationStageView::editFavoritesRequested, this,
            [this] { Q_EMIT settingsTabRequested(SettingsTab::destinations); });
    m_stages[2] = destination;
    m_bar = new OffloadBar(m_model, central);
    m_side = new QScrollArea(central);
    m_side->setObjectName(QStringLiteral("sideColumn"));
    m_side->setFrameShape(QFrame::NoFrame);
    m_side->setWidgetResizable(true);
    m_side->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sideContent = new QWidget(m_side);
    auto* side = new QVBoxLayout(m_sideContent);
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(16);
    m_side->setWidget(m_sideContent);
    m_side->viewport()->setAutoFillBackground(false);
    m_sideContent->setAutoFillBackground(false);
    m_side->hide();

    m_columns->setContentsMargins(16, 8, 16, 16);
    m_columns->setSpacing(16);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_sharedHistoryBanner = new QLabel(central);
    m_sharedHistoryBanner->setObjectName(QStringLiteral("sharedHistoryBanner"));
    m_sharedHistoryBanner->setAccessibleName(tr("Shared history"));
    m_sharedHistoryBanner->setWordWrap(true);
    m_sharedHistoryBanner->setContentsMargins(16, 0, 16, 4);
    stageStyle::setRole(m_sharedHistoryBanner, QStringLiteral("warning"));
    connect(&m_model, &AppModel::sharedHistoryChanged, this,
            &MainWindow::updateSharedHistoryBanner);
    updateSharedHistoryBanner();
    layout->addWidget(toolbar);
    layout->addWidget(m_sharedHistoryBanner);
    layout->addLayout(m_columns, 1);
    layout->addWidget(m_bar);
    setCentralWidget(central);
    setMinimumSize(760, 560);
    resize(1100, 750);
    arrangeColumns();

    auto* start = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this);
    connect(start, &QShortcut::activated, &m_model, &AppModel::startOffload);
    auto* startOnKeypad = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Enter), this);
    connect(startOnKeypad, &QShortcut::activated, &m_model, &AppModel::startOffload);

    // The headers follow the model's stage rules.
    for (auto signal : {&AppModel::selectionChanged, &AppModel::sessionChanged,
                        &AppModel::sessionUpdated, &AppModel::blockerChanged})
        connect(&m_model, signal, this, &MainWindow::updateStages);
    m_model.settings().onChange(setting::destinationPath, this, &MainWindow::updateStages);
    updateStages();
}

MainWindow::~MainWindow() {
    // The stages hold the thumbnail provider; they go first.
    delete takeCentralWidget();
}

QWidget* MainWindow::makeToolbar() {
    auto* toolbar = new QWidget(this);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    auto* title = new QLabel(QStringLiteral("Stowly"), toolbar);
    title->setProperty("stowlyRole", QStringLiteral("appTitle"));
    auto* presets = new PresetSwitcher(m_model, toolbar);
    auto* history = m_history = new QToolButton(toolbar);
    history->setObjectName(QStringLiteral("historyButton"));
    history->setText(tr("History"));
    history->setToolTip(tr("Show the files offloaded so far"));
    history->setProperty("stowlyRole", QStringLiteral("toolbar"));
    history->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(history, &QToolButton::clicked, this, &MainWindow::showRecentOffloads);
    auto* menuButton = new QToolButton(toolbar);
    menuButton->setObjectName(QStringLiteral("appMenuButton"));
    menuButton->setIcon(stageStyle::icon(QStringLiteral("open-menu")));
    menuButton->setAccessibleName(tr("Main menu"));
    menuButton->setToolTip(tr("About, help and support"));
    menuButton->setProperty("stowlyRole", QStringLiteral("toolbar"));
    menuButton->setPopupMode(QToolButton::InstantPopup);
    // The icon says it opens a menu; the style's extra arrow would only crowd it.
    menuButton->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    auto* appMenu = new AppMenu(menuButton);
    appMenu->setTitle(tr("Main menu"));
    connect(appMenu, &AppMenu::settingsRequested, this, &MainWindow::settingsRequested);
    connect(appMenu, &AppMenu::quitRequested, this, &MainWindow::quitRequested);
    m_quit = appMenu->findChild<QAction*>(QStringLiteral("quitAction"));
    menuButton->setMenu(appMenu);
    // The menu's shortcuts work anywhere in the window.
    addActions(appMenu->actions());
    auto* row = new QHBoxLayout(toolbar);
    row->setContentsMargins(16, 12, 16, 8);
    row->setSpacing(8);
    row->addWidget(title);
    row->addStretch();
    row->addWidget(presets);
    row->addWidget(history);
    row->addWidget(menuButton);
    return toolbar;
}

void MainWindow::updateSharedHistoryBanner() {
    const std::optional<QString> problem = m_model.sharedHistory().problem();
    m_sharedHistoryBanner->setVisible(bool(problem));
    if (problem)
        m_sharedHistoryBanner->setText(
            *problem + u' ' +
            tr("New copies are recorded on this station and go to the shared history once it "
               "answers; other stations’ copies aren’t seen meanwhile."));
}

void MainWindow::showRecentOffloads() {
    if (!m_recent)
        m_recent = new RecentOffloadsView(m_model, this);
    m_recent->show();
    m_recent->raise();
    m_recent->activateWindow();
}

void MainWindow::arrangeColumns() {
    const bool narrow = width() < narrowWidth;
    if (int(narrow) == m_arrangedNarrow)
        return;
    m_arrangedNarrow = narrow;
    for (StagePanel* stage : m_stages)
        m_columns->removeWidget(stage);
    m_columns->removeWidget(m_side);
    if (narrow) {
        // Card over destination; on a short window that column scrolls rather than squeezing
        // its panels into each other.
        auto* side = static_cast<QVBoxLayout*>(m_sideContent->layout());
        side->insertWidget(0, m_stages[0]);
        side->insertWidget(1, m_stages[2], 1);
        m_columns->addWidget(m_side, 0, 0);
        m_columns->addWidget(m_stages[1], 0, 1);
        m_side->setFixedWidth(sideColumnWidth + m_side->verticalScrollBar()->sizeHint().width());
        for (StagePanel* stage : {m_stages[0], m_stages[2]}) {
            stage->setMinimumWidth(0);
            stage->setMaximumWidth(QWIDGETSIZE_MAX);
        }
    } else {
        m_columns->addWidget(m_stages[0], 0, 0);
        m_columns->addWidget(m_stages[1], 0, 1);
        m_columns->addWidget(m_stages[2], 0, 2);
        m_stages[0]->setFixedWidth(sideColumnWidth);
        m_stages[2]->setFixedWidth(sideColumnWidth + 16);
    }
    m_side->setVisible(narrow);
    m_columns->setColumnStretch(0, 0);
    m_columns->setColumnStretch(1, 1);
    m_columns->setColumnStretch(2, 0);
    // Moving a panel moves it to the end of the focus chain; Tab still goes left to right.
    setTabOrder(m_stages[0], m_stages[1]);
    setTabOrder(m_stages[1], m_stages[2]);
    setTabOrder(m_stages[2], m_bar);
}

void MainWindow::updateStages() {
    for (int i = 0; i < 3; ++i) {
        const StageState state = m_model.stage(i + 1);
        m_stages[i]->setState(state, state == StageState::active);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_mayClose && !m_mayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        Q_EMIT closed();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    Log::info(Log::Category::app, QStringLiteral("main window shown"));
    // Shown is what Qt asked for; exposed is the window system drawing it.
    if (QWindow* handle = windowHandle())
        handle->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        Log::info(
            Log::Category::app,
            QStringLiteral("main window on screen (%1)").arg(QGuiApplication::platformName()));
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Icons are drawn in the text colour, so a new theme redraws them.
    if (event->type() != QEvent::PaletteChange && event->type() != QEvent::ApplicationPaletteChange)
        return;
    // The style puts the text right against the icon; the picture carries its own gap.
    const QIcon clock =
        Theme::icon(QStringLiteral("document-open-recent"), palette().color(QPalette::WindowText));
    const qreal ratio = devicePixelRatioF();
    QPixmap spaced(QSize(22, 16) * ratio);
    spaced.setDevicePixelRatio(ratio);
    spaced.fill(Qt::transparent);
    {
        QPainter painter(&spaced);
        clock.paint(&painter, QRect(0, 0, 16, 16));
    }
    m_history->setIconSize(QSize(22, 16));
    m_history->setIcon(QIcon(spaced));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    arrangeColumns();
}

} // namespace stowly
