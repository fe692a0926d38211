// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsWindow.h"

#include "ButtonStyle.h"
#include "Centring.h"
#include "Fonts.h"
#include "Game.h"
#include "ReadOnlyText.h"
#include "RecordNotes.h"
#include "StatisticsChart.h"

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

// The levels, then the total, as the table's columns stand.
const QStringList ColumnNames{Level::name(1), Level::name(2), Level::name(3), u"Всего"_s};
const QStringList RowNames{u"Сыграно игр"_s, u"Дано ответов"_s,     u"Верных ответов"_s,
                           u"Доля верных"_s, u"Наугад в среднем"_s, u"Доводы против везения"_s};
// What UI automation and the tests find a figure by, with the level after it, 0 the total.
const QStringList RowObjectNames{u"Games"_s, u"Guesses"_s, u"Hits"_s,
                                 u"Share"_s, u"Chance"_s,  u"Evidence"_s};

QString grouped(qint64 n)
{
    return QLocale(QLocale::Russian, QLocale::Russia).toString(n);
}

QString lowerFirst(const QString &s)
{
    return s.left(1).toLower() + s.mid(1);
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget *mainWindow) : QDialog(mainWindow)
{
    setObjectName(u"StatisticsWindow"_s);
    setWindowTitle(u"Статистика"_s);
    setAccessibleName(u"Статистика"_s);
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
    reading_->setFormat(u"Чтение записи игр: %p%"_s);
    reading_->setAccessibleName(u"Чтение записи игр"_s);
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

// Everything but the buttons, in a scroll area: the notes, the figures, the conclusions, the
// chart and its description.
QScrollArea *StatisticsWindow::createContents()
{
    contents_ = new QWidget;
    contents_->setObjectName(u"StatisticsContents"_s);
    auto *column = new QVBoxLayout(contents_);
    column->setSpacing(Spacing);
    column->setContentsMargins(0, 0, 0, 0);

    column->addLayout(createNotes());
    column->addWidget(createTable(), 0, Qt::AlignLeft);

    conclusions_ = new ReadOnlyText(contents_);
    conclusions_->setObjectName(u"Conclusions"_s);
    conclusions_->setAccessibleName(u"Выводы"_s);
    column->addWidget(conclusions_);

    chart_ = new StatisticsChart(contents_);
    column->addWidget(chart_);
    chartText_ = new ReadOnlyText(contents_);
    chartText_->setObjectName(u"ChartDescription"_s);
    chartText_->setAccessibleName(u"Что показывает график"_s);
    column->addWidget(chartText_);
    column->addStretch();

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(u"StatisticsScroll"_s);
    scroll_->setWidget(contents_);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    return scroll_;
}

int StatisticsWindow::column(int level)
{
    return level == Statistics::Total ? Game::Levels : level - 1;
}

// Read-only, with its row and column names as headers, which a screen reader speaks with
// each figure; Tab leaves it, the arrows move through it.
QTableWidget *StatisticsWindow::createTable()
{
    table_ = new QTableWidget(Rows, Game::Levels + 1, contents_);
    table_->setObjectName(u"Figures"_s);
    table_->setAccessibleName(u"Итоги"_s);
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
    for (int c = 0; c <= Game::Levels; ++c) {
        // Two lines on screen, so that the columns stay narrow; one phrase when read out.
        auto *header = new QTableWidgetItem(QString(ColumnNames[c]).replace(u' ', u'\n'));
        header->setData(Qt::AccessibleTextRole, ColumnNames[c]);
        table_->setHorizontalHeaderItem(c, header);
    }
    for (int r = 0; r < Rows; ++r) {
        auto *header = new QTableWidgetItem(RowNames[r]);
        header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table_->setVerticalHeaderItem(r, header);
        for (int c = 0; c <= Game::Levels; ++c) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            const int level = c == Game::Levels ? Statistics::Total : c + 1;
            item->setData(Qt::UserRole, RowObjectNames[r] + u'_' + QString::number(level));
            table_->setItem(r, c, item);
        }
    }
    return table_;
}

QHBoxLayout *StatisticsWindow::createButtons()
{
    auto *buttonStyle = new ButtonStyle(this);
    auto *buttons = new QHBoxLayout;
    startAnew_ = new QPushButton(u"Очистить…"_s, this);
    startAnew_->setObjectName(u"ClearButton"_s);
    startAnew_->setAccessibleName(u"Очистить статистику"_s);
    startAnew_->setAccessibleDescription(
        u"Начать запись игр заново; прежняя запись сохранится в файле с сегодняшней датой."_s);
    auto *close = new QPushButton(u"Закрыть"_s, this);
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
    refresh();
}

void StatisticsWindow::addGame(const FinishedGame &game)
{
    statistics_.add(game);
    refresh();
}

void StatisticsWindow::setRecordState(const RecordState &state)
{
    recordNotes_ = RecordNotes::notes(state);
    // Not while a long reading shows its progress in the notes' place.
    if (reading_->isHidden())
        showNotes();
}

