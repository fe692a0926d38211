// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsTable.h"

#include "Fonts.h"
#include "StatisticsTexts.h"

#include <QHeaderView>
#include <QLocale>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace
{

constexpr int TextPixels = 14;
// A figure's column grows up to this many characters, then its text wraps.
constexpr int ColumnChars = 11;
constexpr int CellPadding = 4;

// What UI automation and the tests find a figure by, with the level after it, 0 the total.
const QStringList RowObjectNames{u"Games"_s, u"Guesses"_s, u"Hits"_s,
                                 u"Share"_s, u"Range"_s,   u"Chance"_s};

QString grouped(qint64 n)
{
    return QLocale().toString(n);
}

} // namespace

StatisticsTable::StatisticsTable(QWidget *parent) : QTableWidget(Rows, Level::Count + 1, parent)
{
    setObjectName(u"Figures"_s);
    setAccessibleName(tr("Числа по уровням"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    horizontalHeader()->setFont(Fonts::sans(TextPixels, true));
    verticalHeader()->setFont(Fonts::sans(TextPixels, true));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    const int narrow = QFontMetrics(font()).averageCharWidth() * ColumnChars;
    for (int c = 0; c <= Level::Count; ++c) {
        const QString name = StatisticsTexts::lineName(lineAt(c));
        // Two lines on screen where one would widen the column past its figures' room ("Первый
        // уровень"), one where it does not ("Level 1"); one phrase when read out.
        const bool wide = headerMetrics.horizontalAdvance(name) > narrow;
        auto *header = new QTableWidgetItem(wide ? QString(name).replace(u' ', u'\n') : name);
        header->setData(Qt::AccessibleTextRole, name);
        setHorizontalHeaderItem(c, header);
    }
    const QStringList rowNames{tr("Сыграно игр"), tr("Дано ответов"),  tr("Верных ответов"),
                               tr("Доля верных"), tr("Диапазон доли"), tr("Доля наугад")};
    for (int r = 0; r < Rows; ++r) {
        auto *header = new QTableWidgetItem(rowNames[r]);
        header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setVerticalHeaderItem(r, header);
        for (int c = 0; c <= Level::Count; ++c) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // The level's number, 0 for the total.
            const Statistics::Line line = lineAt(c);
            item->setData(Qt::UserRole,
                          RowObjectNames[r] + u'_' + QString::number(line ? line->number() : 0));
            setItem(r, c, item);
        }
    }
}

int StatisticsTable::column(Statistics::Line line)
{
    return line ? int(line->place()) : Level::Count;
}

Statistics::Line StatisticsTable::lineAt(int column)
{
    return column < Level::Count ? Statistics::Line(Level::all()[std::size_t(column)])
                                 : Statistics::Total;
}

// Each level played, then the total where there is more than one.
void StatisticsTable::showFigures(const Statistics &s,
                                  const std::vector<StatisticsTexts::Facts> &lines)
{
    for (int c = 0; c <= Level::Count; ++c)
        setColumnHidden(c, true);
    for (const StatisticsTexts::Facts &f : lines) {
        const Statistics::Line line = f.line;
        setColumnHidden(column(line), false);
        setFigure(Games, line, grouped(s.games(line)));
        setFigure(Guesses, line, grouped(s.guesses(line)));
        setFigure(Hits, line, grouped(s.hits(line)));
        setFigure(Share, line, StatisticsTexts::share(f));
        // The total adds up levels whose true shares differ: it has no one share to bound.
        setFigure(Range, line, line ? StatisticsTexts::range(f) : u"—"_s);
        setFigure(Chance, line, StatisticsTexts::chance(f));
    }
    fit();
    // Without a current cell, the first Down goes to its first row.
    if (!hasFocus())
        setCurrentIndex(QModelIndex());
}

// Shown as is; read out with its meaning, as "Первый уровень, верных ответов: 13".
void StatisticsTable::setFigure(Row row, Statistics::Line line, const QString &text)
{
    QTableWidgetItem *figure = item(row, column(line));
    // A number never starts a line of a wrapped cell: "в 1 случае / из 74", not "из / 74".
    static const QRegularExpression spaceBeforeNumber(u" (?=\\d)"_s);
    figure->setText(QString(text).replace(spaceBeforeNumber, u"\u00a0"_s));
    const QString name = StatisticsTexts::lineName(line);
    // Joiners keep a range whole on screen and mean nothing said.
    const QString said = QString(text).remove(QChar(0x2060));
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
    case Range:
        spoken = line ? tr("%1, диапазон доли верных: %2").arg(name, said)
                      : tr("%1, диапазон доли верных: только у отдельных уровней").arg(name);
        break;
    case Chance:
    case Rows:
        spoken = tr("%1, доля наугад: %2").arg(name, text);
        break;
    }
    figure->setData(Qt::AccessibleTextRole, spoken);
}

// Measured here rather than by the view, which measures only what its viewport shows.
void StatisticsTable::fit()
{
    const QFontMetrics metrics(font());
    const int padding =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + CellPadding;
    const int widest = metrics.averageCharWidth() * ColumnChars + padding;
    QHeaderView *top = horizontalHeader();
    QHeaderView *side = verticalHeader();
    for (int c = 0; c < columnCount(); ++c) {
        if (isColumnHidden(c))
            continue;
        int width = 0;
        for (int r = 0; r < Rows; ++r)
            width = std::max(width, metrics.horizontalAdvance(item(r, c)->text()) + padding);
        // A range is never broken: its column is at least as wide.
        const int range = metrics.horizontalAdvance(item(Range, c)->text()) + padding;
        const int header = top->sectionSizeHint(c);
        setColumnWidth(c, std::max({header, std::min(width, widest), range}));
    }
    for (int r = 0; r < Rows; ++r) {
        int height = side->sectionSizeHint(r);
        for (int c = 0; c < columnCount(); ++c) {
            if (isColumnHidden(c))
                continue;
            const QRect room(0, 0, columnWidth(c) - padding, QWIDGETSIZE_MAX);
            height = std::max(
                height, metrics.boundingRect(room, Qt::TextWordWrap, item(r, c)->text()).height() +
                            padding);
        }
        setRowHeight(r, height);
    }
    const int frame = 2 * frameWidth();
    setFixedSize(side->sizeHint().width() + top->length() + frame,
                 top->sizeHint().height() + side->length() + frame);
}
