#pragma once

#include "ui/StagePanel.h"
#include "ui/WrappingButton.h"
#include "ui/stages/StageConfirm.h"

class QLabel;
class QListView;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace stowly {

class AppModel;

// Stage 1: the mounted cards, the selected card's actions, whether every file on it has a
// verified copy, and the guarded erase with its progress and outcome.
class CardStageView : public StagePanel {
    Q_OBJECT
public:
    CardStageView(AppModel& model, QWidget* parent = nullptr);

    // Where the erase asks for confirmation; a message box unless the window routes it.
    void setConfirm(StageConfirm confirm) { m_confirm = std::move(confirm); }

private:
    void showSelection();
    void updateCard();
    // The format button, its help and the badge saying every file has a verified copy.
    void updateFormat(bool hasSelection);
    void updateListHeight();
    void askToFormat();
    // The detail line of a card row; only the selected card has an inventory to tell.
    QString detailOf(const QModelIndex& index) const;
    QString helpOf(const QModelIndex& index) const;
    bool isSelectedRow(const QModelIndex& index) const;

    AppModel& m_model;
    StageConfirm m_confirm;
    // Set while the list follows the model, so that it does not select back.
    bool m_following = false;
    QStackedWidget* m_pages;
    QListView* m_list;
    QToolButton* m_eject;
    QToolButton* m_actions;
    QLabel* m_badge;
    QWidget* m_badgeRow = nullptr;
    QLabel* m_formatLine;
    QLabel* m_formatMark;
    QLabel* m_ejectLine;
    WrappingButton* m_format;
    QLabel* m_formatHelp;
    QLabel* m_historyLine;
};

} // namespace stowly
