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
#include "StatisticsTexts.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace
{

constexpr int TextPixels = 14;
constexpr int ButtonPixels = 14;
constexpr int Spacing = 10;
constexpr QSize ButtonSize{120, 30};
// A figure's column grows up to this many characters, then its text wraps.
constexpr int ColumnChars = 11;
constexpr int CellPadding = 4;

// What UI automation and the tests find a figure by, with the level after it, 0 the total.
const QStringList RowObjectNames{u"Games"_s, u"Guesses"_s, u"Hits"_s, u"Share"_s, u"Chance"_s};

QString grouped(qint64 n)
{
    return QLocale().toString(n);
}

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
    column->addWidget(createTable(), 0, Qt::AlignLeft);
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

// The levels' columns, then the total's.
int StatisticsWindow::column(Statistics::Line line)
{
    return line ? int(line->place()) : Level::Count;
}

Statistics::Line StatisticsWindow::lineAt(int column)
{
    return column < Level::Count ? Statistics::Line(Level::all()[std::size_t(column)])
                                 : Statistics::Total;
}

// Read-only, with its row and column names as headers, which a screen reader speaks with
// each figure; Tab leaves it, the arrows move through it.
QTableWidget *StatisticsWindow::createTable()
{
    table_ = new QTableWidget(Rows, Level::Count + 1, contents_);
    table_->setObjectName(u"Figures"_s);
    table_->setAccessibleName(tr("Итоги"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(true);
    table_->setTextElideMode(Qt::ElideNone);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    table_->horizontalHeader()->setFont(Fonts::sans(TextPixels, true));
    table_->verticalHeader()->setFont(Fonts::sans(TextPixels, true));
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    const QFontMetrics headerMetrics(table_->horizontalHeader()->font());
    const int narrow = QFontMetrics(table_->font()).averageCharWidth() * ColumnChars;
    for (int c = 0; c <= Level::Count; ++c) {
        const QString name = StatisticsTexts::lineName(lineAt(c));
        // Two lines on screen where one would widen the column past its figures' room ("Первый
        // уровень"), one where it does not ("Level 1"); one phrase when read out.
        const bool wide = headerMetrics.horizontalAdvance(name) > narrow;
        auto *header = new QTableWidgetItem(wide ? QString(name).replace(u' ', u'\n') : name);
        header->setData(Qt::AccessibleTextRole, name);
        table_->setHorizontalHeaderItem(c, header);
    }
    const QStringList rowNames{tr("Сыграно игр"), tr("Дано ответов"), tr("Верных ответов"),
                               tr("Доля верных"), tr("Наугад в среднем")};
    for (int r = 0; r < Rows; ++r) {
        auto *header = new QTableWidgetItem(rowNames[r]);
        header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table_->setVerticalHeaderItem(r, header);
        for (int c = 0; c <= Level::Count; ++c) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // The level's number, 0 for the total.
            const Statistics::Line line = lineAt(c);
            item->setData(Qt::UserRole,
                          RowObjectNames[r] + u'_' + QString::number(line ? line->number() : 0));
            table_->setItem(r, c, item);
        }
    }
    return table_;
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

// Shown as is; read out with its meaning, as "Первый уровень, верных ответов: 13".
void StatisticsWindow::setFigure(Row row, Statistics::Line line, const QString &text)
{
    QTableWidgetItem *item = table_->item(row, column(line));
    // A number never starts a line of a wrapped cell: "в 1 случае / из 74", not "из / 74".
    static const QRegularExpression spaceBeforeNumber(u" (?=\\d)"_s);
    item->setText(QString(text).replace(spaceBeforeNumber, u"\u00a0"_s));
    const QString name = StatisticsTexts::lineName(line);
    QString spoken;
    switch (row) {
    case Games:
        spoken = tr("%1, сыграно игр: %2").arg(name, text);
        break;
    case Guesses:
        spoken = tr("%1, дано ответов: %2").arg(name, text);
        break;
    case Hits:
        spoken = tr("%1, верных ответов: %2").arg(name, text);
        break;
    case Share:
        spoken = tr("%1, доля верных: %2").arg(name, text);
        break;
    case Chance:
    case Rows:
        spoken = tr("%1, наугад в среднем: %2").arg(name, text);
        break;
    }
    item->setData(Qt::AccessibleTextRole, spoken);
}

void StatisticsWindow::refresh()
{
    showNotes();
    const bool any = statistics_.games(Statistics::Total) > 0;
    showSummary();
    summary_->setVisible(any);
    for (int c = 0; c <= Level::Count; ++c)
        showColumn(lineAt(c));
    fitTable();
    table_->setVisible(any);
    chart_->setVisible(chart_->hasPanels());
    enableStartAnew();
    // Without a current cell, the first Down in the table goes to its first row.
    if (!table_->hasFocus())
        table_->setCurrentIndex(QModelIndex());
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
    for (Statistics::Line line : s.linesShown())
        shown.push_back({s.finding(line), StatisticsTexts::verdict(s, line),
                         StatisticsTexts::numbers(s, line), StatisticsTexts::evidence(s, line),
                         s.evidence(line)});
    summary_->setContents(StatisticsTexts::gamesPlayed(s.games(Statistics::Total)), shown,
                          StatisticsTexts::totalDiffers(s), StatisticsTexts::guarantee());
}

// A level's column, or the total's, where shown. The total only adds something when more
// than one level was played.
void StatisticsWindow::showColumn(Statistics::Line line)
{
    const Statistics &s = statistics_;
    const std::vector<Statistics::Line> lines = s.linesShown();
    const bool shown = std::find(lines.begin(), lines.end(), line) != lines.end();
    table_->setColumnHidden(column(line), !shown);
    if (!shown)
        return;
    setFigure(Games, line, grouped(s.games(line)));
    setFigure(Guesses, line, grouped(s.guesses(line)));
    setFigure(Hits, line, grouped(s.hits(line)));
    setFigure(Share, line, StatisticsTexts::share(s, line));
    setFigure(Chance, line, StatisticsTexts::chance(s, line));
}
// Every figure in sight, without scroll bars of its own: long ones wrap inside their column.
// Measured here rather than by the view, which measures only what its viewport shows.
void StatisticsWindow::fitTable()
{
    const QFontMetrics metrics(table_->font());
    const int padding =
        2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1) +
        CellPadding;
    const int widest = metrics.averageCharWidth() * ColumnChars + padding;
    QHeaderView *top = table_->horizontalHeader();
    QHeaderView *side = table_->verticalHeader();
    for (int c = 0; c < table_->columnCount(); ++c) {
        if (table_->isColumnHidden(c))
            continue;
        int width = 0;
        for (int r = 0; r < Rows; ++r)
            width =
                std::max(width, metrics.horizontalAdvance(table_->item(r, c)->text()) + padding);
        const int header = top->sectionSizeHint(c);
        table_->setColumnWidth(c, std::max(header, std::min(width, widest)));
    }
    for (int r = 0; r < Rows; ++r) {
        int height = side->sectionSizeHint(r);
        for (int c = 0; c < table_->columnCount(); ++c) {
            if (table_->isColumnHidden(c))
                continue;
            const QRect room(0, 0, table_->columnWidth(c) - padding, QWIDGETSIZE_MAX);
            height = std::max(
                height,
                metrics.boundingRect(room, Qt::TextWordWrap, table_->item(r, c)->text()).height() +
                    padding);
        }
        table_->setRowHeight(r, height);
    }
    const int frame = 2 * table_->frameWidth();
    table_->setFixedSize(side->sizeHint().width() + top->length() + frame,
                         top->sizeHint().height() + side->length() + frame);
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
