#include "ui/stages/StageStyle.h"

#include "ui/SymbolicIcon.h"

#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace stowly::stageStyle {

QIcon icon(const QString& name, const QString& alternative) {
    // The program's own drawings first: a bare desktop's theme may draw nothing at all.
    for (const QString& candidate : {name, alternative}) {
        QString plain = candidate;
        plain.remove(QStringLiteral("-symbolic"));
        if (QIcon own = SymbolicIcon::named(plain); !own.isNull())
            return own;
    }
    for (const QString& candidate : {name, alternative}) {
        if (candidate.isEmpty())
            continue;
        for (const QString& form : {candidate, candidate + QStringLiteral("-symbolic")}) {
            QIcon found = QIcon::fromTheme(form);
            if (!found.availableSizes().isEmpty())
                return found;
        }
    }
    return {};
}

QPixmap tinted(const QIcon& icon, const QColor& color, int edge, qreal ratio) {
    static QHash<QString, QPixmap> made;
    const QString key =
        QStringLiteral("%1|%2|%3|%4").arg(icon.cacheKey()).arg(color.rgba()).arg(edge).arg(ratio);
    if (const auto found = made.constFind(key); found != made.cend())
        return *found;
    QPixmap pixmap = icon.pixmap(QSize(edge, edge), ratio);
    if (!pixmap.isNull()) {
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), color);
    }
    // Themes × colours × sizes stay few; the bound only guards against surprises.
    if (made.size() > 256)
        made.clear();
    made.insert(key, pixmap);
    return pixmap;
}

QFont secondaryFont(const QFont& body) {
    QFont font = body;
    if (body.pointSizeF() > 0)
        font.setPointSizeF(body.pointSizeF() * 0.9);
    else
        font.setPixelSize(std::max(1, int(body.pixelSize() * 0.9)));
    return font;
}

QColor secondaryColor(const QPalette& palette) {
    return palette.color(QPalette::PlaceholderText);
}

void setRole(QWidget* widget, const QString& role) {
    if (widget->property("stowlyRole").toString() == role)
        return;
    widget->setProperty("stowlyRole", role);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

QLabel* secondaryLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setProperty("stowlyRole", QStringLiteral("secondary"));
    // Without the application style sheet the palette still says it is secondary.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, secondaryColor(palette));
    label->setPalette(palette);
    label->setFont(secondaryFont(label->font()));
    return label;
}

QLabel* titleLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QFont font = label->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.15);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    return label;
}

} // namespace stowly::stageStyle
