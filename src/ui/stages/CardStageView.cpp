#include "ui/stages/CardStageView.h"

#include "app/lists/CardListModel.h"
#include "app/model/AppModel.h"
#include "app/model/CardDevices.h"
#include "app/model/OffloadFormatting.h"
#include "app/wording/FormatAlert.h"
#include "app/wording/StageTexts.h"
#include "ui/stages/CardRowDelegate.h"
#include "ui/stages/StageStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace stowly {

CardStageView::CardStageView(AppModel& model, QWidget* parent)
    : StagePanel(1, parent), m_model(model), m_confirm(stageConfirm::messageBox(this)),
      m_pages(new QStackedWidget(this)), m_list(new QListView(this)),
      m_eject(new QToolButton(this)), m_actions(new QToolButton(this)), m_badge(new QLabel(this)),
      m_formatLine(new QLabel(this)), m_formatMark(new QLabel(this)), m_ejectLine(new QLabel(this)),
      m_format(new WrappingButton(this)), m_formatHelp(stageStyle::secondaryLabel({}, this)),
      m_historyLine(stageStyle::secondaryLabel(StageTexts::readingHistory(), this)) {
    setObjectName(QStringLiteral("cardStage"));

    auto* empty = new QWidget(m_pages);
    auto* emptyLayout = new QVBoxLayout(empty);
    emptyLayout->setContentsMargins(0, 0, 0, 0);
    emptyLayout->setSpacing(8);
    emptyLayout->addWidget(stageStyle::titleLabel(StageTexts::noCardTitle(), empty));
    emptyLayout->addWidget(stageStyle::secondaryLabel(StageTexts::noCardMessage(), empty));
    emptyLayout->addStretch();

    m_list->setObjectName(QStringLiteral("cardList"));
    m_list->setAccessibleName(tr("Cards"));
    m_list->setModel(&m_model.cardList());
    m_list->setItemDelegate(
        new CardRowDelegate([this](const QModelIndex& index) { return detailOf(index); },
                            [this](const QModelIndex& index) { return helpOf(index); }, m_list));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    m_eject->setObjectName(QStringLiteral("ejectButton"));
    m_eject->setText(StageTexts::ejectCard());
    m_eject->setAccessibleName(StageTexts::ejectCard());
    m_eject->setIcon(stageStyle::icon(QStringLiteral("media-eject")));
    m_eject->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_eject->setAutoRaise(true);

    auto* menu = new QMenu(m_actions);
    QAction* ejectAction = menu->addAction(StageTexts::ejectCard());
    QAction* forgetAction = menu->addAction(StageTexts::forgetCardHistory());
    m_actions->setObjectName(QStringLiteral("cardActionsButton"));
    m_actions->setText(QStringLiteral("⋯"));
    m_actions->setAccessibleName(StageTexts::cardActionsHelp());
    m_actions->setToolTip(StageTexts::cardActionsHelp());
    m_actions->setMenu(menu);
    m_actions->setPopupMode(QToolButton::InstantPopup);
    m_actions->setAutoRaise(true);
    // The menu is built when the card is known; recompute what applies each time it opens.
    connect(menu, &QMenu::aboutToShow, this, [this, ejectAction, forgetAction] {
        ejectAction->setEnabled(m_model.selectedCard() && !m_model.devices().isEjecting() &&
                                !m_model.isSelectedCardBusy() && !m_model.isFormatting());
        forgetAction->setEnabled(m_model.selectedCardHistoryCount() > 0 &&
                                 !m_model.isSelectedCardBusy());
    });
    const auto eject = [this] {
        if (const auto card = m_model.selectedCard())
            m_model.ejectCard(*card);
    };
    connect(ejectAction, &QAction::triggered, this, eject);
    connect(m_eject, &QToolButton::clicked, this, eject);
    connect(forgetAction, &QAction::triggered, this,
            [this] { m_model.confirmForgetSelectedCardHistory(); });

    auto* actions = new QHBoxLayout;
    actions->setSpacing(8);
    actions->addWidget(m_eject);
    actions->addStretch();
    actions->addWidget(m_actions);

    m_badge->setObjectName(QStringLiteral("verifiedBadge"));
    m_badge->setText(StageTexts::verifiedBadge());
    m_badge->setWordWrap(true);
    m_badge->setProperty("stowlyRole", QStringLiteral("badge"));
    m_formatLine->setWordWrap(true);
    m_ejectLine->setWordWrap(true);

    m_format->setObjectName(QStringLiteral("formatButton"));
    connect(m_format, &QPushButton::clicked, this, &CardStageView::askToFormat);

    auto* card = new QWidget(m_pages);
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(0, 0, 0, 0);
    cardLayout->setSpacing(8);
    cardLayout->addWidget(m_list);
    cardLayout->addLayout(actions);
    // The check says "safe" at a glance, before the sentence is read.
    m_badgeRow = new QWidget(card);
    auto* badgeRow = new QHBoxLayout(m_badgeRow);
    badgeRow->setContentsMargins(0, 0, 0, 0);
    badgeRow->setSpacing(8);
    auto* check = new QLabel(m_badgeRow);
    check->setPixmap(stageStyle::icon(QStringLiteral("emblem-ok")).pixmap(16, 16));
    badgeRow->addWidget(check, 0, Qt::AlignTop);
    m_badge->setParent(m_badgeRow);
    badgeRow->addWidget(m_badge, 1);
    cardLayout->addWidget(m_badgeRow);
    cardLayout->addWidget(m_ejectLine);
    cardLayout->addStretch(1);
    auto* formatState = new QHBoxLayout;
    formatState->setSpacing(8);
    m_formatMark->setPixmap(stageStyle::icon(QStringLiteral("dialog-warning")).pixmap(16, 16));
    m_formatMark->setAccessibleName(tr("Warning"));
    formatState->addWidget(m_formatMark, 0, Qt::AlignTop);
    formatState->addWidget(m_formatLine, 1);
    cardLayout->addLayout(formatState);
    cardLayout->addWidget(m_format);
    cardLayout->addWidget(m_formatHelp);

    m_pages->addWidget(empty);
    m_pages->addWidget(card);
    m_historyLine->setObjectName(QStringLiteral("historyLoadingLine"));
    contentLayout()->addWidget(m_historyLine);
    contentLayout()->addWidget(m_pages, 1);
    setMinimumWidth(220);

    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_following || !current.isValid())
                    return;
                const QString path = current.data(CardListModel::PathRole).toString();
                // Any card may be shown while others copy; an erase keeps the window on its card.
                if (!m_model.isFormatting())
                    for (const CardVolume& card : m_model.cards())
                        if (card.url == path && m_model.selectedCardID() != card.id())
                            m_model.select(card, false);
                showSelection();
            });
    for (auto signal : {&AppModel::cardsChanged, &AppModel::selectionChanged})
        connect(&m_model, signal, this, &CardStageView::showSelection);
    for (auto signal :
         {&AppModel::inventoryChanged, &AppModel::sessionChanged, &AppModel::sessionUpdated,
          &AppModel::scanningChanged, &AppModel::formatStateChanged, &AppModel::offloadProgressed,
          &AppModel::historyLoadingChanged})
        connect(&m_model, signal, this, &CardStageView::updateCard);
    connect(&m_model.devices(), &CardDevices::ejectingChanged, this, &CardStageView::updateCard);
    connect(&m_model.cardList(), &QAbstractItemModel::rowsInserted, this,
            &CardStageView::updateListHeight);
    connect(&m_model.cardList(), &QAbstractItemModel::rowsRemoved, this,
            &CardStageView::updateListHeight);
    connect(&m_model.cardList(), &QAbstractItemModel::modelReset, this,
            &CardStageView::updateListHeight);
    showSelection();
}

