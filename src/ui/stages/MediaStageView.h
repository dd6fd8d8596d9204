#pragma once

#include "app/lists/SessionFilesModel.h"
#include "ui/StagePanel.h"

#include <QImage>
#include <QSet>

#include <optional>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QListView;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace stowly {

class AppModel;
class MediaFields;
class MediaTileDelegate;
class PreviewWindow;
class ThumbnailProvider;

// Stage 2: the files on the selected card. The choices that decide what is copied, the three
// lists (files to copy, offloaded before, short clips left on the card) in one view as rows or
// tiles, what each file's marks mean, and, when nothing is left to copy, why and the one step
// that changes it.
class MediaStageView : public StagePanel {
    Q_OBJECT
public:
    using ListScope = SessionFilesModel::ListScope;

    MediaStageView(AppModel& model, ThumbnailProvider& thumbnails, QWidget* parent = nullptr);
    ~MediaStageView() override;

    ListScope scope() const { return m_scope; }
    void setScope(ListScope scope);
    // Opens the preview of the selected files (the current one when none is selected).
    void previewSelection();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Spreads the grid's tiles over the whole width.
    void fitGrid();
    SessionFilesModel& filesOf(ListScope scope) const;
    void update();
    void updateScopeTitles();
    void updateLayout();
    void updateNothingToCopy();
    void showFileMenu(const QPoint& position);
    void selectFile(const QString& relativePath);
    std::optional<QImage> thumbnail(const QModelIndex& index, int points, double scale);
    // A new card or listing: outstanding thumbnails are abandoned.
    void listingChanged();

    AppModel& m_model;
    ThumbnailProvider& m_thumbnails;
    ListScope m_scope = ListScope::toCopy;
    MediaFields* m_fields;
    QWidget* m_scopeBar;
    QWidget* m_scopeSwitch;
    QWidget* m_scopeTools;
    QButtonGroup* m_scopes;
    QToolButton* m_reoffload;
    QButtonGroup* m_layouts;
    QStackedWidget* m_pages;
    QLabel* m_message;
    QListView* m_view;
    MediaTileDelegate* m_delegate;
    QLabel* m_explanation;
    // The card could not be read all through.
    QLabel* m_readFailure;
    QPushButton* m_includeAllShort;
    QWidget* m_nothing;
    QLabel* m_nothingTitle;
    QLabel* m_nothingText;
    QPushButton* m_nothingButton;
    PreviewWindow* m_preview = nullptr;
    bool m_previewKeepsSelection = false;
    // Thumbnails asked for in this listing, so painting asks once.
    QSet<QString> m_requested;
};

} // namespace stowly
