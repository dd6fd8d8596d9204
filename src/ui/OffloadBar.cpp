#include "ui/OffloadBar.h"

#include "app/model/AppModel.h"
#include "app/model/CardDesk.h"
#include "app/model/CardDevices.h"
#include "app/model/OffloadFormatting.h"
#include "app/model/QueueBoard.h"
#include "app/wording/ClipsStageContent.h"
#include "app/wording/StageTexts.h"
#include "devices/SpaceInfo.h"
#include "session/CascadeQueue.h"
#include "ui/OffloadQueueView.h"
#include "ui/ReportWindow.h"
#include "ui/Theme.h"
#include "ui/stages/ElidedLabel.h"

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace stowly {
namespace {

constexpr int progressSteps = 1000;

// Problems the user must act on read as warnings; inputs not given yet read as plain text.
bool isWarning(OffloadBlocker::Reason reason) {
    using R = OffloadBlocker::Reason;
    return QList{R::unreadableCard,          R::namingInvalid,     R::destinationMissing,
                 R::destinationNotAnswering, R::destinationOnCard, R::destinationReadOnly,
                 R::notEnoughSpace}
        .contains(reason);
}

void setRole(QWidget* widget, const char* role) {
    widget->setProperty("stowlyRole", QString::fromLatin1(role));
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

} // namespace

OffloadBar::OffloadBar(AppModel& model, QWidget* parent)
    : QFrame(parent), m_model(model), m_readyPage(new QWidget(this)),
      m_readyLine(new QLabel(m_readyPage)), m_start(new QPushButton(m_readyPage)),
      m_unqueue(new QPushButton(tr("Cancel"), m_readyPage)),
      m_queue(new OffloadQueueView(model, this)), m_runningPage(new QWidget(this)),
      m_progress(new QProgressBar(m_runningPage)), m_counts(new QLabel(m_runningPage)),
      m_currentFile(new ElidedLabel(m_runningPage)),
      m_verifying(new QLabel(StageTexts::verifying(), m_runningPage)),
      m_eta(new QLabel(m_runningPage)), m_cancel(new QPushButton(tr("Cancel"), m_runningPage)),
      m_clock(new QTimer(this)), m_finishedPage(new QWidget(this)),
      m_title(new QLabel(m_finishedPage)), m_subtitle(new QLabel(m_finishedPage)),
      m_failures(new QListWidget(m_finishedPage)),
      m_done(new QPushButton(StageTexts::done(), m_finishedPage)),
      m_showReport(new QPushButton(tr("Show Report"), m_finishedPage)),
      m_safeToRemove(new QLabel(m_finishedPage)), m_cascadeRow(new QWidget(this)),
      m_cascadeProgress(new QProgressBar(m_cascadeRow)), m_cascadeLine(new QLabel(m_cascadeRow)) {
    setObjectName(QStringLiteral("offloadBar"));
    setProperty("stowlyRole", QStringLiteral("bar"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(0);

    // Ready: why not, or the promise, and the one primary button of the window.
    m_readyLine->setObjectName(QStringLiteral("readyLine"));
    m_readyLine->setWordWrap(true);
    m_start->setObjectName(QStringLiteral("startButton"));
    m_start->setProperty("stowlyRole", QStringLiteral("primary"));
    m_start->setToolTip(StageTexts::startHelp());
    m_start->setDefault(true);
    m_start->setCursor(Qt::PointingHandCursor);
    connect(m_start, &QPushButton::clicked, &m_model, &AppModel::startOffload);
    m_unqueue->setObjectName(QStringLiteral("unqueueButton"));
    m_unqueue->setAccessibleName(tr("Cancel waiting offload"));
    connect(m_unqueue, &QPushButton::clicked, this, [this] {
        if (const auto card = m_model.selectedCard())
            m_model.queueBoard().cancel(card->id());
    });
    auto* ready = new QHBoxLayout(m_readyPage);
    ready->setContentsMargins(0, 0, 0, 0);
    ready->setSpacing(16);
    ready->addWidget(m_readyLine, 1);
    ready->addWidget(m_unqueue);
    ready->addWidget(m_start);
    layout->addWidget(m_queue);
    layout->addWidget(m_readyPage);

    // Running: the bar and Cancel, then files and bytes, the file, and the time left.
    m_progress->setObjectName(QStringLiteral("offloadProgress"));
    m_progress->setAccessibleName(StageTexts::progressLabel());
    m_progress->setRange(0, progressSteps);
    m_progress->setTextVisible(false);
    m_counts->setObjectName(QStringLiteral("progressCounts"));
    m_currentFile->setObjectName(QStringLiteral("currentFile"));
    m_currentFile->setProperty("stowlyRole", QStringLiteral("secondary"));
    m_verifying->setObjectName(QStringLiteral("verifyingTag"));
    m_verifying->setProperty("stowlyRole", QStringLiteral("pill"));
    m_eta->setObjectName(QStringLiteral("eta"));
    m_eta->setProperty("stowlyRole", QStringLiteral("secondary"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (CardDesk* desk = m_model.selectedDesk())
            desk->cancel();
    });
    auto* barRow = new QHBoxLayout;
    barRow->setSpacing(16);
    barRow->addWidget(m_progress, 1, Qt::AlignVCenter);
    barRow->addWidget(m_cancel);
    auto* textRow = new QHBoxLayout;
    textRow->setSpacing(8);
    textRow->addWidget(m_counts);
    textRow->addWidget(m_currentFile, 1);
    textRow->addWidget(m_verifying);
    textRow->addSpacing(8);
    textRow->addWidget(m_eta);
    auto* running = new QVBoxLayout(m_runningPage);
    running->setContentsMargins(0, 0, 0, 0);
    running->setSpacing(8);
    running->addLayout(barRow);
    running->addLayout(textRow);
    layout->addWidget(m_runningPage);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &OffloadBar::updateRunning);
    connect(m_clock, &QTimer::timeout, this, &OffloadBar::updateQueue);

    // Finished: the result in large type, the line of counts, what failed, and Done.
    m_title->setObjectName(QStringLiteral("finishedTitle"));
    m_title->setProperty("stowlyRole", QStringLiteral("finishedTitle"));
    m_subtitle->setObjectName(QStringLiteral("finishedSubtitle"));
    m_subtitle->setWordWrap(true);
    m_failures->setObjectName(QStringLiteral("failureList"));
    m_failures->setWordWrap(true);
    m_failures->setIconSize(QSize(16, 16));
    m_failures->setSelectionMode(QAbstractItemView::NoSelection);
    m_failures->setAccessibleName(tr("Files that failed"));
    m_done->setObjectName(QStringLiteral("doneButton"));
    connect(m_done, &QPushButton::clicked, &m_model, &AppModel::finishSession);
    m_showReport->setObjectName(QStringLiteral("showReportButton"));
    m_showReport->setToolTip(
        tr("The offload's report: every file, its copies and their checksums, to print or "
           "save"));
    connect(m_showReport, &QPushButton::clicked, this, [this] {
        if (const CardDesk* desk = m_model.selectedDesk(); desk && desk->session())
            ReportWindow::open(
                m_model, {ReportScope::Kind::run, AppModel::runIdOf(*desk->session())}, window());
    });
    connect(&m_model, &AppModel::reportsWritten, this, [this] {
        if (m_mode == Mode::finished)
            updateFinished();
    });
    auto* heading = new QVBoxLayout;
    heading->setSpacing(4);
    heading->addWidget(m_title);
    heading->addWidget(m_subtitle);
    auto* headRow = new QHBoxLayout;
    headRow->setSpacing(16);
    headRow->addLayout(heading, 1);
    headRow->addWidget(m_showReport, 0, Qt::AlignVCenter);
    headRow->addWidget(m_done, 0, Qt::AlignVCenter);
    m_safeToRemove->setObjectName(QStringLiteral("safeToRemove"));
    m_safeToRemove->setWordWrap(true);
    auto* finished = new QVBoxLayout(m_finishedPage);
    finished->setContentsMargins(0, 0, 0, 0);
    finished->setSpacing(8);
    finished->addLayout(headRow);
    finished->addWidget(m_safeToRemove);
    finished->addWidget(m_failures);
    layout->addWidget(m_finishedPage);

    // The backups made from first copies: a slim bar of their own, apart from the card's.
    m_cascadeRow->setObjectName(QStringLiteral("cascadeRow"));
    m_cascadeProgress->setObjectName(QStringLiteral("cascadeProgress"));
    m_cascadeProgress->setAccessibleName(tr("Backups from the first copy"));
    m_cascadeProgress->setRange(0, progressSteps);
    m_cascadeProgress->setTextVisible(false);
    m_cascadeProgress->setMaximumHeight(6);
    m_cascadeLine->setObjectName(QStringLiteral("cascadeLine"));
    m_cascadeLine->setProperty("stowlyRole", QStringLiteral("secondary"));
    auto* cascade = new QVBoxLayout(m_cascadeRow);
    cascade->setContentsMargins(0, 12, 0, 0);
    cascade->setSpacing(4);
    cascade->addWidget(m_cascadeProgress);
    cascade->addWidget(m_cascadeLine);
    layout->addWidget(m_cascadeRow);
    connect(&m_model, &AppModel::cascadeChanged, this, &OffloadBar::updateCascade);
    connect(&m_model, &AppModel::cascadeChanged, this, [this] {
        if (m_mode == Mode::finished)
            updateFinished();
    });

    for (auto signal : {&AppModel::sessionChanged, &AppModel::sessionUpdated,
                        &AppModel::blockerChanged, &AppModel::scanningChanged})
        connect(&m_model, signal, this, &OffloadBar::refresh);
    connect(&m_model, &AppModel::offloadProgressed, this, &OffloadBar::updateRunning);
    connect(&m_model, &AppModel::offloadProgressed, this, &OffloadBar::updateQueue);
    connect(&m_model, &AppModel::offloadFinished, this, &OffloadBar::refresh);
    connect(&m_model, &AppModel::queueChanged, this, &OffloadBar::refresh);
    connect(&m_model.devices(), &CardDevices::ejectEnded, this, &OffloadBar::ejectEnded);
    refresh();
}

void OffloadBar::refresh() {
    const CardDesk* desk = m_model.selectedDesk();
    const Mode mode = desk && desk->isRunning()    ? Mode::running
                      : desk && desk->isWaiting()  ? Mode::waiting
                      : desk && desk->isFinished() ? Mode::finished
                                                   : Mode::ready;
    const bool modeChanged = mode != m_mode;
    m_mode = mode;
    m_readyPage->setVisible(mode == Mode::ready || mode == Mode::waiting);
    m_runningPage->setVisible(mode == Mode::running);
    m_finishedPage->setVisible(mode == Mode::finished);
    // The clock runs while anything copies, for the shown card's time left and the queue's.
    if (!m_model.isBusy())
        m_clock->stop();
    else if (!m_clock->isActive())
        m_clock->start();
    updateQueue();
    updateCascade();
    switch (mode) {
    case Mode::ready:
    case Mode::waiting:
        updateReady();
        break;
    case Mode::running:
        updateRunning();
        break;
    case Mode::finished:
        updateFinished();
        if (modeChanged) {
            // The result is read with the keyboard too: Done takes the start button's focus.
            if (window()->isActiveWindow())
                m_done->setFocus();
            const auto summary = desk->summary();
            if (summary && !summary->cancelled && summary->failed == 0 && summary->copied > 0)
                arrive();
        }
        break;
    }
}

void OffloadBar::updateQueue() {
    // Shown when something other than the shown card's offload is in the queue.
    const QList<QueueLine> lines = m_model.queueBoard().lines();
    const auto card = m_model.selectedCard();
    const bool others = std::any_of(lines.cbegin(), lines.cend(), [&](const QueueLine& line) {
        return !card || line.cardID != card->id();
    });
    m_queue->setVisible(others);
    if (others)
        m_queue->showLines(lines);
}

void OffloadBar::updateReady() {
    const CardDesk* desk = m_model.selectedDesk();
    m_unqueue->setVisible(m_mode == Mode::waiting);
    m_start->setVisible(m_mode != Mode::waiting);
    if (m_mode == Mode::waiting) {
        m_readyLine->setText(m_model.queueBoard().waitingText(*desk).value_or(QString()));
        setRole(m_readyLine, "secondary");
        return;
    }
    const bool hasOffload = desk && desk->hasOffload();
    m_start->setText(StageTexts::startButton(hasOffload ? desk->newClips().size() : 0));
    const auto& blocker = m_model.offloadBlocker();
    m_start->setEnabled(!blocker && hasOffload);
    m_readyLine->setText(blocker ? blocker->text : StageTexts::readyLine());
    setRole(m_readyLine, blocker && isWarning(blocker->reason) ? "warning" : "secondary");
}

void OffloadBar::updateRunning() {
    const CardDesk* desk = m_model.selectedDesk();
    if (m_mode != Mode::running || !desk)
        return;
    const OffloadProgress p = desk->progress();
    m_progress->setValue(
        p.bytesTotal > 0 ? int(double(p.bytesDone) / double(p.bytesTotal) * progressSteps) : 0);
    m_counts->setText(
        tr("%1 of %2 files · %3 of %4")
            .arg(p.filesDone)
            .arg(p.filesTotal)
            .arg(SpaceInfo::formatBytes(p.bytesDone), SpaceInfo::formatBytes(p.bytesTotal)) +
        (p.destinations > 1 ? tr(" · to %n destinations", nullptr, int(p.destinations))
                            : QString()));
    m_currentFile->setFullText(p.currentFile);
    m_verifying->setText(p.isVerifyingSource ? StageTexts::verifyingSource()
                                             : StageTexts::verifying());
    m_verifying->setVisible(p.isVerifying || p.isVerifyingSource);
    m_eta->setText(OffloadFormatting::timeLeft(p, desk->startedAt(), QDateTime::currentDateTime()));
}

void OffloadBar::updateFinished() {
    const CardDesk* desk = m_model.selectedDesk();
    const std::optional<OffloadSummary> finished = desk ? desk->summary() : std::nullopt;
    if (!finished)
        return;
    const OffloadSummary& summary = *finished;
    const std::optional<QString> readFailure = ClipsStageContent::readFailure(*desk);
    m_title->setText(OffloadFormatting::finishedTitle(summary, !readFailure));
    m_subtitle->setText(
        OffloadFormatting::finishedSubtitle(summary, m_ejectedSession == desk->offloadID()));
    // The report reads the run's record, written just after the run.
    m_showReport->setEnabled(m_model.reportsWriting() == 0);
    m_showReport->setVisible(!summary.copies.isEmpty());
    const std::optional<QString> safe = m_model.safeToRemoveText(*desk);
    m_safeToRemove->setText(safe.value_or(QString()));
    m_safeToRemove->setVisible(safe.has_value());
    m_failures->clear();
    const QIcon warning =
        Theme::icon(QStringLiteral("dialog-warning"), palette().color(QPalette::BrightText));
    QStringList problems = OffloadFormatting::problemLines(summary, desk->card().name, readFailure);
    // What the backups made from its first copies could not do belongs to the card too.
    const CascadeQueue& cascade = m_model.cascadeQueue();
    const QString identity = desk->card().volumeIdentity();
    for (const CascadeQueue::Failure& failure : cascade.failures())
        if (failure.item.cardIdentity() == identity)
            problems << failure.failure.description;
    if (const std::optional<QString>& why = cascade.historyNotSaved())
        problems << OffloadFormatting::historyNotSavedLine(*why);
    for (const QString& line : problems)
        // The files under a card that went away are indented, without a mark of their own.
        new QListWidgetItem(line.startsWith(u' ') ? QIcon() : warning, line.trimmed(), m_failures);
    m_failures->setVisible(m_failures->count() > 0);
    // As tall as its first few lines; longer lists scroll.
    const int rowHeight = std::max(fontMetrics().lineSpacing(), 16) + 8;
    m_failures->setFixedHeight(std::min(m_failures->count(), 4) * rowHeight +
                               2 * m_failures->frameWidth() + 2);
}

void OffloadBar::updateCascade() {
    const CascadeQueue::Progress p = m_model.cascadeQueue().progress();
    m_cascadeRow->setVisible(p.filesLeft > 0);
    if (p.filesLeft <= 0)
        return;
    m_cascadeProgress->setValue(
        p.bytesTotal > 0 ? int(double(p.bytesDone) / double(p.bytesTotal) * progressSteps) : 0);
    m_cascadeLine->setText(OffloadFormatting::cascadeLine(p.filesLeft, p.bytesDone, p.bytesTotal));
}

void OffloadBar::arrive() {
    // The style's animation time; a desktop that wants no motion sets it to nothing.
    const int duration = style()->styleHint(QStyle::SH_Widget_Animation_Duration, nullptr, this);
    if (duration <= 0)
        return;
    auto* effect = new QGraphicsOpacityEffect(m_title);
    m_title->setGraphicsEffect(effect);
    auto* fade = new QPropertyAnimation(effect, "opacity", effect);
    fade->setDuration(std::max(duration, 250));
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->setEasingCurve(QEasingCurve::OutCubic);
    // Drawn plainly again once it has arrived.
    connect(fade, &QPropertyAnimation::finished, m_title,
            [this] { m_title->setGraphicsEffect(nullptr); });
    fade->start();
}

void OffloadBar::ejectEnded(const CardVolume& card, const std::optional<QString>& error) {
    const CardDesk* desk = m_model.selectedDesk();
    if (error || !desk || !desk->isFinished() || desk->card().url != card.url)
        return;
    m_ejectedSession = desk->offloadID();
    updateFinished();
}

} // namespace stowly
