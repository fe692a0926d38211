#pragma once

#include "Statistics.h"

#include <QWidget>
#include <array>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class StatisticsChart;

// The figures of every kept game, per level and in total, what they mean against pure
// guessing, and the chart. Not modal: the game goes on beside it. It reads nothing itself;
// whoever keeps the record hands it the sums and is asked to start the record anew.
class StatisticsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StatisticsWindow(QWidget *mainWindow);

    // `notSaved`: empty while games are kept, else where the record could not be written.
    // `unreadable`: where the record could not be read, if so.
    void setStatistics(Statistics statistics, const QString &notSaved = {},
                       const QString &unreadable = {});
    // A game just finished.
    void addGame(const FinishedGame &game, const QString &notSaved = {});
    // How far a long record has been read, shown until 100 (or more) says it is done.
    void setProgress(int percent);

Q_SIGNALS:
    // The player confirmed that the record should start anew.
    void startAnewRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    enum Row { Games, Guesses, Hits, Share, Chance, Evidence, Rows };

    QGridLayout *createTable();
    QHBoxLayout *createButtons();
    void refresh();
    void confirmStartAnew();

    Statistics statistics_;
    QString notSaved_;
    QString unreadable_;
    bool placed_ = false;

    QProgressBar *reading_ = nullptr;
    QLabel *notes_ = nullptr;
    // Column 0 is the total, 1..3 the levels.
    std::array<QLabel *, Game::Levels + 1> headers_{};
    std::array<std::array<QLabel *, Game::Levels + 1>, Rows> figures_{};
    std::array<QLabel *, Rows> rowNames_{};
    QLabel *conclusions_ = nullptr;
    StatisticsChart *chart_ = nullptr;
    QPushButton *startAnew_ = nullptr;
};
