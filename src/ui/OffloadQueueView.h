#pragma once

#include "app/model/QueueLines.h"

#include <QWidget>

class QLabel;

namespace stowly {

class AppModel;
class ReorderingList;

// Every running and waiting offload, one line each, with the total: waiting ones are dragged
// into another order, and any is cancelled from its menu or with Delete.
class OffloadQueueView : public QWidget {
    Q_OBJECT
public:
    explicit OffloadQueueView(AppModel& model, QWidget* parent = nullptr);

    // Shows the queue's lines; the bar reads them as the clock ticks and as the queue changes.
    void showLines(const QList<QueueLine>& lines);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the line is a waiting offload that can trade places with the one `by` away.
    bool canMove(int line, int by) const;
    void moveLine(int line, int by);
    void cancelLine(int line);
    void showMenu(const QPoint& position);

    AppModel& m_model;
    QLabel* m_total;
    ReorderingList* m_lines;
};

} // namespace stowly
