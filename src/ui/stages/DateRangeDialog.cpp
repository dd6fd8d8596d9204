#include "ui/stages/DateRangeDialog.h"

#include "ui/stages/StageStyle.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace stowly {
namespace {

QDateEdit* dayField(const QDate& day, const QString& name, QWidget* parent) {
    auto* field = new QDateEdit(day, parent);
    field->setObjectName(name);
    field->setCalendarPopup(true);
    field->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    return field;
}

} // namespace

DateRangeDialog::DateRangeDialog(const QDate& first, const QDate& last, QWidget* parent)
    : QDialog(parent), m_first(dayField(std::min(first, last), QStringLiteral("firstDay"), this)),
      m_last(dayField(std::max(first, last), QStringLiteral("lastDay"), this)) {
    setObjectName(QStringLiteral("dateRange"));
    setWindowTitle(tr("Choose Dates"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    auto* explanation = stageStyle::secondaryLabel(
        tr("Copy only the files from these days, both days included. Everything else stays on "
           "the card."),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* fields = new QFormLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(8);
    fields->addRow(tr("From"), m_first);
    fields->addRow(tr("To"), m_last);
    m_first->setAccessibleName(tr("From"));
    m_last->setAccessibleName(tr("To"));
    layout->addLayout(fields);

    // The range never turns round: moving one end past the other takes the other along.
    connect(m_first, &QDateEdit::dateChanged, this, [this](const QDate& day) {
        if (m_last->date() < day)
            m_last->setDate(day);
    });
    connect(m_last, &QDateEdit::dateChanged, this, [this](const QDate& day) {
        if (m_first->date() > day)
            m_first->setDate(day);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* use = buttons->addButton(tr("Use These Dates"), QDialogButtonBox::AcceptRole);
    use->setObjectName(QStringLiteral("useDates"));
    use->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(340);
}

QDate DateRangeDialog::first() const {
    return m_first->date();
}

QDate DateRangeDialog::last() const {
    return m_last->date();
}

} // namespace stowly
