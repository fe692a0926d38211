// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsSummary.h"

#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <cmath>

using namespace Qt::StringLiterals;

using Finding = Statistics::Finding;

namespace
{

// In pixels.
constexpr int MarkSize = 14;
constexpr int Indent = 24;
constexpr int RangeWidth = 168;
constexpr int RangeGap = 10;
// The track the range lies on, and how far the chance's line reaches above and below it.
constexpr int TrackTop = 4;
constexpr int TrackHeight = 8;
constexpr int TickReach = 3;
constexpr int DotRadius = 4;
constexpr int LineGap = 8;
constexpr int FocusMargin = 2;
constexpr int MinimumWidth = 300;
// The axis ends at a round share a little past the range and the strong share.
constexpr double AxisStep = 0.1;
constexpr double AxisRoom = 0.02;

QColor colourOf(Finding f)
{
    switch (f) {
    case Finding::StandsOut:
        return {0, 128, 0};
    case Finding::BelowLuck:
        return {176, 64, 0};
    case Finding::NoStrongEdge:
        return {104, 72, 160};
    case Finding::Unclear:
        break;
    }
    return {112, 112, 112};
}

int textHeight(const QFont &font, int width, const QString &text)
{
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, std::max(1, width), QWIDGETSIZE_MAX), Qt::TextWordWrap, text)
        .height();
}

} // namespace

