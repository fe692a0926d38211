// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsWindow.h"

#include "ButtonStyle.h"
#include "Centring.h"
#include "Fonts.h"
#include "Game.h"
#include "RecordNotes.h"
#include "StatisticsChart.h"
#include "StatisticsSummary.h"
#include "StatisticsTable.h"
#include "StatisticsTexts.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
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
    // Read in the order they stand.
    setTabOrder(notes_, summary_);
    setTabOrder(summary_, chart_);
    setTabOrder(chart_, table_);

    auto *help = new QAction(this);
    help->setShortcut(Qt::Key_F1);
    help->setShortcutContext(Qt::WindowShortcut);
    // A held F1 would start a viewer at every repeat.
    help->setAutoRepeat(false);
    addAction(help);
    connect(help, &QAction::triggered, this, &StatisticsWindow::helpRequested);

    refresh();
}

// The notes on the record, and the progress of a long reading beside them.
QVBoxLayout *StatisticsWindow::createNotes()
{
    notesBox_ = new QVBoxLayout;
    reading_ = new QProgressBar(contents_);
    reading_->setObjectName(u"Reading"_s);
    reading_->setFormat(tr("Чтение записи игр: %p%"));
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
    startAnew_->setAccessibleName(tr("Очистить статистику"));
    startAnew_->setAccessibleDescription(
        tr("Начать запись игр заново; прежняя запись сохранится в файле с сегодняшней датой."));
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
    fitToContent();
    // A long record read: its verdicts are said as they would have been on opening.
    if (wasReading && !reading && isActiveWindow() && summary_->isVisibleTo(this))
        summary_->setFocus(Qt::OtherFocusReason);
}

void StatisticsWindow::refresh()
{
    showNotes();
    const bool any = statistics_.games(Statistics::Total) > 0;
    showSummary();
    summary_->setVisible(any);
    table_->showFigures(statistics_);
    table_->setVisible(any);
    chart_->setVisible(chart_->hasPanels());
    enableStartAnew();
    fitToContent();
}

// Once shown, the window keeps to its content: larger with more to show, smaller after a fresh
// start or once a long reading's progress goes.
void StatisticsWindow::fitToContent()
{
    if (placed_ && isVisible()) {
        contents_->layout()->activate();
        layout()->activate();
        if (sizeHint() != fitted_) {
            fitted_ = sizeHint();
            refit(*this);
        }
    }
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
    if (s.games(Statistics::Total) == 0)
        notes << StatisticsTexts::noGames();
    notes_->setText(notes.join(u'\n'));
    notes_->setVisible(!notes.isEmpty());
}

// Each level played, then the total where there is more than one.
void StatisticsWindow::showSummary()
{
    const Statistics &s = statistics_;
    std::vector<StatisticsSummary::Line> shown;
    for (Statistics::Line line : s.linesShown()) {
        StatisticsSummary::Line l{s.finding(line),
                                  StatisticsTexts::verdict(s, line),
                                  StatisticsTexts::numbers(s, line),
                                  StatisticsTexts::detail(s, line),
                                  std::nullopt,
                                  QString()};
        if (line) {
            l.shares = StatisticsTexts::shown(s, line);
            l.tip = StatisticsTexts::rangeTip(s, *line);
        }
        shown.push_back(std::move(l));
    }
    summary_->setContents(StatisticsTexts::gamesPlayed(s.games(Statistics::Total)), shown,
                          StatisticsTexts::totalDiffers(s), StatisticsTexts::guarantee());
}

// A scroll area asks for a middling box whatever it holds; the window asks room for all of
// it, no more, and is then cut down to the screen where it is placed.
QSize StatisticsWindow::sizeHint() const
{
    QSize whole = contents_->sizeHint();
    // A wrapped label asks for a narrow, tall box; the notes take a line each where the window
    // is no wider for it than its figures make it anyway.
    if (notes_->isVisibleTo(this)) {
        const QRect lines = notes_->fontMetrics().boundingRect(
            QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), 0, notes_->text());
        whole.setWidth(
            std::max(whole.width(), std::min(lines.width(), summary_->sizeHint().width())));
    }
    if (contents_->hasHeightForWidth())
        whole.setHeight(contents_->heightForWidth(whole.width()));
    // Room for the scroll bar that a screen too low for all of it brings in, so that the
    // width still fits.
    const int frame = 2 * scroll_->frameWidth();
    whole +=
        QSize(frame + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_), frame);
    // Beside the buttons and the margins, which only the height adds up with; the layout
    // counts the scroll area at no less than its minimum.
    const QMargins margins = layout()->contentsMargins();
    const int scrollHeight = scroll_->sizeHint()
                                 .expandedTo(scroll_->minimumSizeHint())
                                 .expandedTo(scroll_->minimumSize())
                                 .height();
    return QSize(whole.width() + margins.left() + margins.right(),
                 QDialog::sizeHint().height() - scrollHeight + whole.height())
        .expandedTo(minimumSizeHint());
}

void StatisticsWindow::confirmStartAnew()
{
    QMessageBox question(QMessageBox::Question, tr("Очистить статистику"),
                         tr("Начать запись игр заново?\nПрежняя запись не удаляется: она "
                            "останется в файле с сегодняшней датой."),
                         QMessageBox::NoButton, this);
    question.setObjectName(u"ConfirmStartAnew"_s);
    QPushButton *yes = question.addButton(tr("Очистить"), QMessageBox::AcceptRole);
    QPushButton *no = question.addButton(tr("Отмена"), QMessageBox::RejectRole);
    question.setDefaultButton(no);
    question.setEscapeButton(no);
    question.exec();
    if (question.clickedButton() == yes)
        Q_EMIT startAnewRequested();
}

// Placed once, beside the game; later it keeps the place the player gives it. The verdicts
// take the focus, so that a screen reader says them on opening.
void StatisticsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        fitted_ = sizeHint();
        fitBeside(*this, parentWidget());
        if (summary_->isVisibleTo(this))
            summary_->setFocus(Qt::OtherFocusReason);
    }
}
