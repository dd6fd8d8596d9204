#pragma once

#include <QPixmap>
#include <QWidget>

#include <optional>

class QListWidget;

namespace stowly {

class AppSettings;

// The folder template edited by hand: a palette of tokens to click or drag in, and the folder
// levels to drag about, combine side by side, pull apart and give a separator. Every gesture is
// one text operation on the template, written to the settings at once.
class FolderLevelsEditor : public QWidget {
    Q_OBJECT
public:
    explicit FolderLevelsEditor(AppSettings& settings, QWidget* parent = nullptr);

    // Where a drop lands on the list of levels.
    enum class Drop { before, onto, after };
    // Applies a drag's text (a level, a token or a name) dropped at row; false when the text
    // is no payload of ours. Onto a level, `at` is the place among its names (none: after the
    // last one).
    bool drop(const QString& payloadText, int row, Drop where, std::optional<int> at = {});
    // What a drag started at x in the row carries: one name of a level of several names, else
    // the whole level.
    QString dragText(int row, int x) const;
    // The picture a drag started at x in the row carries.
    QPixmap dragPixmap(int row, int x) const;
    // The place among the row's names that a drop at x takes: before the name whose left half
    // it is over, else after it.
    int placeAt(int row, int x) const;
    // The context menu of a level, as it would open.
    void fillMenu(class QMenu& menu, int row);

    static QString mimeType();

private:
    void reload();
    void apply(const QString& folderTemplate);

    AppSettings& m_settings;
    QListWidget* m_levels;
};

} // namespace stowly
