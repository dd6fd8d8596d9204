#pragma once

#include <QWidget>

#include <functional>
#include <stop_token>

class QLabel;
class QMediaPlayer;
class QPushButton;
class QStackedWidget;
class QVideoWidget;

namespace stowly {

// One file the preview can show.
struct PreviewItem {
    // The file's identifier in the media list (its path on the card).
    QString id;
    // The file system's bytes, so that any name on a card opens.
    QByteArray path;
    QString title;
};

// Shows files large, one at a time, and steps through them with the arrow keys: a picture (or
// a video's frame) drawn on a worker thread, and a video or sound played when asked. Space and
// Escape close it. Each step is reported, so the list it came from can follow.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    using OnMove = std::function<void(const QString& id)>;

    explicit PreviewWindow(QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // Nothing for no items; the start is clamped into the list.
    void show(QList<PreviewItem> items, int start, OnMove onMove);
    void step(int delta);
    int currentIndex() const { return m_current; }
    const QList<PreviewItem>& items() const { return m_items; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showCurrent();
    void render();
    void showImage();
    void play();
    void stopPlaying();

    QList<PreviewItem> m_items;
    int m_current = 0;
    OnMove m_onMove;
    QImage m_image;
    std::stop_source m_rendering;
    QLabel* m_title;
    QLabel* m_counter;
    QStackedWidget* m_stage;
    QLabel* m_picture;
    QPushButton* m_play;
    QVideoWidget* m_video = nullptr;
    QMediaPlayer* m_player = nullptr;
};

} // namespace stowly