StatisticsSummary::StatisticsSummary(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Summary"));
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void StatisticsSummary::setContents(const QString &games, const std::vector<Line> &lines,
                                    const QString &note, const QString &guarantee)
{
    games_ = games;
    lines_ = lines;
    note_ = note;
    guarantee_ = guarantee;
    top_ = axisTop(lines_);
    laidOut_.clear();
    // Heard as it reads: the games, then each line, on focus.
    setAccessibleName(games_);
    setAccessibleDescription(texts().mid(1).join(u'\n'));
    updateGeometry();
    update();
}

QStringList StatisticsSummary::texts() const
{
    QStringList all;
    for (const Piece &piece : layOut(PreferredWidth))
        if (!piece.text.isEmpty())
            all << piece.text;
    return all;
}

// The chance's and the strong share's numbers, the track, and the axis's ends under it.
int StatisticsSummary::rangeHeight() const
{
    return 2 * (QFontMetrics(fontFor(Kind::Detail)).height() + TickReach) + TrackHeight;
}

StatisticsSummary::Marks StatisticsSummary::marks(const StatisticsTexts::Shown &shares,
                                                  Finding finding, int width, double top)
{
    Marks m;
    const Evidence::Range range = shares.range.value_or(Evidence::Range{});
    m.top = top;
    auto at = [&](double share) {
        return std::clamp(int(std::lround(share / m.top * (width - 1))), 0, width - 1);
    };
    m.low = at(range.low);
    m.high = at(range.high);
    m.chance = at(shares.chance);
    m.strong = at(shares.strong);
    if (finding == Finding::StandsOut)
        m.low = std::max(m.low, m.chance + 1);
    else if (finding == Finding::BelowLuck)
        m.high = std::min(m.high, m.chance - 1);
    if (shares.strength == Statistics::Strength::Strong)
        m.low = std::max(m.low, m.strong + 1);
    else if (shares.strength == Statistics::Strength::NotStrong)
        m.high = std::min(m.high, m.strong - 1);
    m.high = std::max(m.high, m.low);
    m.share = std::clamp(at(shares.share), m.low, m.high);
    return m;
}

double StatisticsSummary::axisTop(const std::vector<Line> &lines)
{
    double furthest = 0;
    for (const Line &line : lines)
        if (line.shares && line.shares->range)
            furthest = std::max({furthest, line.shares->range->high, line.shares->strong});
    return std::min(1.0, std::ceil((furthest + AxisRoom) / AxisStep - 1e-9) * AxisStep);
}

QStringList StatisticsSummary::legend()
{
    return {tr("ваш диапазон"), tr("наугад"), tr("порог сильного чутья"), tr("доля верных сейчас")};
}

QFont StatisticsSummary::fontFor(Kind kind) const
{
    QFont f = font();
    if (kind == Kind::Games || kind == Kind::Verdict)
        f.setBold(true);
    if (kind == Kind::Note)
        f.setItalic(true);
    if (kind == Kind::Guarantee || kind == Kind::Detail || kind == Kind::Legend)
        f.setPixelSize(std::max(1, f.pixelSize() - 1));
    return f;
}

const std::vector<StatisticsSummary::Piece> &StatisticsSummary::layOut(int width) const
{
    for (const auto &[w, pieces] : laidOut_)
        if (w == width)
            return pieces;
    constexpr std::size_t Kept = 2;
    if (laidOut_.size() >= Kept)
        laidOut_.erase(laidOut_.begin());
    std::vector<Piece> &pieces = laidOut_.emplace_back(width, std::vector<Piece>()).second;
    int y = FocusMargin;
    auto add = [&](Kind kind, int left, const QString &text, int line, int least = 0) {
        const int w = width - left - FocusMargin;
        const int h = std::max(least, text.isEmpty() ? 0 : textHeight(fontFor(kind), w, text));
        pieces.push_back({kind, QRect(left, y, w, h), text, line});
        y += h;
    };
    if (!games_.isEmpty()) {
        add(Kind::Games, FocusMargin, games_, -1);
        y += LineGap;
    }
    bool ranges = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int line = int(i);
        // What the drawn ranges mean, under the last of them.
        if (ranges && !lines_[i].shares) {
            const int h = paintLegend(nullptr, QRect(Indent, y, width - Indent - FocusMargin, 0));
            pieces.push_back({Kind::Legend, QRect(Indent, y, width - Indent - FocusMargin, h),
                              legend().join(u", "_s), -1});
            y += h + LineGap;
            ranges = false;
        }
        ranges = ranges || lines_[i].shares.has_value();
        add(Kind::Verdict, Indent, lines_[i].verdict, line);
        add(Kind::Action, Indent, lines_[i].action, line);
        add(Kind::Numbers, Indent, lines_[i].numbers, line);
        // A level's range, with what follows beside it; the total's words alone.
        if (lines_[i].shares)
            add(Kind::Detail, Indent + RangeWidth + RangeGap, lines_[i].detail, line,
                rangeHeight());
        else if (!lines_[i].detail.isEmpty())
            add(Kind::Detail, Indent, lines_[i].detail, line);
        y += LineGap;
    }
    if (ranges) {
        const int h = paintLegend(nullptr, QRect(Indent, y, width - Indent - FocusMargin, 0));
        pieces.push_back({Kind::Legend, QRect(Indent, y, width - Indent - FocusMargin, h),
                          legend().join(u", "_s), -1});
        y += h + LineGap;
    }
    if (!note_.isEmpty()) {
        add(Kind::Note, Indent, note_, -1);
        y += LineGap;
    }
    if (!guarantee_.isEmpty())
        add(Kind::Guarantee, FocusMargin, guarantee_, -1);
    return pieces;
}

void StatisticsSummary::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        laidOut_.clear();
}

int StatisticsSummary::heightForWidth(int width) const
{
    const std::vector<Piece> &pieces = layOut(width);
    return pieces.empty() ? 0 : pieces.back().rect.bottom() + 1 + FocusMargin;
}

QSize StatisticsSummary::sizeHint() const
{
    return {PreferredWidth, heightForWidth(PreferredWidth)};
}

// As low as its lines at the width it has: a layout takes this height whatever the width, and
// the height at the narrowest would have the window scroll what fits it.
QSize StatisticsSummary::minimumSizeHint() const
{
    return {MinimumWidth, heightForWidth(std::max(width(), MinimumWidth))};
}

bool StatisticsSummary::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // Over a level's range, how to read it, with its numbers.
    const QPoint at = static_cast<QHelpEvent *>(event)->pos();
    for (const Piece &piece : layOut(width())) {
        if (piece.kind != Kind::Detail || at.y() < piece.rect.top() ||
            at.y() > piece.rect.bottom() || lines_[std::size_t(piece.line)].tip.isEmpty())
            continue;
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           lines_[std::size_t(piece.line)].tip, this);
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

