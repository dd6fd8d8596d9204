#include "ui/stages/FolderLevelsEditor.h"

#include "app/settings/AppSettings.h"
#include "naming/FolderTemplateEditor.h"
#include "naming/InlineLevel.h"
#include "ui/stages/SoftSelectionDelegate.h"
#include "ui/stages/StageStyle.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QGridLayout>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <climits>

namespace stowly {
namespace {

namespace editor = FolderTemplateEditor;

// The tokens that name folders; the rest name files.
constexpr TemplateToken paletteTokens[] = {
    TemplateToken::date,    TemplateToken::year,   TemplateToken::month, TemplateToken::day,
    TemplateToken::project, TemplateToken::camera, TemplateToken::type,  TemplateToken::card};

QMimeData* dragData(const QString& text) {
    auto* data = new QMimeData;
    data->setData(FolderLevelsEditor::mimeType(), text.toUtf8());
    data->setText(text);
    return data;
}

// A palette chip: a click adds the token as the last folder, a drag carries it.
class TokenChip : public QToolButton {
public:
    TokenChip(TemplateToken token, QWidget* parent) : QToolButton(parent), m_token(token) {
        setText(u'{' + rawValue(token) + u'}');
        setToolTip(QCoreApplication::translate(
            "FolderLevelsEditor", "Drag between folders for a new level, or onto the side of a "
                                  "folder’s name to combine them. Click to add it as the last "
                                  "folder."));
        setAccessibleName(summary(token));
        setProperty("stowlyRole", QStringLiteral("chip"));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        m_pressedAt = event->position().toPoint();
        QToolButton::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if ((event->buttons() & Qt::LeftButton) &&
            (event->position().toPoint() - m_pressedAt).manhattanLength() >= 6) {
            setDown(false);
            auto* drag = new QDrag(this);
            drag->setMimeData(dragData(editor::text(editor::TokenPayload{m_token})));
            drag->exec(Qt::CopyAction);
            return;
        }
        QToolButton::mouseMoveEvent(event);
    }

private:
    TemplateToken m_token;
    QPoint m_pressedAt;
};

// A level drawn as its names side by side, each a chip that can be dragged on its own, with
// the separator between them and "/" after the last; deeper levels step in.
class LevelRowDelegate : public SoftSelectionDelegate {
public:
    using SoftSelectionDelegate::SoftSelectionDelegate;

    static constexpr int padding = 4;

    static QList<QRect> chips(const QRect& row, const QFont& font, int depth,
                              const InlineLevel& level) {
        const QFontMetrics metrics(font);
        int x = row.left() + 6 + depth * 14;
        const int height = metrics.height() + 4;
        const int top = row.top() + (row.height() - height) / 2;
        QList<QRect> list;
        for (const QString& name : level.items) {
            const int width = metrics.horizontalAdvance(name) + 2 * padding;
            list.append(QRect(x, top, width, height));
            x += width + std::max(metrics.horizontalAdvance(level.separator), 2) + 2;
        }
        return list;
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 10));
        return size;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& plain,
               const QModelIndex& index) const override {
        const QStyleOptionViewItem option = softened(plain);
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, view);

        const InlineLevel level(index.data(Qt::UserRole).toString());
        const QList<QRect> rects = chips(option.rect, option.font, index.row(), level);
        const QPalette& palette = option.palette;
        const QColor text = option.state & QStyle::State_Selected
                                ? palette.color(QPalette::HighlightedText)
                                : palette.color(QPalette::Text);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setFont(option.font);
        for (qsizetype i = 0; i < rects.size(); ++i) {
            QColor fill = text;
            fill.setAlphaF(0.10);
            QColor edge = text;
            edge.setAlphaF(0.28);
            painter->setPen(QPen(edge, 1));
            painter->setBrush(fill);
            painter->drawRoundedRect(QRectF(rects[i]).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
            painter->setPen(text);
            painter->drawText(rects[i], Qt::AlignCenter, level.items[i]);
            const QString after = i + 1 < rects.size() ? level.separator : QStringLiteral("/");
            const int next = i + 1 < rects.size() ? rects[i + 1].left()
                                                  : rects[i].right() + 8 +
                                                        option.fontMetrics.horizontalAdvance(after);
            painter->drawText(QRect(rects[i].right() + 1, rects[i].top(),
                                    next - rects[i].right() - 1, rects[i].height()),
                              Qt::AlignCenter, after);
        }
        painter->restore();
    }
};

// The levels: a row drags as a whole level, or as one of its names where it has several;
// drops become template operations.
class LevelList : public QListWidget {
public:
    LevelList(FolderLevelsEditor& editor, QWidget* parent) : QListWidget(parent), m_editor(editor) {
        setDragEnabled(true);
        setAcceptDrops(true);
        setDropIndicatorShown(true);
        setDragDropMode(QAbstractItemView::DragDrop);
        setContextMenuPolicy(Qt::CustomContextMenu);
    }

