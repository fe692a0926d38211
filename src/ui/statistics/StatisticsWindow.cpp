// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsWindow.h"

#include "ButtonStyle.h"
#include "ClearConfirmation.h"
#include "ContentFit.h"
#include "Fonts.h"
#include "Game.h"
#include "RecordNotes.h"
#include "StatisticsChart.h"
#include "StatisticsReport.h"
#include "StatisticsSummary.h"
#include "StatisticsTable.h"
#include "StatisticsTexts.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace
{

constexpr int TextPixels = 14;
constexpr int ButtonPixels = 14;
constexpr int Spacing = 10;
constexpr QSize ButtonSize{120, 30};

} // namespace

StatisticsWindow::StatisticsWindow(QWidget *mainWindow) : QDialog(mainWindow)
{
    setObjectName(u"StatisticsWindow"_s);
    setWindowTitle(tr("Статистика"));
    setAccessibleName(tr("Статистика"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setPalette(ButtonStyle::greyPalette());
    setAutoFillBackground(true);
    setFont(Fonts::sans(TextPixels, false));

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(Spacing);
    layout->addWidget(createContents(), 1);
    layout->addLayout(createButtons());
    fit_ = std::make_unique<ContentFit>(*this, *scroll_, *notes_, *summary_);
    // Read in the order they stand.
    setTabOrder(notes_, summary_);
    setTabOrder(summary_, chart_);
    setTabOrder(chart_, table_);
    setTabOrder(table_, trainingSummary_);

    auto *help = new QAction(this);
    help->setShortcut(Qt::Key_F1);
    help->setShortcutContext(Qt::WindowShortcut);
    // A held F1 would start a viewer at every repeat.
    help->setAutoRepeat(false);
    addAction(help);
    connect(help, &QAction::triggered, this, &StatisticsWindow::helpRequested);

    refresh();
    refreshTraining();
}

StatisticsWindow::~StatisticsWindow() = default;

// The notes on the record, and the progress of a long reading beside them.
QVBoxLayout *StatisticsWindow::createNotes()
{
    notesBox_ = new QVBoxLayout;
    reading_ = new QProgressBar(contents_);
    reading_->setObjectName(u"Reading"_s);
    reading_->setFormat(tr("Чтение записи игр: %p %"));
    reading_->setAccessibleName(tr("Чтение записи игр"));
    reading_->hide();
    notesBox_->addWidget(reading_);
    notes_ = new QLabel(contents_);
    notes_->setObjectName(u"Notes"_s);
    notes_->setTextFormat(Qt::PlainText);
    notes_->setWordWrap(true);
    // Reached with Tab: a label's text is read out as its name.
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notesBox_->addWidget(notes_);
    return notesBox_;
}

// Everything but the buttons, in a scroll area: the notes, what the figures say at a glance,
// the chart and the figures themselves.
QScrollArea *StatisticsWindow::createContents()
{
    contents_ = new QWidget;
    contents_->setObjectName(u"StatisticsContents"_s);
    auto *column = new QVBoxLayout(contents_);
    column->setSpacing(Spacing);
    column->setContentsMargins(0, 0, 0, 0);

    column->addLayout(createNotes());
    summary_ = new StatisticsSummary(contents_);
    column->addWidget(summary_);
    chart_ = new StatisticsChart(contents_);
    chart_->setStatistics(&statistics_);
    column->addWidget(chart_);
    table_ = new StatisticsTable(contents_);
    column->addWidget(table_, 0, Qt::AlignLeft);

    // Under the test's figures and after them in reading order, headed so that no one takes
    // them for the test.
    trainingHeading_ = new QLabel(tr("Тренировка — отдельно от обычных игр"), contents_);
    trainingHeading_->setObjectName(u"TrainingHeading"_s);
    trainingHeading_->setFont(Fonts::sans(TextPixels + 2, true));
    trainingHeading_->setWordWrap(true);
    column->addWidget(trainingHeading_);
    trainingSummary_ = new StatisticsSummary(contents_);
    trainingSummary_->setObjectName(u"TrainingSummary"_s);
    column->addWidget(trainingSummary_);
    column->addStretch();

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(u"StatisticsScroll"_s);
    scroll_->setWidget(contents_);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    // As low as a line of text, not as low as its scroll bar would like: with nothing to show
    // but a note, the window is no taller than the note.
    scroll_->setMinimumHeight(2 * fontMetrics().height());
    return scroll_;
}

QHBoxLayout *StatisticsWindow::createButtons()
{
    auto *buttonStyle = new ButtonStyle(this);
    auto *buttons = new QHBoxLayout;
    startAnew_ = new QPushButton(tr("Очистить…"), this);
    startAnew_->setObjectName(u"ClearButton"_s);
    startAnew_->setAccessibleName(tr("Очистить статистику обычных игр"));
    startAnew_->setAccessibleDescription(
        tr("Начать запись обычных игр заново; прежняя запись сохранится в файле с сегодняшней "
           "датой. Запись тренировки не меняется."));
    startAnew_->setToolTip(startAnew_->accessibleDescription());
    auto *close = new QPushButton(tr("Закрыть"), this);
    close->setObjectName(u"CloseButton"_s);
    for (QPushButton *b : {startAnew_, close}) {
        b->setFont(Fonts::sans(ButtonPixels, true));
        b->setFixedSize(ButtonSize);
        b->setStyle(buttonStyle);
        b->setFocusPolicy(Qt::StrongFocus);
        // Enter in the table must not clear the record.
        b->setAutoDefault(false);
    }
    buttons->addWidget(startAnew_);
    buttons->addStretch();
    buttons->addWidget(close);
    connect(startAnew_, &QPushButton::clicked, this, &StatisticsWindow::confirmStartAnew);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

void StatisticsWindow::setStatistics(Statistics statistics)
{
    statistics_ = std::move(statistics);
    chart_->setStatistics(&statistics_);
    refresh();
}

void StatisticsWindow::addGame(const FinishedGame &game)
{
    statistics_.add(game);
    chart_->refresh();
    refresh();
}

void StatisticsWindow::setTrainingStatistics(Statistics statistics)
{
    training_ = std::move(statistics);
    refreshTraining();
}

void StatisticsWindow::addTrainingGame(const FinishedGame &game)
{
    training_.add(game);
    refreshTraining();
}

// Games and each level's share with its range, as for the test; no chart, no table. Hidden
// while there is no training game.
void StatisticsWindow::refreshTraining()
{
    const int games = training_.games(Statistics::Total);
    StatisticsReport report = StatisticsReport::of(training_, StatisticsTexts::lines(training_));
    report.games = tr("Тренировка: %1", "training's games").arg(report.games);
    report.showIn(*trainingSummary_);
    trainingHeading_->setVisible(games > 0);
    trainingSummary_->setVisible(games > 0);
    showNotes();
    fit_->follow();
}

void StatisticsWindow::setRecordState(const RecordState &state)
{
    recordNotes_ = RecordNotes::notes(state);
    unreadableLines_ = state.unreadableLines;
    enableStartAnew();
    // Not while a long reading shows its progress in the notes' place.
    if (reading_->isHidden())
        showNotes();
}

void StatisticsWindow::setProgress(int percent)
{
    const bool wasReading = !reading_->isHidden();
    const bool reading = percent < 100;
    reading_->setValue(std::clamp(percent, 0, 100));
    reading_->setVisible(reading);
    // "No games yet" would not be true yet.
    if (reading)
        notes_->hide();
    enableStartAnew();
    fit_->follow();
    // A long record read: its verdicts are said as they would have been on opening.
    if (wasReading && !reading && isActiveWindow() && summary_->isVisibleTo(this))
        summary_->setFocus(Qt::OtherFocusReason);
}

// Each line is worked out once, for the summary and the table alike.
void StatisticsWindow::refresh()
{
    showNotes();
    const bool any = statistics_.games(Statistics::Total) > 0;
    const std::vector<StatisticsTexts::Facts> lines = StatisticsTexts::lines(statistics_);
    StatisticsReport::of(statistics_, lines).showIn(*summary_);
    summary_->setVisible(any);
    table_->showFigures(statistics_, lines);
    table_->setVisible(any);
    chart_->setVisible(chart_->hasPanels());
    enableStartAnew();
    fit_->follow();
}

// With nothing kept there is nothing to start anew; a record of unreadable lines or one still
// being read may be put aside all the same.
void StatisticsWindow::enableStartAnew()
{
    startAnew_->setEnabled(statistics_.games(Statistics::Total) > 0 || unreadableLines_ > 0 ||
                           !reading_->isHidden());
}

void StatisticsWindow::showNotes()
{
    const Statistics &s = statistics_;
    QStringList notes = recordNotes_;
    // With training games below, "no games" would not be true.
    if (s.games(Statistics::Total) == 0)
        notes << (training_.games(Statistics::Total) > 0
                      ? tr("Обычных игр пока нет: их итоги появятся здесь, тренировка — ниже.")
                      : StatisticsTexts::noGames());
    notes_->setText(notes.join(u'\n'));
    notes_->setVisible(!notes.isEmpty());
}

QSize StatisticsWindow::sizeHint() const
{
    return fit_ ? fit_->sizeHint() : QDialog::sizeHint();
}

void StatisticsWindow::confirmStartAnew()
{
    if (ClearConfirmation::confirmed(this))
        Q_EMIT startAnewRequested();
}

// Placed once, beside the game; later it keeps the place the player gives it. The verdicts
// take the focus, so that a screen reader says them on opening.
void StatisticsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!fit_->placed()) {
        fit_->place(parentWidget());
        if (summary_->isVisibleTo(this))
            summary_->setFocus(Qt::OtherFocusReason);
    }
}
