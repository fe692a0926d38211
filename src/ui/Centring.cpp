#include "Centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace
{

void moveFrameToCentre(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

// Waits for the window manager to frame the window once it is shown; gives up after a while
// on a desktop without frames.
class FrameWatch : public QObject
{
public:
    explicit FrameWatch(QWidget &window) : QObject(&window), window_(window)
    {
        window.installEventFilter(this);
        timer_.setInterval(PollMs);
        connect(&timer_, &QTimer::timeout, this, &FrameWatch::poll);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !timer_.isActive()) {
            polls_ = 0;
            timer_.start();
        }
        return false;
    }

private:
    static constexpr int PollMs = 20;
    static constexpr int MaxPolls = 50;

    void poll()
    {
        const bool framed = window_.frameGeometry() != window_.geometry();
        if (framed)
            moveFrameToCentre(window_);
        if (framed || ++polls_ >= MaxPolls) {
            timer_.stop();
            deleteLater();
        }
    }

    QWidget &window_;
    QTimer timer_;
    int polls_ = 0;
};

} // namespace

void centreOnScreen(QWidget &window)
{
    window.adjustSize();
    moveFrameToCentre(window);
    new FrameWatch(window);
}
