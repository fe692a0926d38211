// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordState.h"
#include "Statistics.h"

#include <QDialog>
#include <memory>

class ContentFit;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class StatisticsChart;
class StatisticsSummary;
class StatisticsTable;

// The figures of every kept game, per level and in total, what they mean against pure
// guessing, and the chart; under them, apart, training's games, which feedback makes another
// kind of play. Not modal: the game goes on beside it. It reads nothing itself;
// whoever keeps the record hands it the sums and is asked to start the record anew.
// At a glance first: the games and each line's verdict, which a screen reader says on opening;
// then the chart and the table for the details. As large as its content, as far as the screen
// allows; what does not fit scrolls, the buttons stay.
class StatisticsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit StatisticsWindow(QWidget *mainWindow);
    ~StatisticsWindow() override;

    void setStatistics(Statistics statistics);
    // A game just finished.
    void addGame(const FinishedGame &game);
    // What is to be said about the record: games not saved, a record not read, and why.
    void setRecordState(const RecordState &state);
    // How far a long record has been read, shown until 100 (or more) says it is done.
    void setProgress(int percent);
    // Training's own record, shown apart and never added to the test's figures.
    void setTrainingStatistics(Statistics statistics);
    void addTrainingGame(const FinishedGame &game);

    QSize sizeHint() const override;

Q_SIGNALS:
    // The player confirmed that the record should start anew.
    void startAnewRequested();
    // F1.
    void helpRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QVBoxLayout *createNotes();
    QScrollArea *createContents();
    QHBoxLayout *createButtons();
    void refresh();
    void refreshTraining();
    void showNotes();
    void enableStartAnew();
    void confirmStartAnew();

    Statistics statistics_;
    QStringList recordNotes_;
    // Lines of the record that hold no game, which starting anew puts aside too.
    int unreadableLines_ = 0;
    std::unique_ptr<ContentFit> fit_;

    QScrollArea *scroll_ = nullptr;
    QWidget *contents_ = nullptr;
    // Notes on the record; whatever else is said about it goes beside them.
    QVBoxLayout *notesBox_ = nullptr;
    QProgressBar *reading_ = nullptr;
    QLabel *notes_ = nullptr;
    StatisticsSummary *summary_ = nullptr;
    StatisticsChart *chart_ = nullptr;
    StatisticsTable *table_ = nullptr;
    Statistics training_;
    QLabel *trainingHeading_ = nullptr;
    StatisticsSummary *trainingSummary_ = nullptr;
    QPushButton *startAnew_ = nullptr;
};