bool CardStageView::isSelectedRow(const QModelIndex& index) const {
    const auto& selected = m_model.selectedCardID();
    return selected && index.data(CardListModel::PathRole).toString() == *selected;
}

QString CardStageView::detailOf(const QModelIndex& index) const {
    return index.data(CardListModel::DetailRole).toString();
}

QString CardStageView::helpOf(const QModelIndex& index) const {
    const auto& inventory = m_model.cardInventory();
    return isSelectedRow(index) && inventory && !inventory->ignored.isEmpty()
               ? StageTexts::ignoredHelp()
               : QString();
}

void CardStageView::showSelection() {
    // A format in progress keeps its line even once the card is gone.
    const bool hasCard = !m_model.cards().isEmpty() ||
                         m_model.formatState().kind != AppModel::FormatState::Kind::idle;
    m_pages->setCurrentIndex(hasCard ? 1 : 0);
    const auto& selected = m_model.selectedCardID();
    const int row = selected ? m_model.cardList().rowOf(*selected) : -1;
    m_following = true;
    if (row >= 0)
        m_list->setCurrentIndex(m_model.cardList().index(row));
    else
        m_list->clearSelection();
    m_following = false;
    updateListHeight();
    updateCard();
}

void CardStageView::updateListHeight() {
    // A cart's readers hold up to about six cards; more scroll.
    const int rows = std::clamp(m_model.cardList().rowCount(), 1, 6);
    const int rowHeight = m_list->sizeHintForRow(0) > 0 ? m_list->sizeHintForRow(0) : 48;
    m_list->setFixedHeight(rows * rowHeight + 2 * m_list->frameWidth());
}

