// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsChart.h"

#include "ChartGeometry.h"
#include "Fonts.h"
#include "Statistics.h"
#include "StatisticsSummary.h"
#include "StatisticsTexts.h"

#include <QLocale>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <cmath>

namespace
{

// One panel a level, in pixels, as wide as the summary above it.
constexpr int Width = StatisticsSummary::PreferredWidth;
constexpr int PanelHeight = 120;
constexpr int LegendHeight = 22;
constexpr QMargins PlotMargins{48, 22, 14, 22};
constexpr int FontPixels = 12;
constexpr int TickLength = 3;
constexpr int LegendSample = 22;
constexpr int LegendGap = 6;
constexpr int LegendSpacing = 18;
// A level's line needs two games: one game is a dot that says nothing its verdict does not.
constexpr int ChartedFrom = 2;

const QColor PlotBackground(255, 255, 255);
const QColor BandFill(200, 220, 255);
const QColor SeriesColour(176, 0, 0);
const QColor ChanceColour(0, 0, 0);
const QColor AxisColour(96, 96, 96);
constexpr int MostDecimals = 3;

// The share where a line ends and the band's edges there, rounded to the fewest decimals from
// `fewest` on at which the share stands on the side of each edge it is drawn on.
struct Ends {
    double share;
    double bandLow;
    double bandHigh;
    int decimals;
};
Ends apart(double share, const ChartGeometry::Column &end, int fewest)
{
    for (int d = fewest;; ++d) {
        const double scale = 100 * std::pow(10.0, d);
        const Ends e{std::round(share * scale) / scale, std::round(end.bandLow * scale) / scale,
                     std::round(end.bandHigh * scale) / scale, d};
        if (d == MostDecimals || ((e.share > e.bandHigh) == (share > end.bandHigh) &&
                                  (e.share < e.bandLow) == (share < end.bandLow)))
            return e;
    }
}

// Dashes as wide as the share's line and as long as their gaps, so that both show where they
// run together.
void paintChanceLine(QPainter &painter, const QLineF &line)
{
    QPen pen(ChanceColour, 2);
    pen.setDashPattern({3, 3});
    painter.setPen(pen);
    painter.drawLine(line);
}

QStringList legendTexts()
{
    return {StatisticsChart::tr("доля верных"), StatisticsChart::tr("наугад"),
            StatisticsChart::tr("коридор угадывающего наугад")};
}

} // namespace

StatisticsChart::StatisticsChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StatisticsChart"));
    setAccessibleName(tr("График доли верных ответов"));
    setFont(Fonts::sans(FontPixels, false));
    setFocusPolicy(Qt::StrongFocus);
    // As wide as the window lets it be; narrower plots still read, down to the legend's width.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StatisticsChart::setStatistics(const Statistics *statistics)
{
    statistics_ = statistics;
    levels_.clear();
    geometry_.clear();
    refresh();
}

// Only marked here: the lines are worked out when next painted, once the window has settled
// on its width, and only for the panels whose games or width changed. Over a long record they
// take a while, and a finished game is shown within a frame.
void StatisticsChart::refresh()
{
    std::vector<Level> levels;
    if (statistics_)
        for (Level level : statistics_->levelsPlayed())
            if (statistics_->games(level) >= ChartedFrom)
                levels.push_back(level);
    if (levels != levels_) {
        levels_ = levels;
        geometry_.clear();
        updateGeometry();
        update();
    }
    for (std::size_t i = 0; i < geometry_.size(); ++i)
        if (geometry_[i].columns.back().lastGame != statistics_->games(levels_[i]))
            update(0, int(i) * PanelHeight, width(), PanelHeight);
    stale_ = true;
    setAccessibleDescription(description());
}

void StatisticsChart::resizeEvent(QResizeEvent *)
{
    stale_ = true;
}

const ChartGeometry *StatisticsChart::geometry(Level level)
{
    layOut();
    for (std::size_t i = 0; i < levels_.size(); ++i)
        if (levels_[i] == level)
            return &geometry_[i];
    return nullptr;
}

