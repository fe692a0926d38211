#include "StatisticsWindow.h"

#include "ButtonStyle.h"
#include "Centring.h"
#include "Fonts.h"
#include "Odds.h"
#include "StatisticsChart.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace
{

constexpr int TextPixels = 14;
constexpr int ButtonPixels = 14;
constexpr int ColumnSpacing = 18;
constexpr int Spacing = 10;
constexpr QSize ButtonSize{120, 30};

const QStringList ColumnNames{u"Всего"_s, u"Первый уровень"_s, u"Второй уровень"_s,
                              u"Третий уровень"_s};
const QStringList RowNames{u"Игр"_s,         u"Ответов"_s, u"Верных"_s,
                           u"Доля верных"_s, u"Наугад"_s,  u"Доводы против везения"_s};
const QStringList RowObjectNames{u"Games"_s, u"Guesses"_s, u"Hits"_s,
                                 u"Share"_s, u"Chance"_s,  u"Evidence"_s};

QString grouped(qint64 n)
{
    return QLocale(QLocale::Russian, QLocale::Russia).toString(n);
}

QLabel *textLabel(QWidget *parent, bool bold = false)
{
    auto *label = new QLabel(parent);
    label->setFont(Fonts::sans(TextPixels, bold));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget *mainWindow) : QWidget(mainWindow, Qt::Window)
{
    setObjectName(u"StatisticsWindow"_s);
    setWindowTitle(u"Статистика"_s);
    setAccessibleName(u"Статистика"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setPalette(ButtonStyle::greyPalette());
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(Spacing);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    reading_ = new QProgressBar(this);
    reading_->setObjectName(u"Reading"_s);
    reading_->setFormat(u"Чтение записи игр: %p%"_s);
    reading_->setAccessibleName(u"Чтение записи игр"_s);
    reading_->hide();
    layout->addWidget(reading_);

    notes_ = textLabel(this);
    notes_->setObjectName(u"Notes"_s);
    layout->addWidget(notes_);

    layout->addLayout(createTable());

    conclusions_ = textLabel(this);
    conclusions_->setObjectName(u"Conclusions"_s);
    conclusions_->setAccessibleName(u"Вывод"_s);
    layout->addWidget(conclusions_);

    chart_ = new StatisticsChart(this);
    layout->addWidget(chart_);

    layout->addLayout(createButtons());
    refresh();
}

// The figures: a row name and a column a level, the total last.
QGridLayout *StatisticsWindow::createTable()
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(ColumnSpacing);
    // The total last, after the levels.
    auto gridColumn = [](int column) { return column == 0 ? Game::Levels + 1 : column; };
    for (int c = 0; c <= Game::Levels; ++c) {
        headers_[c] = textLabel(this, true);
        headers_[c]->setText(ColumnNames[c]);
        headers_[c]->setAlignment(Qt::AlignRight);
        grid->addWidget(headers_[c], 0, gridColumn(c));
    }
    for (int r = 0; r < Rows; ++r) {
        rowNames_[r] = textLabel(this, true);
        rowNames_[r]->setText(RowNames[r]);
        grid->addWidget(rowNames_[r], r + 1, 0);
        for (int c = 0; c <= Game::Levels; ++c) {
            QLabel *figure = textLabel(this);
            figure->setObjectName(RowObjectNames[r] + u'_' + QString::number(c));
            figure->setAlignment(Qt::AlignRight);
            // Read out as "Первый уровень, верных: 30".
            figure->setAccessibleName(ColumnNames[c] + u", "_s + RowNames[r].toLower());
            grid->addWidget(figure, r + 1, gridColumn(c));
            figures_[r][c] = figure;
        }
    }
    return grid;
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
    }
    buttons->addWidget(startAnew_);
    buttons->addStretch();
    buttons->addWidget(close);
    connect(startAnew_, &QPushButton::clicked, this, &StatisticsWindow::confirmStartAnew);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

void StatisticsWindow::setStatistics(Statistics statistics, const QString &notSaved,
                                     const QString &unreadable)
{
    statistics_ = std::move(statistics);
    notSaved_ = notSaved;
    unreadable_ = unreadable;
    refresh();
}

void StatisticsWindow::addGame(const FinishedGame &game, const QString &notSaved)
{
    statistics_.add(game);
    notSaved_ = notSaved;
    refresh();
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

void StatisticsWindow::refresh()
{
    const Statistics &s = statistics_;
    QStringList notes;
    if (!notSaved_.isEmpty())
        notes << u"Результаты не сохраняются: не удалось записать в "_s + notSaved_ + u'.';
    if (!unreadable_.isEmpty())
        notes << u"Прежние результаты не удалось прочитать из "_s + unreadable_ + u'.';
    if (s.skippedLines() > 0)
        notes << u"Пропущено нечитаемых строк в записи:"_s + u' ' +
                     QString::number(s.skippedLines()) + u'.';
    if (s.games(Statistics::Total) == 0)
        notes << u"Игр пока нет: сыграйте, и результаты появятся здесь."_s;
    notes_->setText(notes.join(u'\n'));
    notes_->setVisible(!notes.isEmpty());

    const std::size_t levelsPlayed = s.levelsPlayed().size();
    QStringList conclusions;
    // The levels first, the total last, as the columns stand.
    for (int c : {1, 2, 3, Statistics::Total}) {
        const int games = s.games(c);
        // The total only adds something when more than one level was played.
        const bool shown = c == Statistics::Total ? levelsPlayed > 1 || games == 0 : games > 0;
        headers_[c]->setVisible(shown);
        for (int r = 0; r < Rows; ++r)
            figures_[r][c]->setVisible(shown);
        if (!shown)
            continue;
        const qint64 guesses = s.guesses(c);
        figures_[Games][c]->setText(grouped(games));
        figures_[Guesses][c]->setText(grouped(guesses));
        figures_[Hits][c]->setText(grouped(s.hits(c)));
        figures_[Share][c]->setText(
            guesses > 0 ? Statistics::percent(double(s.hits(c)) / double(guesses)) : u"—"_s);
        figures_[Chance][c]->setText(c == Statistics::Total && games == 0 ? u"—"_s
                                                                          : s.chanceText(c));
        figures_[Evidence][c]->setText(games > 0 ? s.evidenceText(c) : u"—"_s);
        if (games > 0)
            conclusions << ColumnNames[c] + u": "_s + s.conclusion(c);
    }
    conclusions_->setText(conclusions.join(u'\n'));
    conclusions_->setAccessibleDescription(conclusions_->text());
    conclusions_->setVisible(!conclusions.isEmpty());
    chart_->setStatistics(&statistics_);
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

void StatisticsWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Once, at its final size: later it stays where the player moved it.
void StatisticsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        centreOver(*this, parentWidget());
    }
}
