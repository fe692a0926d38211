#pragma once

#include "Board.h"
#include "FinishedGame.h"
#include "GameView.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <vector>

using namespace Qt::StringLiterals;

// Stands in for the main window and the board: keeps what the rules write, and one log of
// every write in order, board and window alike ("guess 3 4", "status ...").
struct FakeWindow : public GameView, public Board {
    QString caption = u"Чуйкомер"_s;
    QString status = u"               "_s;
    QString explanation;
    QString description;
    std::array<bool, 3> levelEnabled{true, true, true};
    std::array<bool, 15> pictureVisible{true, true, true, true, true, true, true, true,
                                        true, true, true, true, true, true, true};
    QStringList log;
    std::vector<FinishedGame> finished;

    QStringList boardCalls() const
    {
        return log.filter(QRegularExpression(u"^(clear|start|guess|reveal|strike)"_s));
    }

    void setCaption(const QString &c) override { caption = c, log << u"caption "_s + c; }
    QString levelCaption(int level) const override
    {
        return QStringList{u"Первый уровень"_s, u"Второй уровень"_s, u"Третий уровень"_s}.at(level);
    }
    void setLevelEnabled(int level, bool enabled) override
    {
        levelEnabled.at(level) = enabled, log << u"level %1 %2"_s.arg(level).arg(enabled);
    }
    void setPictureVisible(int picture, bool visible) override
    {
        pictureVisible.at(picture) = visible, log << u"picture %1 %2"_s.arg(picture).arg(visible);
    }
    void setStatus(const QString &text) override { status = text, log << u"status "_s + text; }
    void setVerdictExplanation(const QString &text) override { explanation = text; }
    void setBoardDescription(const QString &text) override { description = text; }
    void handOver(const FinishedGame &game) override
    {
        finished.push_back(game), log << u"finished"_s;
    }

    void clear() override { log << u"clear"_s; }
    void drawAttemptStart(int n) override { log << u"start %1"_s.arg(n); }
    void drawGuess(int n, int p) override { log << u"guess %1 %2"_s.arg(n).arg(p); }
    void drawReveal(int n, int p) override { log << u"reveal %1 %2"_s.arg(n).arg(p); }
    void drawStrike(int n) override { log << u"strike %1"_s.arg(n); }
};