void CardStageView::updateFormat(bool hasSelection) {
    const auto readiness = m_model.formatReadiness();
    const bool allVerified =
        hasSelection && !m_model.isScanning() && readiness && readiness->allVerified();
    m_badgeRow->setVisible(allVerified);
    const bool canFormat = m_model.canFormatSelectedCard();
    m_format->setFullText(FormatAlert::formatTitle(readiness));
    m_format->setAccessibleName(m_format->fullText());
    m_format->setEnabled(canFormat);
    m_format->setVisible(hasSelection);
    const QString help = FormatAlert::helpText(canFormat, readiness);
    m_format->setToolTip(help);
    m_formatHelp->setText(help);
    m_formatHelp->setVisible(hasSelection);
}

void CardStageView::updateCard() {
    m_list->viewport()->update();
    m_historyLine->setVisible(m_model.isLoadingHistory());
    const bool hasSelection = m_model.selectedCard().has_value();
    // Not while files are read from the card or it is being erased.
    const bool cardInUse = m_model.isSelectedCardBusy() || m_model.isFormatting();
    m_eject->setEnabled(hasSelection && !m_model.devices().isEjecting() && !cardInUse);
    m_actions->setEnabled(hasSelection);

    // While the card is copied or erased nothing about erasing it can change but that it
    // can't start now; the readiness over every file on the card waits until then.
    if (cardInUse)
        m_format->setEnabled(false);
    else
        updateFormat(hasSelection);

    const AppModel::FormatState& state = m_model.formatState();
    m_formatLine->setVisible(state.kind != AppModel::FormatState::Kind::idle);
    m_formatMark->setVisible(state.kind == AppModel::FormatState::Kind::failed);
    m_formatLine->setText(FormatAlert::stateText(state).value_or(QString()));
    stageStyle::setRole(m_formatLine, state.kind == AppModel::FormatState::Kind::failed
                                          ? QStringLiteral("warning")
                                          : QString());
    if (m_model.devices().isEjecting()) {
        m_ejectLine->setText(tr("Ejecting…"));
        stageStyle::setRole(m_ejectLine, QStringLiteral("secondary"));
    } else if (const auto& error = m_model.devices().ejectError()) {
        m_ejectLine->setText(*error);
        stageStyle::setRole(m_ejectLine, QStringLiteral("warning"));
    }
    m_ejectLine->setVisible(m_model.devices().isEjecting() ||
                            m_model.devices().ejectError().has_value());
}

void CardStageView::askToFormat() {
    const auto card = m_model.selectedCard();
    const auto readiness = m_model.formatReadiness();
    if (!card || !readiness || !m_model.canFormatSelectedCard())
        return;
    const QString id = card->id();
    m_confirm(FormatAlert::text(card->name, *readiness),
              [weak = QPointer<CardStageView>(this), id](bool confirmed) {
                  // The card must still be the one the user agreed to erase.
                  if (confirmed && weak && weak->m_model.selectedCardID() == id)
                      weak->m_model.formatSelectedCard();
              });
}

} // namespace stowly
