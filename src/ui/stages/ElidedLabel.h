#pragma once

#include <QLabel>

namespace stowly {

// A one-line label that elides its text in the middle to the width it gets, so the ends of a
// path or a file name stay visible; the full text is its tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setFullText(const QString& text);
    const QString& fullText() const { return m_full; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString m_full;
};

} // namespace stowly
