// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsChart.h"

#include "ChartGeometry.h"
#include "Evidence.h"
#include "Fonts.h"
#include "Plural.h"
#include "Statistics.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace
{

// One panel a level, in pixels.
constexpr int Width = 480;
constexpr int PanelHeight = 130;
constexpr int LegendHeight = 22;
constexpr QMargins PlotMargins{48, 22, 14, 22};
constexpr int FontPixels = 12;
constexpr int TickLength = 3;
constexpr int LegendSample = 22;
constexpr int LegendGap = 6;
constexpr int LegendSpacing = 18;
constexpr qreal SinglePointRadius = 4;

const QColor PlotBackground(255, 255, 255);
const QColor BandFill(200, 220, 255);
const QColor SeriesColour(176, 0, 0);
const QColor ChanceColour(0, 0, 0);
const QColor AxisColour(96, 96, 96);

const QStringList &legendTexts()
{
    static const QStringList texts{u"доля верных"_s, u"наугад"_s,
                                   u"где остаётся угадывающий наугад"_s};
    return texts;
}

} // namespace

StatisticsChart::StatisticsChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"StatisticsChart"_s);
    setAccessibleName(u"График доли верных ответов"_s);
    setFont(Fonts::sans(FontPixels, false));
    // As wide as the window lets it be; narrower plots still read, down to the legend's width.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StatisticsChart::setStatistics(const Statistics *statistics)
{
    statistics_ = statistics;
    levels_ = statistics ? statistics->levelsPlayed() : std::vector<int>{};
    setAccessibleDescription(statistics ? describe(*statistics) : QString());
    layOut();
    updateGeometry();
    update();
}

void StatisticsChart::resizeEvent(QResizeEvent *)
{
    layOut();
}

// The lines of every panel, worked out once for the statistics and the width they are shown
// at: over many games the band alone takes a good many binomial quantiles.
void StatisticsChart::layOut()
{
    geometry_.clear();
    for (std::size_t i = 0; i < levels_.size(); ++i) {
        const int level = levels_[i];
        const QRect panel(0, int(i) * PanelHeight, width(), PanelHeight);
        geometry_.push_back(ChartGeometry::compute(statistics_->runningHits(level),
                                                   statistics_->chance(level),
                                                   panel.marginsRemoved(PlotMargins)));
    }
}

int StatisticsChart::panels() const
{
    return std::max<int>(1, int(levels_.size()));
}

QSize StatisticsChart::sizeHint() const
{
    return {std::max(Width, legendWidth()), panels() * PanelHeight + LegendHeight};
}

QSize StatisticsChart::minimumSizeHint() const
{
    return {legendWidth(), panels() * PanelHeight + LegendHeight};
}

int StatisticsChart::legendWidth() const
{
    const QFontMetrics metrics(font());
    int width = PlotMargins.left();
    for (const QString &text : legendTexts())
        width += LegendSample + LegendGap + metrics.horizontalAdvance(text) + LegendSpacing;
    return width;
}

QString StatisticsChart::describe(const Statistics &s)
{
    const std::vector<int> levels = s.levelsPlayed();
    if (levels.empty())
        return u"График пуст: игр пока нет."_s;
    QStringList lines{u"Доля верных ответов после каждой игры, линия угадывания наугад и полоса, "
                      "из которой линия угадывающего наугад не выходит ни разу у 99 игроков из "
                      "100."_s};
    for (int level : levels) {
        const qint64 guesses = s.guesses(level);
        const Evidence::Edges e = Evidence::edges(guesses, s.chance(level));
        lines << u"%1: после %2 доля верных %3, наугад %4, полоса наугад от %5 до %6."_s.arg(
            Level::name(level), Plural::genitive(s.games(level), u"игры", u"игр"),
            Statistics::percent(double(s.hits(level)) / double(guesses)),
            Statistics::percent(s.chance(level)),
            Statistics::percent(e.below ? double(*e.below + 1) / double(guesses) : 0),
            Statistics::percent(e.above ? double(*e.above - 1) / double(guesses) : 1));
    }
    return lines.join(u'\n');
}

void StatisticsChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (levels_.empty()) {
        painter.setPen(palette().windowText().color());
        painter.drawText(QRect(0, 0, width(), PanelHeight), Qt::AlignCenter,
                         u"Игр пока нет: график появится после первой игры."_s);
        return;
    }
    for (std::size_t i = 0; i < levels_.size(); ++i)
        paintPanel(painter, levels_[i], geometry_[i],
                   QRect(0, int(i) * PanelHeight, width(), PanelHeight));
    paintLegend(painter, int(levels_.size()) * PanelHeight + LegendHeight / 2);
}

// One level's panel: its name, the band, the chance line, the running share, and the axes.
void StatisticsChart::paintPanel(QPainter &painter, int level, const ChartGeometry &g,
                                 const QRect &panel) const
{
    const QFontMetrics metrics(font());
    const QRect plot = panel.marginsRemoved(PlotMargins);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(plot, PlotBackground);
    painter.setPen(palette().windowText().color());
    painter.drawText(QPoint(plot.left(), panel.top() + metrics.ascent() + 2), Level::name(level));

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BandFill);
    if (g.series.size() == 1) {
        // After one game the band is a range at one point: drawn across, as a bar.
        const QRectF range = g.band.boundingRect();
        painter.drawRect(QRectF(plot.left(), range.top(), plot.width(), range.height()));
    } else {
        painter.drawPolygon(g.band);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(SeriesColour, 2));
    if (g.series.size() == 1) {
        painter.setBrush(SeriesColour);
        painter.drawEllipse(g.series.first(), SinglePointRadius, SinglePointRadius);
        painter.setBrush(Qt::NoBrush);
    } else {
        painter.drawPolyline(g.series);
    }
    // Last, so that it shows where the share runs along it.
    painter.setPen(QPen(ChanceColour, 1, Qt::DashLine));
    painter.drawLine(g.chance);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(AxisColour);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
    paintTicks(painter, g, panel, plot);
}

void StatisticsChart::paintTicks(QPainter &painter, const ChartGeometry &g, const QRect &panel,
                                 const QRect &plot) const
{
    const QFontMetrics metrics(font());
    painter.setPen(palette().windowText().color());
    for (const auto &tick : g.shareTicks) {
        const int y = int(std::lround(tick.at));
        painter.drawLine(plot.left() - TickLength, y, plot.left(), y);
        const QRect label(panel.left(), y - metrics.height() / 2,
                          plot.left() - TickLength - 2 - panel.left(), metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }
    const int baseline = plot.bottom() + 2 + metrics.ascent();
    if (g.gameTicks.size() == 1) {
        // One game: its tick and the axis name would meet in the middle; one label says both.
        const QString label = tr("%n игр", nullptr, 1);
        painter.drawText(QPoint(plot.center().x() - metrics.horizontalAdvance(label) / 2, baseline),
                         label);
        return;
    }
    for (const auto &tick : g.gameTicks) {
        const int x = int(std::lround(tick.at));
        const int w = metrics.horizontalAdvance(tick.label);
        painter.drawText(QPoint(std::clamp(x - w / 2, plot.left(), plot.right() - w), baseline),
                         tick.label);
    }
    const QString axis = u"игры"_s;
    painter.drawText(QPoint(plot.center().x() - metrics.horizontalAdvance(axis) / 2, baseline),
                     axis);
}

// Under the panels: a sample of each line with its name.
void StatisticsChart::paintLegend(QPainter &painter, int y) const
{
    const QFontMetrics metrics(font());
    int x = PlotMargins.left();
    auto entry = [&](auto drawSample, const QString &text) {
        drawSample(QRect(x, y - 5, LegendSample, 10));
        x += LegendSample + LegendGap;
        painter.setPen(palette().windowText().color());
        painter.drawText(QPoint(x, y + metrics.ascent() / 2 - 1), text);
        x += metrics.horizontalAdvance(text) + LegendSpacing;
    };
    entry(
        [&](QRect r) {
            painter.setPen(QPen(SeriesColour, 2));
            painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
        },
        legendTexts()[0]);
    entry(
        [&](QRect r) {
            painter.setPen(QPen(ChanceColour, 1, Qt::DashLine));
            painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
        },
        legendTexts()[1]);
    entry([&](QRect r) { painter.fillRect(r, BandFill); }, legendTexts()[2]);
}
