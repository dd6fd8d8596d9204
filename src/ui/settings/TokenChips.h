#pragma once

#include "naming/TemplateToken.h"

#include <QWidget>

class QToolButton;

namespace stowly {

// Every token as a chip with its help beside it; a click hands the token on. The chips take
// no focus from a click, so the field being typed in keeps its cursor.
class TokenChips : public QWidget {
    Q_OBJECT
public:
    explicit TokenChips(QWidget* parent = nullptr);

    QToolButton* chip(TemplateToken token) const;
    // "{date}", "{seq}"…: what a chip puts into a template.
    static QString text(TemplateToken token);

Q_SIGNALS:
    void chosen(TemplateToken token);
};

} // namespace stowly
