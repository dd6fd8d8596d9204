#pragma once

#include <QEvent>
#include <QFontMetrics>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace stowly {

// `text` as one line when it fits `room`, else broken into as few lines as fit: between words,
// or between letters of a language written without spaces.
QString wrappedButtonText(const QString& text, const QFontMetrics& metrics, int room);

// A button whose text takes more lines when it is wider than the button, as a longer language's
// label can be, instead of being cut off at both ends. It asks for room for one line, and takes
// less when a layout has no more to give.
template <typename Button> class Wrapping : public Button {
public:
    explicit Wrapping(QWidget* parent = nullptr) : Button(parent) {
        // Narrower than its one line when the layout has no more room.
        this->setSizePolicy(QSizePolicy::Preferred, this->sizePolicy().verticalPolicy());
    }

    void setFullText(const QString& text) {
        m_fullText = text;
        Button::setText(text);
        m_oneLine = Button::sizeHint();
        fit();
    }
    const QString& fullText() const { return m_fullText; }

    QSize sizeHint() const override {
        const QSize current = Button::sizeHint();
        return {m_oneLine.isValid() ? m_oneLine.width() : current.width(), current.height()};
    }
    QSize minimumSizeHint() const override {
        return {std::min(Button::minimumSizeHint().width(), 64), Button::sizeHint().height()};
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        Button::resizeEvent(event);
        fit();
    }
    void changeEvent(QEvent* event) override {
        Button::changeEvent(event);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            setFullText(m_fullText);
    }

private:
    void fit() {
        // The frame and padding around the text, as the button draws them now.
        const int frame = m_oneLine.width() - this->fontMetrics().horizontalAdvance(m_fullText);
        const QString text =
            wrappedButtonText(m_fullText, this->fontMetrics(), this->width() - std::max(frame, 8));
        if (text != this->text()) {
            Button::setText(text);
            this->updateGeometry();
        }
    }

    QString m_fullText;
    QSize m_oneLine;
};

using WrappingButton = Wrapping<QPushButton>;
using WrappingToolButton = Wrapping<QToolButton>;

} // namespace stowly
