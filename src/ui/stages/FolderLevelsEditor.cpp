#include "ui/stages/FolderLevelsEditor.h"

#include "app/AppSettings.h"
#include "naming/FolderTemplateEditor.h"
#include "naming/InlineLevel.h"
#include "ui/stages/StageStyle.h"

#include <QDrag>
#include <QDropEvent>
#include <QGridLayout>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

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

// The levels: rows drag as whole levels; drops become template operations.
class LevelList : public QListWidget {
public:
    LevelList(FolderLevelsEditor& editor, QWidget* parent) : QListWidget(parent), m_editor(editor) {
        setDragEnabled(true);
        setAcceptDrops(true);
        setDropIndicatorShown(true);
        setDragDropMode(QAbstractItemView::DragDrop);
        setContextMenuPolicy(Qt::CustomContextMenu);
    }

protected:
    QStringList mimeTypes() const override { return {FolderLevelsEditor::mimeType()}; }
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override {
        return items.isEmpty() ? nullptr
                               : dragData(editor::text(editor::LevelPayload{row(items.first())}));
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
        const QModelIndex at = indexAt(event->position().toPoint());
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
        m_editor.drop(text, target, where);
    }

private:
    FolderLevelsEditor& m_editor;
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
        connect(chip, &QToolButton::clicked, this,
                [this, token] { apply(editor::insert(token, m_settings.folderTemplate())); });
        // Three to a row fit the narrow column of a small window.
        chips->addWidget(chip, i / 3, i % 3);
        ++i;
    }
    layout->addWidget(palette);
    m_levels->setObjectName(QStringLiteral("folderLevels"));
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
    connect(&m_settings, &AppSettings::folderTemplateChanged, this, &FolderLevelsEditor::reload);
    reload();
}

void FolderLevelsEditor::reload() {
    m_levels->clear();
    const QStringList levels = editor::levels(m_settings.folderTemplate());
    for (qsizetype i = 0; i < levels.size(); ++i) {
        auto* item = new QListWidgetItem(QString(int(i) * 2, u' ') + levels[i] + u'/');
        item->setToolTip(
            tr("Drag to move this level; drop a token on the side of a name to combine them."));
        m_levels->addItem(item);
    }
}

void FolderLevelsEditor::apply(const QString& folderTemplate) {
    if (folderTemplate != m_settings.folderTemplate())
        m_settings.setFolderTemplate(folderTemplate);
}

bool FolderLevelsEditor::drop(const QString& payloadText, int row, Drop where) {
    const std::optional<editor::Payload> payload = editor::payload(payloadText);
    if (!payload)
        return false;
    const QString current = m_settings.folderTemplate();
    const int levelCount = int(editor::levels(current).size());
    const int slot = where == Drop::before ? row : row + 1;
    if (where == Drop::onto && row >= 0 && row < levelCount) {
        // Combined side by side with the level's names, after the last one.
        const int after = int(InlineLevel(editor::levels(current)[row]).items.size());
        apply(editor::dropInline(*payload, row, after, current));
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
    const QStringList levels = editor::levels(m_settings.folderTemplate());
    if (row < 0 || row >= levels.size())
        return;
    const InlineLevel level(levels[row]);
    if (level.items.size() >= 2) {
        for (qsizetype i = 0; i < level.items.size(); ++i)
            menu.addAction(
                tr("Move “%1” to Its Own Level").arg(level.items[i]), this, [this, row, i] {
                    apply(editor::extractItem(m_settings.folderTemplate(), row, int(i), row + 1));
                });
        QMenu* separators = menu.addMenu(tr("What goes between the names side by side"));
        for (const QString& separator : InlineLevel::separators()) {
            QAction* action =
                separators->addAction(InlineLevel::name(separator), this, [this, row, separator] {
                    apply(editor::setSeparator(separator, m_settings.folderTemplate(), row));
                });
            action->setCheckable(true);
            action->setChecked(separator == level.separator);
        }
        menu.addSeparator();
    }
    menu.addAction(tr("Remove Folder Level"), this,
                   [this, row] { apply(editor::remove(m_settings.folderTemplate(), row)); });
}

} // namespace stowly