void StatisticsSummary::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor text = palette().windowText().color();
    for (const Piece &piece : layOut(width())) {
        painter.setFont(fontFor(piece.kind));
        const QFontMetrics metrics(painter.font());
        if (piece.kind == Kind::Verdict) {
            const int top = piece.rect.top() + (metrics.height() - MarkSize) / 2;
            paintMark(painter, QRect(FocusMargin + 2, top, MarkSize, MarkSize),
                      lines_[std::size_t(piece.line)].finding);
        }
        if (piece.kind == Kind::Action && !piece.text.isEmpty())
            paintArrow(painter,
                       QRect(FocusMargin + 2, piece.rect.top() + (metrics.height() - MarkSize) / 2,
                             MarkSize, MarkSize));
        if (piece.kind == Kind::Detail && lines_[std::size_t(piece.line)].shares)
            paintRange(painter, QRect(Indent, piece.rect.top(), RangeWidth, rangeHeight()),
                       lines_[std::size_t(piece.line)]);
        if (piece.kind == Kind::Legend) {
            paintLegend(&painter, piece.rect);
            continue;
        }
        painter.setPen(text);
        painter.drawText(piece.rect, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, piece.text);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().window().color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

// Up for more right guesses than luck gives, down for fewer, flat for no strong edge, a
// question mark while it is not clear: shapes no one takes for a control.
void StatisticsSummary::paintMark(QPainter &painter, const QRect &box, Finding finding) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor colour = colourOf(finding);
    painter.setPen(QPen(colour, 2));
    painter.setBrush(colour);
    const QRectF r = QRectF(box).adjusted(1, 1, -1, -1);
    QPainterPath path;
    switch (finding) {
    case Finding::StandsOut:
        path.moveTo(r.center().x(), r.top());
        path.lineTo(r.bottomRight());
        path.lineTo(r.bottomLeft());
        path.closeSubpath();
        painter.drawPath(path);
        break;
    case Finding::BelowLuck:
        path.moveTo(r.topLeft());
        path.lineTo(r.topRight());
        path.lineTo(r.center().x(), r.bottom());
        path.closeSubpath();
        painter.drawPath(path);
        break;
    case Finding::NoStrongEdge:
        painter.drawRect(QRectF(r.left(), r.center().y() - 2, r.width(), 4));
        break;
    case Finding::Unclear: {
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(box.height() + 2);
        painter.setFont(f);
        painter.drawText(box.adjusted(-2, -2, 2, 2), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    painter.restore();
}

// What to do next: an arrow, not a control.
void StatisticsSummary::paintArrow(QPainter &painter, const QRect &box) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(palette().windowText().color(), 2, Qt::SolidLine, Qt::RoundCap));
    const QRectF r = QRectF(box).adjusted(2, 3, -2, -3);
    painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    painter.drawLine(QPointF(r.right() - 4, r.top()), QPointF(r.right(), r.center().y()));
    painter.drawLine(QPointF(r.right() - 4, r.bottom()), QPointF(r.right(), r.center().y()));
    painter.restore();
}

namespace
{

const QColor LegendFill(112, 112, 112);

// One mark of the range's drawing in `box`: 0 the range, 1 the chance, 2 the strong share,
// 3 the share now.
void paintSample(QPainter &painter, int mark, const QRect &box, const QColor &ink)
{
    painter.save();
    const int x = box.center().x();
    switch (mark) {
    case 0:
        painter.fillRect(box.adjusted(0, TrackTop, 0, -TrackTop), LegendFill);
        break;
    case 1:
        painter.setPen(QPen(ink, 2));
        painter.drawLine(x, box.top(), x, box.bottom());
        break;
    case 2:
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawLine(x, box.top(), x, box.bottom());
        break;
    default:
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(ink);
        painter.setPen(ink);
        painter.drawEllipse(QPointF(x + 0.5, box.center().y() + 0.5), DotRadius, DotRadius);
    }
    painter.restore();
}

} // namespace

int StatisticsSummary::paintLegend(QPainter *painter, const QRect &box) const
{
    const QFontMetrics metrics(fontFor(Kind::Legend));
    constexpr int Sample = 18, Gap = 5, Spacing = 16;
    const QColor ink = palette().windowText().color();
    if (painter)
        painter->setFont(fontFor(Kind::Legend));
    int x = box.left(), y = box.top();
    const QStringList names = legend();
    for (int i = 0; i < names.size(); ++i) {
        const int w = Sample + Gap + metrics.horizontalAdvance(names[i]);
        if (x > box.left() && x + w > box.right() + 1) {
            x = box.left();
            y += metrics.height();
        }
        if (painter) {
            paintSample(*painter, i, QRect(x, y + 1, Sample, metrics.height() - 2), ink);
            painter->setPen(ink);
            painter->drawText(QRect(x + Sample + Gap, y, w, metrics.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, names[i]);
        }
        x += w + Spacing;
    }
    return y + metrics.height() - box.top();
}

// The shares from 0 on a track, the range on it in the verdict's colour with a dot where the
// share is now, a line across it at the chance and a dashed one at the strong share, their
// numbers over them; the axis's ends under it. One scale for every level.
void StatisticsSummary::paintRange(QPainter &painter, const QRect &box, const Line &line) const
{
    painter.save();
    const StatisticsTexts::Shown &shares = *line.shares;
    const Marks m = marks(shares, line.finding, box.width(), top_);
    const QColor ink = palette().windowText().color();
    painter.setFont(fontFor(Kind::Detail));
    const QFontMetrics metrics(painter.font());
    const QRect track(box.left(), box.top() + metrics.height() + TickReach, box.width(),
                      TrackHeight);
    painter.fillRect(track, palette().base());
    painter.fillRect(
        QRect(QPoint(box.left() + m.low, track.top()), QPoint(box.left() + m.high, track.bottom())),
        colourOf(line.finding));
    painter.setPen(ink);
    painter.drawRect(track.adjusted(0, 0, -1, -1));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(box.left() + m.share + 0.5, track.center().y() + 0.5), DotRadius,
                        DotRadius);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int above = track.top() - TickReach, below = track.bottom() + TickReach;
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    painter.drawLine(box.left() + m.strong, above, box.left() + m.strong, below);
    painter.setPen(QPen(ink, 2));
    painter.drawLine(box.left() + m.chance, above, box.left() + m.chance, below);

    // The chance's number to the left of its line, the strong share's to the right of its own,
    // both over the track; the strong share's goes under it where they would meet, and is left
    // to the words beside where there is no room there either.
    auto label = [&](int x, const QString &text, bool leftOfX, int top) {
        const int w = metrics.horizontalAdvance(text);
        const int left = leftOfX ? box.left() + x - 2 - w : box.left() + x + 3;
        return QRect(std::clamp(left, box.left(), box.right() + 1 - w), top, w, metrics.height());
    };
    const QString chance = StatisticsTexts::percent(shares.chance, shares.decimals);
    const QString strong = StatisticsTexts::percent(shares.strong, shares.decimals);
    const QString zero = StatisticsTexts::percent(0, 0), end = StatisticsTexts::percent(m.top, 0);
    const int overTrack = box.top(), underTrack = below + 1;
    const QRect chanceAt = label(m.chance, chance, true, overTrack);
    QRect strongAt = label(m.strong, strong, false, overTrack);
    const QRect zeroAt(box.left(), underTrack, metrics.horizontalAdvance(zero), metrics.height());
    const QRect endAt = label(box.width(), end, true, underTrack);
    constexpr int Apart = 4;
    auto meet = [](const QRect &a, const QRect &b) {
        return a.adjusted(-Apart, 0, Apart, 0).intersects(b);
    };
    if (meet(strongAt, chanceAt))
        strongAt = label(m.strong, strong, false, underTrack);
    const bool strongShown =
        !meet(strongAt, chanceAt) && !meet(strongAt, zeroAt) && !meet(strongAt, endAt);
    painter.setPen(ink);
    painter.drawText(chanceAt, Qt::AlignCenter, chance);
    if (strongShown)
        painter.drawText(strongAt, Qt::AlignCenter, strong);
    painter.setPen(palette().placeholderText().color());
    painter.drawText(zeroAt, Qt::AlignCenter, zero);
    painter.drawText(endAt, Qt::AlignCenter, end);
    painter.restore();
}