    // Each name's chip in the row, in viewport coordinates, as the delegate draws it.
    QList<QRect> nameChips(int row) const {
        QListWidgetItem* shown = item(row);
        if (!shown)
            return {};
        return LevelRowDelegate::chips(visualRect(indexFromItem(shown)), font(), row,
                                       InlineLevel(levelText(row)));
    }
    QString levelText(int row) const {
        return item(row) ? item(row)->data(Qt::UserRole).toString() : QString();
    }

protected:
    QStringList mimeTypes() const override { return {FolderLevelsEditor::mimeType()}; }
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override {
        if (items.isEmpty())
            return nullptr;
        return dragData(m_editor.dragText(row(items.first()), m_pressedAt.x()));
    }
    void mousePressEvent(QMouseEvent* event) override {
        m_pressedAt = event->position().toPoint();
        QListWidget::mousePressEvent(event);
    }
    // The picture under the pointer is what moves: one name, or the whole level.
    void startDrag(Qt::DropActions actions) override {
        const QList<QListWidgetItem*> items = selectedItems();
        if (items.isEmpty())
            return;
        auto* drag = new QDrag(this);
        drag->setMimeData(mimeData(items));
        const QPixmap picture = m_editor.dragPixmap(row(items.first()), m_pressedAt.x());
        drag->setPixmap(picture);
        drag->setHotSpot(QPoint(picture.width() / 2, picture.height() / 2) /
                         std::max<qreal>(1.0, picture.devicePixelRatio()));
        drag->exec(actions, Qt::CopyAction);
    }
    Qt::DropActions supportedDropActions() const override {
        return Qt::CopyAction | Qt::MoveAction;
    }
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData()->hasFormat(FolderLevelsEditor::mimeType()))
            event->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        QListWidget::dragMoveEvent(event);
        if (event->mimeData()->hasFormat(FolderLevelsEditor::mimeType()))
            event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override {
        const QString text =
            QString::fromUtf8(event->mimeData()->data(FolderLevelsEditor::mimeType()));
        const QPoint point = event->position().toPoint();
        const QModelIndex at = indexAt(point);
        FolderLevelsEditor::Drop where = FolderLevelsEditor::Drop::after;
        int target = count() - 1;
        if (at.isValid()) {
            target = at.row();
            switch (dropIndicatorPosition()) {
            case AboveItem:
                where = FolderLevelsEditor::Drop::before;
                break;
            case OnItem:
                where = FolderLevelsEditor::Drop::onto;
                break;
            default:
                where = FolderLevelsEditor::Drop::after;
            }
        }
        // The list itself never moves rows: the template is rewritten and read again.
        event->setDropAction(Qt::CopyAction);
        event->accept();
        if (where == FolderLevelsEditor::Drop::onto)
            m_editor.drop(text, target, where, m_editor.placeAt(target, point.x()));
        else
            m_editor.drop(text, target, where);
    }

private:
    FolderLevelsEditor& m_editor;
    QPoint m_pressedAt;
};

} // namespace

QString FolderLevelsEditor::mimeType() {
    return QStringLiteral("application/x-stowly-folder-template");
}

