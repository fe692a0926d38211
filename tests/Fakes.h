#pragma once

#include "Board.h"
#include "GameView.h"

#include <QString>
#include <QStringList>
#include <array>
#include <deque>
#include <vector>

using namespace Qt::StringLiterals;

// Records what the rules write on the window.
class RecordingView : public GameView
{
public:
    QString caption = u"Чуйкомер"_s;
    QString status = u"               "_s;
    std::array<bool, 3> levelEnabled{true, true, true};
    std::array<bool, 15> pictureVisible{true, true, true, true, true, true, true, true,
                                        true, true, true, true, true, true, true};
    int writes = 0;

    void setCaption(const QString &c) override { caption = c, ++writes; }
    QString levelCaption(int level) const override
    {
        return QStringList{u"Первый уровень"_s, u"Второй уровень"_s, u"Третий уровень"_s}.at(level);
    }
    void setLevelEnabled(int level, bool enabled) override
    {
        levelEnabled.at(level) = enabled, ++writes;
    }
    void setPictureVisible(int picture, bool visible) override
    {
        pictureVisible.at(picture) = visible, ++writes;
    }
    void setStatus(const QString &text) override { status = text, ++writes; }
};

// Records the board operations in order, as text such as "guess 3 4".
class RecordingBoard : public Board
{
public:
    QStringList calls;

    void ClearBoard() override { calls << u"clear"_s; }
    void DrawAttemptStart(int n) override { calls << u"start %1"_s.arg(n); }
    void DrawGuess(int n, int p) override { calls << u"guess %1 %2"_s.arg(n).arg(p); }
    void DrawReveal(int n, int p) override { calls << u"reveal %1 %2"_s.arg(n).arg(p); }
    void DrawStrike(int n) override { calls << u"strike %1"_s.arg(n); }
};

// A draw that hides chosen pictures: the value for picture h of `offered` is the middle of
// its interval. Runs out to 0 when no value is queued.
struct QueuedDraw {
    std::deque<double> *values;
    double operator()() const
    {
        if (values->empty())
            return 0.0;
        const double v = values->front();
        values->pop_front();
        return v;
    }
};

inline double drawFor(int picture, int offered)
{
    return (picture + 0.5) / offered;
}
