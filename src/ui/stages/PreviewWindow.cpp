#include "ui/stages/PreviewWindow.h"

#include "base/Background.h"
#include "media/MediaCategory.h"
#include "ui/stages/StageStyle.h"
#include "ui/thumbnails/DecoderClient.h"

#include <QAudioOutput>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace stowly {

namespace {
MediaCategory categoryOf(const QByteArray& path) {
    return mediaCategory::classify(mediaCategory::extensionOf(QFile::decodeName(path)));
}
} // namespace

PreviewWindow::PreviewWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_title(new QLabel(this)), m_counter(new QLabel(this)),
      m_stage(new QStackedWidget(this)), m_picture(new QLabel(this)),
      m_play(new QPushButton(tr("Play"), this)) {
    setObjectName(QStringLiteral("previewWindow"));
    setAccessibleName(tr("Preview"));
    setWindowTitle(tr("Preview"));
    resize(960, 640);

    m_title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_counter->setProperty("stowlyRole", QStringLiteral("secondary"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setMinimumSize(160, 120);
    m_picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_picture->setAccessibleName(tr("Preview"));
    m_stage->addWidget(m_picture);
    m_play->setIcon(stageStyle::icon(QStringLiteral("media-playback-start")));
    m_play->setFocusPolicy(Qt::NoFocus);
    connect(m_play, &QPushButton::clicked, this, &PreviewWindow::play);

    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(m_title, 1);
    header->addWidget(m_play);
    header->addWidget(m_counter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(8);
    layout->addLayout(header);
    layout->addWidget(m_stage, 1);
}

PreviewWindow::~PreviewWindow() {
    m_rendering.request_stop();
}

void PreviewWindow::show(QList<PreviewItem> items, int start, OnMove onMove) {
    if (items.isEmpty())
        return;
    m_items = std::move(items);
    m_current = std::clamp(start, 0, int(m_items.size()) - 1);
    m_onMove = std::move(onMove);
    showCurrent();
    QWidget::show();
    raise();
    activateWindow();
}

void PreviewWindow::step(int delta) {
    const int next = std::clamp(m_current + delta, 0, int(m_items.size()) - 1);
    if (m_items.isEmpty() || next == m_current)
        return;
    m_current = next;
    showCurrent();
    if (m_onMove)
        m_onMove(m_items[m_current].id);
}

void PreviewWindow::showCurrent() {
    stopPlaying();
    const PreviewItem& item = m_items[m_current];
    m_title->setText(item.title);
    m_counter->setText(tr("%1 of %2").arg(m_current + 1).arg(m_items.size()));
    m_counter->setVisible(m_items.size() > 1);
    const MediaCategory category = categoryOf(item.path);
    m_play->setVisible(category == MediaCategory::video || category == MediaCategory::audio);
    m_stage->setCurrentWidget(m_picture);
    m_image = {};
    m_picture->setPixmap({});
    m_picture->setText(tr("Loading…"));
    render();
}

void PreviewWindow::render() {
    m_rendering.request_stop();
    const QByteArray path = m_items[m_current].path;
    m_rendering = background::run(
        this,
        [path](std::stop_token stop) {
            // Drawn once for a large screen, then only scaled to the window.
            return DecoderClient::draw(path, DecoderClient::previewPixelEdge, stop);
        },
        [this](std::optional<QImage> image) {
            m_image = image.value_or(QImage());
            if (m_image.isNull())
                m_picture->setText(tr("No preview for this file"));
            showImage();
        });
}

void PreviewWindow::showImage() {
    if (m_image.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap = QPixmap::fromImage(
        m_image.scaled(m_picture->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    m_picture->setPixmap(pixmap);
}

void PreviewWindow::play() {
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_player->setAudioOutput(new QAudioOutput(m_player));
        m_video = new QVideoWidget(this);
        m_stage->addWidget(m_video);
        m_player->setVideoOutput(m_video);
    }
    m_player->setSource(QUrl::fromLocalFile(QFile::decodeName(m_items[m_current].path)));
    if (categoryOf(m_items[m_current].path) == MediaCategory::video)
        m_stage->setCurrentWidget(m_video);
    m_player->play();
    m_play->setEnabled(false);
}

void PreviewWindow::stopPlaying() {
    if (m_player) {
        m_player->stop();
        m_player->setSource({});
    }
    m_play->setEnabled(true);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        step(-1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step(1);
        return;
    case Qt::Key_Space:
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showImage();
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    stopPlaying();
    m_rendering.request_stop();
    QWidget::closeEvent(event);
}

} // namespace stowly
