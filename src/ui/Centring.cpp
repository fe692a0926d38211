// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace
{

// A window's frame and its title bar, as the window system has them: the widget's own copy can
// lag behind a move, and miss the frame altogether when the window manager adds it without
// moving the window. The title bar is what the frame holds above the window's client area.
struct Frame {
    QRect whole;
    QRect client;
    QRect titleBar;
};

Frame frameOf(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    const QRect whole = handle ? handle->frameGeometry() : window.frameGeometry();
    const QRect client = handle ? handle->geometry() : window.geometry();
    return {whole, client, QRect(whole.topLeft(), QPoint(whole.right(), client.top() - 1))};
}

// The point to centre on: the middle of another window's frame, or of the window's screen.
QPoint target(const QWidget &window, const QWidget *over)
{
    if (over)
        return frameOf(*over).whole.center();
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().center() : frameOf(window).whole.center();
}

// The available area of the screen at `point`, else of the window's own screen.
QRect areaAt(const QWidget &window, QPoint point)
{
    const QScreen *screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins frameMargins(const QWidget &w)
{
    const Frame f = frameOf(w);
    return {f.client.left() - f.whole.left(), f.client.top() - f.whole.top(),
            f.whole.right() - f.client.right(), f.whole.bottom() - f.client.bottom()};
}

bool framed(const QWidget &window)
{
    const Frame f = frameOf(window);
    return f.whole != f.client;
}

// Puts the frame's top left corner at `point`. Qt places a window not made yet by its frame;
// a made one goes by its client area, told to the window itself too where the widget takes it
// to stand there already: the widget's copy of its geometry can lag behind the window's.
void moveFrame(QWidget &window, QPoint point, const QMargins &margins)
{
    if (!window.testAttribute(Qt::WA_WState_Created))
        return window.move(point);
    const QRect client(point + QPoint(margins.left(), margins.top()), window.size());
    window.setGeometry(client);
    if (QWindow *handle = window.windowHandle(); handle && handle->geometry() != client)
        handle->setGeometry(client);
}

enum class Placement { Centre, Beside, Stay };

// Tops level; to the right or the left of `other` if the whole frame fits there, else against
// the screen's edge on the side with more room.
void putBeside(QRect &frame, const QRect &other, const QRect &area)
{
    frame.moveTop(other.top());
    const int right = area.right() - other.right();
    const int left = other.left() - area.left();
    if (right >= frame.width())
        frame.moveLeft(other.right() + 1);
    else if (left >= frame.width())
        frame.moveRight(other.left() - 1);
    else if (right >= left)
        frame.moveRight(area.right());
    else
        frame.moveLeft(area.left());
}

// True when the window already stood there at that size. A window placed over `keepInSight`
// leaves its title bar free, so that it can still be moved and closed.
bool place(QWidget &window, const QWidget *over, Placement placement, bool fit,
           const QWidget *keepInSight)
{
    bool inPlace = true;
    // Where it stands, or the screen under where it is to go.
    const QRect area = areaAt(window, placement == Placement::Stay ? frameOf(window).whole.center()
                                                                   : target(window, over));
    // Not framed yet: most likely it will be framed as the window it stands over.
    const QMargins margins = framed(window) || !over ? frameMargins(window) : frameMargins(*over);
    QRect frame(QPoint(), window.size().grownBy(margins));
    if (placement == Placement::Stay)
        frame.moveTopLeft(frameOf(window).whole.topLeft());
    else if (placement == Placement::Beside && over && !area.isEmpty())
        putBeside(frame, frameOf(*over).whole, area);
    else
        frame.moveCenter(target(window, over));
    if (area.isEmpty()) {
        inPlace = frame.topLeft() == frameOf(window).whole.topLeft();
        moveFrame(window, frame.topLeft(), margins);
        return inPlace;
    }
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    // The rows it may take: all the screen's, or in a column with another window's title bar,
    // those on its side of it, below or above; the other side where a window cut down to fit
    // would still be too tall for its own.
    int top = area.top();
    int bottom = area.bottom();
    if (keepInSight && keepInSight->isVisible()) {
        QRect titleBar = frameOf(*keepInSight).titleBar;
        // A frame whose margins the window system has not told yet: most likely as this one's.
        if (titleBar.isEmpty() && margins.top() > 0)
            titleBar.setHeight(margins.top());
        const bool across = frame.left() <= titleBar.right() && frame.right() >= titleBar.left();
        if (!titleBar.isEmpty() && across) {
            const int least = window.minimumSize().height() + margins.top() + margins.bottom();
            const bool roomBelow = area.bottom() - titleBar.bottom() >= least;
            const bool roomAbove = titleBar.top() - area.top() >= least;
            bool below = frame.top() >= titleBar.top();
            if (below ? !roomBelow && roomAbove : !roomAbove && roomBelow)
                below = !below;
            if (below)
                top = std::max(top, titleBar.bottom() + 1);
            else
                bottom = titleBar.top() - 1;
        }
    }
    if (fit) {
        const QSize room = QRect(QPoint(area.left(), top), QPoint(area.right(), bottom))
                               .marginsRemoved(margins)
                               .size();
        const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize());
        if (size != window.size()) {
            window.resize(size);
            frame.setSize(size.grownBy(margins));
            inPlace = false;
        }
    }
    // Too large a frame keeps its title bar and left edge in sight.
    frame.moveTop(std::max(top, std::min(frame.top(), bottom + 1 - frame.height())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    inPlace = inPlace && frame.topLeft() == frameOf(window).whole.topLeft();
    moveFrame(window, frame.topLeft(), margins);
    return inPlace;
}

// Waits for the window manager to frame the window once it is shown, and places it again
// until it stays put: a manager may answer a move made before the frame with one of its own.
// Gives up after a while on a desktop without frames.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget &window, const QWidget *over, Placement placement, bool fit,
               const QWidget *keepInSight)
        : QObject(&window), window_(window), over_(over), placement_(placement), fit_(fit),
          keepInSight_(keepInSight)
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
            steady_ = 0;
            timer_.start();
        }
        return false;
    }

private:
    static constexpr int PollMs = 20;
    // A window manager on a busy machine may take seconds: twenty at most.
    static constexpr int MaxPolls = 1000;
    static constexpr int SteadyPolls = 10;

    void poll()
    {
        if (framed(window_))
            steady_ = place(window_, over_, placement_, fit_, keepInSight_) ? steady_ + 1 : 0;
        if (steady_ >= SteadyPolls || ++polls_ >= MaxPolls) {
            timer_.stop();
            deleteLater();
        }
    }

    QWidget &window_;
    QPointer<const QWidget> over_;
    Placement placement_;
    bool fit_;
    QPointer<const QWidget> keepInSight_;
    QTimer timer_;
    int polls_ = 0;
    int steady_ = 0;
};

} // namespace

void centreOnScreen(QWidget &window)
{
    window.adjustSize();
    place(window, nullptr, Placement::Centre, false, nullptr);
    new FrameWatch(window, nullptr, Placement::Centre, false, nullptr);
}

void fitBeside(QWidget &window, const QWidget *other)
{
    window.resize(window.sizeHint());
    place(window, other, Placement::Beside, true, other);
    new FrameWatch(window, other, Placement::Beside, true, other);
}

void refit(QWidget &window)
{
    window.resize(window.sizeHint());
    const QWidget *parent = window.parentWidget();
    place(window, nullptr, Placement::Stay, true, parent ? parent->window() : nullptr);
}