FolderLevelsEditor::FolderLevelsEditor(AppSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_levels(new LevelList(*this, this)) {
    setObjectName(QStringLiteral("folderLevelsEditor"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    auto* palette = new QWidget(this);
    auto* chips = new QGridLayout(palette);
    chips->setContentsMargins(0, 0, 0, 0);
    chips->setSpacing(4);
    int i = 0;
    for (const TemplateToken token : paletteTokens) {
        auto* chip = new TokenChip(token, palette);
        connect(chip, &QToolButton::clicked, this, [this, token] {
            apply(editor::insert(token, m_settings.value(setting::folderTemplate)));
        });
        // Three to a row fit the narrow column of a small window.
        chips->addWidget(chip, i / 3, i % 3);
        ++i;
    }
    layout->addWidget(palette);
    m_levels->setObjectName(QStringLiteral("folderLevels"));
    m_levels->setItemDelegate(new LevelRowDelegate(m_levels));
    m_levels->setAccessibleName(tr("Folder levels"));
    m_levels->setToolTip(
        tr("Drag to move this level; drop a token on the side of a name to combine them."));
    // A few levels are the rule; the tree below keeps the room.
    m_levels->setMaximumHeight(110);
    layout->addWidget(m_levels);
    connect(m_levels, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int row = m_levels->indexAt(at).row();
        if (row < 0)
            return;
        QMenu menu(this);
        fillMenu(menu, row);
        menu.exec(m_levels->viewport()->mapToGlobal(at));
    });
    m_settings.onChange(setting::folderTemplate, this, &FolderLevelsEditor::reload);
    reload();
}

void FolderLevelsEditor::reload() {
    m_levels->clear();
    const QStringList levels = editor::levels(m_settings.value(setting::folderTemplate));
    for (qsizetype i = 0; i < levels.size(); ++i) {
        auto* item = new QListWidgetItem(QString(int(i) * 2, u' ') + levels[i] + u'/');
        // Drawn as its names; the plain text stays for screen readers and the row's width.
        item->setData(Qt::UserRole, levels[i]);
        item->setToolTip(
            tr("Drag to move this level; drop a token on the side of a name to combine them."));
        m_levels->addItem(item);
    }
}

void FolderLevelsEditor::apply(const QString& folderTemplate) {
    if (folderTemplate != m_settings.value(setting::folderTemplate))
        m_settings.setValue(setting::folderTemplate, folderTemplate);
}

QString FolderLevelsEditor::dragText(int row, int x) const {
    const QStringList levels = editor::levels(m_settings.value(setting::folderTemplate));
    if (row < 0 || row >= levels.size())
        return {};
    const QList<QRect> chips = static_cast<const LevelList*>(m_levels)->nameChips(row);
    // A name of its own only where there are several to tell apart; the gap between two names
    // goes half to each.
    if (chips.size() >= 2)
        for (qsizetype i = 0; i < chips.size(); ++i) {
            const int left = i == 0 ? INT_MIN : (chips[i - 1].right() + chips[i].left()) / 2;
            const int right =
                i + 1 == chips.size() ? INT_MAX : (chips[i].right() + chips[i + 1].left()) / 2;
            if (x >= left && x < right)
                return editor::text(editor::ItemPayload{row, int(i)});
        }
    return editor::text(editor::LevelPayload{row});
}

QPixmap FolderLevelsEditor::dragPixmap(int row, int x) const {
    const auto* list = static_cast<const LevelList*>(m_levels);
    const std::optional<editor::Payload> payload = editor::payload(dragText(row, x));
    QRect area = m_levels->visualRect(m_levels->model()->index(row, 0));
    if (const auto* item = payload ? std::get_if<editor::ItemPayload>(&*payload) : nullptr)
        area = list->nameChips(row).value(item->item, area);
    return m_levels->viewport()->grab(area);
}

int FolderLevelsEditor::placeAt(int row, int x) const {
    const QStringList levels = editor::levels(m_settings.value(setting::folderTemplate));
    if (row < 0 || row >= levels.size())
        return 0;
    const QList<QRect> chips = static_cast<const LevelList*>(m_levels)->nameChips(row);
    for (qsizetype i = 0; i < chips.size(); ++i)
        if (x < chips[i].center().x())
            return int(i);
    return int(chips.size());
}

bool FolderLevelsEditor::drop(const QString& payloadText, int row, Drop where,
                              std::optional<int> at) {
    const std::optional<editor::Payload> payload = editor::payload(payloadText);
    if (!payload)
        return false;
    const QString current = m_settings.value(setting::folderTemplate);
    const int levelCount = int(editor::levels(current).size());
    const int slot = where == Drop::before ? row : row + 1;
    if (where == Drop::onto && row >= 0 && row < levelCount) {
        // Combined side by side with the level's names, at the place it was dropped.
        const int last = int(InlineLevel(editor::levels(current)[row]).items.size());
        apply(editor::dropInline(*payload, row, at.value_or(last), current));
    } else if (const auto* token = std::get_if<editor::TokenPayload>(&*payload)) {
        apply(editor::insert(token->token, current, slot));
    } else if (const auto* level = std::get_if<editor::LevelPayload>(&*payload)) {
        apply(editor::move(current, level->index, level->index < slot ? slot - 1 : slot));
    } else if (const auto* item = std::get_if<editor::ItemPayload>(&*payload)) {
        apply(editor::extractItem(current, item->level, item->item, slot));
    }
    return true;
}

void FolderLevelsEditor::fillMenu(QMenu& menu, int row) {
    const QStringList levels = editor::levels(m_settings.value(setting::folderTemplate));
    if (row < 0 || row >= levels.size())
        return;
    const InlineLevel level(levels[row]);
    if (level.items.size() >= 2) {
        for (qsizetype i = 0; i < level.items.size(); ++i)
            menu.addAction(tr("Move “%1” to Its Own Level").arg(level.items[i]), this,
                           [this, row, i] {
                               apply(editor::extractItem(m_settings.value(setting::folderTemplate),
                                                         row, int(i), row + 1));
                           });
        QMenu* separators = menu.addMenu(tr("What goes between the names side by side"));
        for (const QString& separator : InlineLevel::separators()) {
            QAction* action =
                separators->addAction(InlineLevel::name(separator), this, [this, row, separator] {
                    apply(editor::setSeparator(separator, m_settings.value(setting::folderTemplate),
                                               row));
                });
            action->setCheckable(true);
            action->setChecked(separator == level.separator);
        }
        menu.addSeparator();
    }
    menu.addAction(tr("Remove Folder Level"), this, [this, row] {
        apply(editor::remove(m_settings.value(setting::folderTemplate), row));
    });
}

} // namespace stowly
