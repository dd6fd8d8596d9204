#include "ui/settings/ShortClipSlider.h"

#include "app/settings/AppSettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

namespace stowly {

ShortClipSlider::ShortClipSlider(const QString& accessibleName, QWidget* parent)
    : QWidget(parent), m_slider(new QSlider(Qt::Horizontal, this)), m_value(new QLabel(this)) {
    m_slider->setObjectName(QStringLiteral("slider"));
    m_slider->setAccessibleName(accessibleName);
    m_slider->setRange(0, AppSettings::shortClipSecondsMaximum);
    m_slider->setPageStep(5);
    m_slider->setMinimumWidth(160);
    // Wide enough for the longest value, so the slider does not jump while dragged.
    m_value->setMinimumWidth(
        m_value->fontMetrics().horizontalAdvance(tr("%n seconds", nullptr, 88)) + 8);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    row->addWidget(m_slider, 1);
    row->addWidget(m_value);
    setFocusProxy(m_slider);
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        showValue(value);
        Q_EMIT secondsChanged(value);
    });
    showValue(0);
}

int ShortClipSlider::seconds() const {
    return m_slider->value();
}

void ShortClipSlider::showSeconds(int seconds) {
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(seconds);
    showValue(m_slider->value());
}

void ShortClipSlider::showValue(int seconds) {
    m_value->setText(seconds == 0   ? tr("Off")
                     : seconds == 1 ? tr("1 second")
                                    : tr("%n seconds", nullptr, int(seconds)));
}

} // namespace stowly
