#include "ui/SymbolicIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace stowly {
namespace {

QString resourceOf(const QString& name) {
    return QStringLiteral(":/symbolic/") + name + QStringLiteral(".svg");
}

class TintedSvgEngine : public QIconEngine {
public:
    explicit TintedSvgEngine(QString name) : m_name(std::move(name)) {}

    QIconEngine* clone() const override { return new TintedSvgEngine(m_name); }
    QString key() const override { return QStringLiteral("stowly-symbolic"); }
    QString iconName() override { return m_name; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}};
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int edge = std::min(size.width(), size.height());
        return {edge, edge};
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        const QSize shown = drawn.size() / ratio;
        QRect target(QPoint(), shown);
        target.moveCenter(rect.center());
        painter->drawPixmap(target, drawn);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int edge = std::min(size.width(), size.height());
        if (edge <= 0)
            return {};
        // The text colour of the moment, so a theme switch redraws in the new one.
        const QPalette palette = QGuiApplication::palette();
        const QColor color =
            mode == QIcon::Disabled   ? palette.color(QPalette::Disabled, QPalette::WindowText)
            : mode == QIcon::Selected ? palette.color(QPalette::Active, QPalette::HighlightedText)
                                      : palette.color(QPalette::Active, QPalette::WindowText);
        const QString cacheKey =
            QStringLiteral("stowly-symbolic|%1|%2|%3").arg(m_name).arg(edge).arg(color.rgba());
        QPixmap cached;
        if (QPixmapCache::find(cacheKey, &cached))
            return cached;
        QImage image(edge, edge, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QSvgRenderer renderer(resourceOf(m_name));
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(0, 0, edge, edge));
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), color);
        }
        QPixmap drawn = QPixmap::fromImage(std::move(image));
        QPixmapCache::insert(cacheKey, drawn);
        return drawn;
    }

private:
    QString m_name;
};

} // namespace

QIcon SymbolicIcon::named(const QString& name) {
    if (name.isEmpty() || !QFile::exists(resourceOf(name)))
        return {};
    return QIcon(new TintedSvgEngine(name));
}

} // namespace stowly
