#pragma once

#include "naming/PlannedFile.h"

#include <QTreeView>

class QStandardItemModel;

namespace stowly {

// The folders an offload will make or fill below the destination, as a tree with the number
// of files each folder receives; folders already on the disk are marked as such.
class FolderTreePreview : public QTreeView {
    Q_OBJECT
public:
    explicit FolderTreePreview(QWidget* parent = nullptr);

    void setPlan(const QList<PlannedFile>& plan, const QString& destination);
    // The number of folders shown, at every depth.
    int folderCount() const { return m_folders; }

private:
    QStandardItemModel* m_items;
    int m_folders = 0;
};

} // namespace stowly