void StatisticsWindow::setProgress(int percent)
{
    const bool reading = percent < 100;
    reading_->setValue(std::clamp(percent, 0, 100));
    reading_->setVisible(reading);
    // "No games yet" would not be true yet.
    if (reading)
        notes_->hide();
}

// Shown as is; read out with its meaning, as "Первый уровень, верных ответов: 13".
void StatisticsWindow::setFigure(Row row, int level, const QString &text)
{
    QTableWidgetItem *item = table_->item(row, column(level));
    // A number never starts a line of a wrapped cell: "в 1 случае / из 74", not "из / 74".
    static const QRegularExpression spaceBeforeNumber(u" (?=\\d)"_s);
    item->setText(QString(text).replace(spaceBeforeNumber, u"\u00a0"_s));
    item->setData(Qt::AccessibleTextRole, ColumnNames[column(level)] + u", "_s +
                                              lowerFirst(RowNames[row]) + u": "_s + text);
}

void StatisticsWindow::refresh()
{
    showNotes();
    QStringList conclusions;
    for (int level : {1, 2, 3, Statistics::Total})
        if (showColumn(level) && statistics_.games(level) > 0)
            conclusions << ColumnNames[column(level)] + u": "_s + statistics_.conclusion(level);
    fitTable();
    conclusions_->setContents(conclusions.join(u'\n'));
    conclusions_->setVisible(!conclusions.isEmpty());
    chart_->setStatistics(&statistics_);
    chartText_->setContents(StatisticsChart::describe(statistics_));
    // Without a current cell, the table takes its first shown one when it gets the focus, and
    // a screen reader hears that cell along with the table.
    if (table_->currentIndex().isValid() && table_->isColumnHidden(table_->currentColumn()))
        table_->selectionModel()->clearCurrentIndex();
}

void StatisticsWindow::showNotes()
{
    const Statistics &s = statistics_;
    QStringList notes = recordNotes_;
    if (s.skippedLines() > 0)
        notes << u"Пропущено нечитаемых строк в записи:"_s + u' ' +
                     QString::number(s.skippedLines()) + u'.';
    if (s.games(Statistics::Total) == 0)
        notes << u"Игр пока нет: сыграйте, и результаты появятся здесь."_s;
    notes_->setText(notes.join(u'\n'));
    notes_->setVisible(!notes.isEmpty());
}

// A level's column, or the total's; false where it is not shown. The total only adds
// something when more than one level was played.
bool StatisticsWindow::showColumn(int level)
{
    const Statistics &s = statistics_;
    const int games = s.games(level);
    const bool shown =
        level == Statistics::Total ? s.levelsPlayed().size() > 1 || games == 0 : games > 0;
    table_->setColumnHidden(column(level), !shown);
    if (!shown)
        return false;
    const qint64 guesses = s.guesses(level);
    setFigure(Games, level, grouped(games));
    setFigure(Guesses, level, grouped(guesses));
    setFigure(Hits, level, grouped(s.hits(level)));
    setFigure(Share, level,
              guesses > 0 ? Statistics::percent(double(s.hits(level)) / double(guesses)) : u"—"_s);
    setFigure(Chance, level,
              level == Statistics::Total && games == 0 ? u"—"_s : s.chanceText(level));
    setFigure(Evidence, level, games > 0 ? s.evidenceText(level) : u"—"_s);
    return true;
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

// A scroll area asks for a small box whatever it holds; the window asks room for all of it
// and is then cut down to the screen where it is placed.
QSize StatisticsWindow::sizeHint() const
{
    QSize whole = contents_->sizeHint();
    if (contents_->hasHeightForWidth())
        whole.setHeight(contents_->heightForWidth(whole.width()));
    // Room for the scroll bar that a screen too low for all of it brings in, so that the
    // width still fits.
    const int frame = 2 * scroll_->frameWidth();
    whole +=
        QSize(frame + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_), frame);
    return QDialog::sizeHint() + (whole - scroll_->sizeHint()).expandedTo({0, 0});
}

void StatisticsWindow::confirmStartAnew()
{
    QMessageBox question(QMessageBox::Question, u"Очистить статистику"_s,
                         u"Начать запись игр заново?\nПрежняя запись не удаляется: она "
                         "останется в файле с сегодняшней датой."_s,
                         QMessageBox::NoButton, this);
    question.setObjectName(u"ConfirmStartAnew"_s);
    QPushButton *yes = question.addButton(u"Очистить"_s, QMessageBox::AcceptRole);
    QPushButton *no = question.addButton(u"Отмена"_s, QMessageBox::RejectRole);
    question.setDefaultButton(no);
    question.setEscapeButton(no);
    question.exec();
    if (question.clickedButton() == yes)
        Q_EMIT startAnewRequested();
}

// Once, at its first size: later it keeps the size and place the player gives it.
void StatisticsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        fitOver(*this, parentWidget());
    }
}
