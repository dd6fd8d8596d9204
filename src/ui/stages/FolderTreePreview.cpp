#include "ui/stages/FolderTreePreview.h"
#include "copy/FolderProbe.h"

#include "ui/stages/StageStyle.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStandardItemModel>

namespace stowly {

namespace {
enum Column { nameColumn, countColumn };
} // namespace

FolderTreePreview::FolderTreePreview(QWidget* parent)
    : QTreeView(parent), m_items(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("folderTree"));
    setAccessibleName(tr("Folders the offload creates"));
    setModel(m_items);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setTextElideMode(Qt::ElideMiddle);
    setIndentation(16);
    // An outline inside the panel rather than a box of its own.
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    m_items->setColumnCount(2);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(countColumn, QHeaderView::ResizeToContents);
}

void FolderTreePreview::setPlan(const QList<PlannedFile>& plan, const QString& destination) {
    // Files per folder, folders in the order the plan first uses them.
    QStringList order;
    QHash<QString, int> counts;
    for (const PlannedFile& file : plan) {
        if (!counts.contains(file.folder))
            order.append(file.folder);
        ++counts[file.folder];
    }

    m_items->removeRows(0, m_items->rowCount());
    m_folders = 0;
    QHash<QString, QStandardItem*> made;
    const QDir root(destination);
    const QColor secondary = stageStyle::secondaryColor(palette());
    const auto folderItem = [&](const QString& path) -> QStandardItem* {
        const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
        QStandardItem* parent = m_items->invisibleRootItem();
        QString sofar;
        for (const QString& part : parts) {
            sofar = sofar.isEmpty() ? part : sofar + u'/' + part;
            if (QStandardItem* existing = made.value(sofar)) {
                parent = existing;
                continue;
            }
            const bool exists = FolderProbe::isFolder(root.filePath(sofar));
            auto* item = new QStandardItem(part + u'/');
            item->setIcon(
                stageStyle::icon(exists ? QStringLiteral("folder") : QStringLiteral("folder-new"),
                                 QStringLiteral("folder")));
            item->setToolTip(exists ? tr("%1 is already at the destination; new files join it")
                                          .arg(root.filePath(sofar))
                                    : tr("%1 will be created").arg(root.filePath(sofar)));
            item->setData(exists, Qt::UserRole);
            if (exists) {
                QFont italic = font();
                italic.setItalic(true);
                item->setFont(italic);
            }
            auto* count = new QStandardItem;
            count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            count->setForeground(secondary);
            parent->appendRow({item, count});
            made.insert(sofar, item);
            ++m_folders;
            parent = item;
        }
        return parent;
    };
    for (const QString& folder : order) {
        QStandardItem* item = folderItem(folder);
        const int count = counts.value(folder);
        const QString text = QString::number(count);
        const QString files = count == 1 ? tr("1 file") : tr("%n files", nullptr, int(count));
        if (item == m_items->invisibleRootItem()) {
            // Files straight into the destination: one row names the destination itself.
            auto* top = new QStandardItem(stageStyle::icon(QStringLiteral("folder")),
                                          QFileInfo(destination).fileName() + u'/');
            auto* number = new QStandardItem(text);
            number->setForeground(secondary);
            number->setToolTip(files);
            number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_items->invisibleRootItem()->insertRow(0, {top, number});
            continue;
        }
        const QModelIndex index = item->index();
        QStandardItem* number = m_items->itemFromIndex(index.siblingAtColumn(countColumn));
        number->setText(text);
        number->setToolTip(files);
    }
    expandAll();
}

} // namespace stowly
