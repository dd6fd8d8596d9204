#pragma once

#include "app/prompts/ImportPrompter.h"

#include <QWidget>

#include <functional>

namespace stowly {

// The floating import prompt: a small frameless window above the others that never takes the
// keyboard from what the user is doing, with the title, the question and the three choices.
class ImportPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int width = 340;
    static constexpr int height = 96;
    static constexpr int gap = 8;
    static constexpr int margin = 10;

    ImportPanel(const QString& title, std::function<void(ImportPrompter::Choice)> onChoice);

    // Where the panel with this index (0 for the first) goes within the screen's free area:
    // from the top-right corner downward.
    static QPoint placement(const QRect& available, int index);
};

} // namespace stowly
