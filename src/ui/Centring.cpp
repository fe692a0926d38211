#include "Centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace
{

// The point to centre on: the middle of another window's frame, or of the window's screen.
QPoint target(const QWidget &window, const QWidget *over)
{
    if (over)
        return over->frameGeometry().center();
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().center() : window.frameGeometry().center();
}

void moveFrameToCentre(QWidget &window, const QWidget *over)
{
    QRect frame = window.frameGeometry();
    frame.moveCenter(target(window, over));
    window.move(frame.topLeft());
}

// Waits for the window manager to frame the window once it is shown; gives up after a while
// on a desktop without frames.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget &window, const QWidget *over)
        : QObject(&window), window_(window), over_(over)
    {
        window.installEventFilter(this);
        timer_.setInterval(PollMs);
        connect(&timer_, &QTimer::timeout, this, &FrameWatch::poll);
        // Already on screen: its frame may come any moment.
        if (window.isVisible())
            timer_.start();
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
            moveFrameToCentre(window_, over_);
        if (framed || ++polls_ >= MaxPolls) {
            timer_.stop();
            deleteLater();
        }
    }

    QWidget &window_;
    QPointer<const QWidget> over_;
    QTimer timer_;
    int polls_ = 0;
};

} // namespace

void centreOnScreen(QWidget &window)
{
    centreOver(window, nullptr);
}

void centreOver(QWidget &window, const QWidget *other)
{
    window.adjustSize();
    moveFrameToCentre(window, other);
    new FrameWatch(window, other);
}
