#include "ui/RecentOffloadsView.h"

#include "app/lists/HistoryModel.h"
#include "app/model/AppModel.h"
#include "app/wording/StageTexts.h"
#include "devices/SpaceInfo.h"
#include "ui/ReportWindow.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QStackedLayout>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace stowly {
namespace {

// Two lines per copy: its name at the destination, then the card, the time and the size.
class EntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static QString detail(const QModelIndex& index) {
        const QDateTime at = index.data(HistoryModel::OffloadedAtRole).toDateTime().toLocalTime();
        QStringList parts{index.data(HistoryModel::CardNameRole).toString(),
                          QLocale().toString(at, QLocale::ShortFormat),
                          SpaceInfo::formatBytes(index.data(HistoryModel::SizeRole).toLongLong())};
        if (const QString station = index.data(HistoryModel::StationRole).toString();
            !station.isEmpty())
            parts << station;
        return parts.join(QStringLiteral(" · "));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {200, option.fontMetrics.height() * 2 + 20};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        background.icon = {};
        option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &background, painter,
                                            option.widget);
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        const QRect area = option.rect.adjusted(12, 8, -12, -8);
        const int line = option.fontMetrics.height();
        const QString name =
            QFileInfo(index.data(HistoryModel::DestinationPathRole).toString()).fileName();
        painter->save();
        painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRect(area.left(), area.top(), area.width(), line), Qt::AlignLeft,
                          option.fontMetrics.elidedText(name, Qt::ElideMiddle, area.width()));
        painter->setPen(
            palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
        painter->drawText(
            QRect(area.left(), area.top() + line + 4, area.width(), line), Qt::AlignLeft,
            option.fontMetrics.elidedText(detail(index), Qt::ElideRight, area.width()));
        painter->restore();
    }
};

} // namespace

RecentOffloadsView::RecentOffloadsView(AppModel& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_pages(new QStackedLayout), m_list(new QListView(this)),
      m_empty(new QLabel(StageTexts::historyEmpty(), this)),
      m_remove(new QPushButton(tr("Remove"), this)),
      m_report(new QPushButton(tr("Show Report"), this)) {
    setObjectName(QStringLiteral("recentOffloads"));
    setWindowTitle(tr("Recent Offloads"));
    resize(520, 480);

    HistoryModel& history = m_model.historyList();
    m_list->setObjectName(QStringLiteral("historyList"));
    m_list->setAccessibleName(tr("Recent offloads"));
    m_list->setModel(&history);
    m_list->setItemDelegate(new EntryDelegate(m_list));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setAlternatingRowColors(true);
    m_empty->setObjectName(QStringLiteral("historyEmpty"));
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setProperty("stowlyRole", QStringLiteral("secondary"));
    m_pages->addWidget(m_list);
    m_pages->addWidget(m_empty);

    m_remove->setObjectName(QStringLiteral("removeHistoryEntry"));
    m_remove->setToolTip(StageTexts::historyRemoveHelp());
    m_remove->setAccessibleDescription(StageTexts::historyRemoveHelp());
    connect(m_remove, &QPushButton::clicked, this, &RecentOffloadsView::removeSelected);
    m_report->setObjectName(QStringLiteral("showHistoryReport"));
    m_report->setToolTip(tr("The report of the offload that made this copy"));
    connect(m_report, &QPushButton::clicked, this, &RecentOffloadsView::showReport);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_remove);
    buttons->addWidget(m_report);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    layout->addLayout(m_pages, 1);
    layout->addLayout(buttons);

    connect(&history, &QAbstractItemModel::modelReset, this, &RecentOffloadsView::updateState);
    connect(&history, &QAbstractItemModel::rowsInserted, this, &RecentOffloadsView::updateState);
    connect(&history, &QAbstractItemModel::rowsRemoved, this, &RecentOffloadsView::updateState);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RecentOffloadsView::updateState);
    updateState();
}

void RecentOffloadsView::updateState() {
    const bool empty = m_model.historyList().rowCount() == 0;
    m_pages->setCurrentWidget(empty ? static_cast<QWidget*>(m_empty) : m_list);
    m_remove->setEnabled(!empty && m_list->selectionModel()->hasSelection());
    m_report->setEnabled(!empty && m_list->selectionModel()->selectedRows().size() == 1);
}

void RecentOffloadsView::showReport() {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.size() != 1)
        return;
    const QModelIndex& index = rows.first();
    // A copy made before runs were recorded gets its card's report.
    const std::optional<QString> run =
        m_model.runIdOfCopy(index.data(HistoryModel::DestinationPathRole).toString());
    const ReportScope scope =
        run ? ReportScope{ReportScope::Kind::run, *run}
            : ReportScope{ReportScope::Kind::card,
                          index.data(HistoryModel::SourceKeyRole).toString().section(u'|', 0, 0)};
    ReportWindow::open(m_model, scope, this);
}

void RecentOffloadsView::removeSelected() {
    // Entries first, then forgetting: each removal shifts the rows below it.
    QList<HistoryEntry> entries;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        if (auto entry = m_model.historyList().entry(index.row()))
            entries.append(*entry);
    for (const HistoryEntry& entry : entries)
        m_model.forgetHistoryEntry(entry);
}

} // namespace stowly
