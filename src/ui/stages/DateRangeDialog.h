#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;

namespace stowly {

// Chooses the days an offload takes: a first and a last day, each with a calendar to pick
// from. The last day can't come before the first.
class DateRangeDialog : public QDialog {
    Q_OBJECT
public:
    DateRangeDialog(const QDate& first, const QDate& last, QWidget* parent = nullptr);

    QDate first() const;
    QDate last() const;

private:
    QDateEdit* m_first;
    QDateEdit* m_last;
};

} // namespace stowly
