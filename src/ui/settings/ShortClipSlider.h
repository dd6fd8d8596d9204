#pragma once

#include <QWidget>

class QLabel;
class QSlider;

namespace stowly {

// One slider for the short-clip rule: 0 is off, 1 to 60 the seconds below which clips are
// skipped; the value is spelled out beside it.
class ShortClipSlider : public QWidget {
    Q_OBJECT
public:
    ShortClipSlider(const QString& accessibleName, QWidget* parent);

    int seconds() const;
    // Shows a value without reporting it as a change.
    void showSeconds(int seconds);

Q_SIGNALS:
    void secondsChanged(int seconds);

private:
    void showValue(int seconds);

    QSlider* m_slider;
    QLabel* m_value;
};

} // namespace stowly