void StatisticsChart::layOut()
{
    if (!stale_)
        return;
    stale_ = false;
    geometry_.resize(levels_.size());
    for (std::size_t i = 0; i < levels_.size(); ++i) {
        const Level level = levels_[i];
        const QRectF plot =
            QRect(0, int(i) * PanelHeight, width(), PanelHeight).marginsRemoved(PlotMargins);
        ChartGeometry &known = geometry_[i];
        if (known.columns.empty() || known.plot != plot ||
            known.columns.back().lastGame != statistics_->games(level))
            known = ChartGeometry::compute(statistics_->runningHits(level),
                                           statistics_->chance(level), plot);
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

QString StatisticsChart::description() const
{
    if (levels_.empty())
        return tr("График пуст: игр пока нет.");
    QStringList lines{
        tr("Доля верных ответов после каждой игры, линия «наугад» и коридор, где бывает "
           "угадывающий наугад: линия выходит из коридора, только когда вывод — «%1» "
           "или «%2».")
            .arg(StatisticsTexts::findingName(Statistics::Finding::StandsOut),
                 StatisticsTexts::findingName(Statistics::Finding::BelowLuck))};
    // Where each line ends, which is the same at any width.
    for (Level level : levels_) {
        const double p = statistics_->chance(level);
        const ChartGeometry::Column end = ChartGeometry::last(statistics_->runningHits(level), p);
        const Ends e =
            apart(end.lowestShare, end, StatisticsTexts::shown(*statistics_, level).decimals);
        const QString share = StatisticsTexts::percent(e.share, e.decimals);
        const QString chance = StatisticsTexts::percent(p, e.decimals);
        const QString low = StatisticsTexts::percent(e.bandLow, e.decimals);
        if (end.bandHigh >= 1)
            lines << tr("%1: после %Ln игр доля верных %2, наугад %3, коридор угадывающего "
                        "наугад от %4 и выше.",
                        nullptr, int(end.lastGame))
                         .arg(StatisticsTexts::lineName(level), share, chance, low);
        else
            lines << tr("%1: после %Ln игр доля верных %2, наугад %3, коридор угадывающего "
                        "наугад от %4 до %5.",
                        nullptr, int(end.lastGame))
                         .arg(StatisticsTexts::lineName(level), share, chance, low,
                              StatisticsTexts::percent(e.bandHigh, e.decimals));
    }
    return lines.join(u'\n');
}

QStringList StatisticsChart::texts() const
{
    QStringList all;
    for (Level level : levels_)
        all << StatisticsTexts::lineName(level) << tr("игры");
    if (!levels_.empty())
        all << legendTexts();
    return all;
}

void StatisticsChart::paintEvent(QPaintEvent *)
{
    layOut();
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // With no games the window shows none of it.
    if (levels_.empty())
        return;
    for (std::size_t i = 0; i < levels_.size(); ++i)
        paintPanel(painter, levels_[i], geometry_[i],
                   QRect(0, int(i) * PanelHeight, width(), PanelHeight));
    paintLegend(painter, int(levels_.size()) * PanelHeight + LegendHeight / 2);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().window().color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

// One level's panel: its name, the band, the chance line, the running share, and the axes.
void StatisticsChart::paintPanel(QPainter &painter, Level level, const ChartGeometry &g,
                                 const QRect &panel) const
{
    const QFontMetrics metrics(font());
    const QRect plot = panel.marginsRemoved(PlotMargins);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(plot, PlotBackground);
    painter.setPen(palette().windowText().color());
    painter.drawText(QPoint(plot.left(), panel.top() + metrics.ascent() + 2),
                     StatisticsTexts::lineName(level));

    // Smoothed while each game has room of its own; a column a pixel wide has nothing to
    // smooth, and drawing it plain keeps a finished game within a frame.
    painter.setRenderHint(QPainter::Antialiasing, g.columns.size() * 2 < std::size_t(plot.width()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(BandFill);
    painter.drawPolygon(g.band);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(SeriesColour, 2));
    painter.drawPolyline(g.series);
    // Last, so that it shows where the share runs along it.
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintChanceLine(painter, g.chanceLine);

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
    for (double share : g.shareTicks) {
        const int y = int(std::lround(g.y(share)));
        painter.drawLine(plot.left() - TickLength, y, plot.left(), y);
        const QRect label(panel.left(), y - metrics.height() / 2,
                          plot.left() - TickLength - 2 - panel.left(), metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                         StatisticsTexts::percent(share, 0));
    }
    const int baseline = plot.bottom() + 2 + metrics.ascent();
    const qint64 games = g.columns.back().lastGame;
    const QString last = QLocale().toString(games);
    painter.drawText(QPoint(plot.left(), baseline), QLocale().toString(1));
    painter.drawText(QPoint(plot.right() + 1 - metrics.horizontalAdvance(last), baseline), last);
    const QString axis = tr("игры");
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
            paintChanceLine(painter, QLineF(r.left(), r.center().y(), r.right(), r.center().y()));
        },
        legendTexts()[1]);
    entry([&](QRect r) { painter.fillRect(r, BandFill); }, legendTexts()[2]);
}
