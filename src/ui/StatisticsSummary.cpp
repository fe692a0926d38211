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

// The track, and the chance's name under it.
int StatisticsSummary::rangeHeight() const
{
    return TrackTop + TrackHeight + TickReach + QFontMetrics(fontFor(Kind::Detail)).height();
}

StatisticsSummary::Marks StatisticsSummary::marks(const StatisticsTexts::Shown &shares,
                                                  Finding finding, int width)
{
    Marks m;
    const Evidence::Range range = shares.range.value_or(Evidence::Range{});
    const double furthest = std::max(range.high, shares.strong) + AxisRoom;
    m.top = std::min(1.0, std::ceil(furthest / AxisStep - 1e-9) * AxisStep);
    auto at = [&](double share) { return int(std::lround(share / m.top * (width - 1))); };
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

QFont StatisticsSummary::fontFor(Kind kind) const
{
    QFont f = font();
    if (kind == Kind::Games || kind == Kind::Verdict)
        f.setBold(true);
    if (kind == Kind::Note)
        f.setItalic(true);
    if (kind == Kind::Guarantee || kind == Kind::Detail)
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
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int line = int(i);
        add(Kind::Verdict, Indent, lines_[i].verdict, line);
        add(Kind::Numbers, Indent, lines_[i].numbers, line);
        // A level's range, with what follows beside it; the total's words alone.
        if (lines_[i].shares)
            add(Kind::Detail, Indent + RangeWidth + RangeGap, lines_[i].detail, line,
                rangeHeight());
        else if (!lines_[i].detail.isEmpty())
            add(Kind::Detail, Indent, lines_[i].detail, line);
        y += LineGap;
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
        if (piece.kind == Kind::Detail && lines_[std::size_t(piece.line)].shares)
            paintRange(painter, QRect(Indent, piece.rect.top(), RangeWidth, rangeHeight()),
                       lines_[std::size_t(piece.line)]);
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

// The shares from 0 on a track, the range on it in the verdict's colour with a dot where the
// share is now, a line across it at the chance and a dashed one at the strong share, each named
// under it.
void StatisticsSummary::paintRange(QPainter &painter, const QRect &box, const Line &line) const
{
    painter.save();
    const Marks m = marks(*line.shares, line.finding, box.width());
    const QColor ink = palette().windowText().color();
    const QRect track(box.left(), box.top() + TrackTop, box.width(), TrackHeight);
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
    const int below = track.bottom() + TickReach;
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    painter.drawLine(box.left() + m.strong, track.top() - TickReach, box.left() + m.strong, below);
    painter.setPen(QPen(ink, 2));
    painter.drawLine(box.left() + m.chance, track.top() - TickReach, box.left() + m.chance, below);
    // The chance named to the left of its line, the strong share to the right of its own, so
    // that the two never meet; the axis's ends where they leave them room.
    painter.setFont(fontFor(Kind::Detail));
    const QFontMetrics metrics(painter.font());
    auto name = [&](int x, const QString &text, Qt::Alignment side) {
        const int w = metrics.horizontalAdvance(text);
        const int left = side == Qt::AlignLeft    ? box.left() + x + 2
                         : side == Qt::AlignRight ? box.left() + x - 1 - w
                                                  : box.left() + x - w / 2;
        return QRect(std::clamp(left, box.left(), box.right() + 1 - w), below + 1, w,
                     metrics.height());
    };
    const QRect chanceName = name(m.chance, tr("наугад"), Qt::AlignRight);
    const QRect strongName = name(m.strong, tr("сильное"), Qt::AlignLeft);
    painter.setPen(ink);
    painter.drawText(chanceName, Qt::AlignCenter, tr("наугад"));
    if (!strongName.intersects(chanceName))
        painter.drawText(strongName, Qt::AlignCenter, tr("сильное"));
    painter.setPen(palette().placeholderText().color());
    for (const auto &[x, text, side] :
         {std::tuple(0, StatisticsTexts::percent(0, 0), Qt::AlignLeft),
          std::tuple(box.width() - 1, StatisticsTexts::percent(m.top, 0), Qt::AlignRight)}) {
        QRect end = name(x, text, Qt::AlignHCenter);
        end.moveLeft(side == Qt::AlignLeft ? box.left() : box.right() + 1 - end.width());
        if (!end.adjusted(-4, 0, 4, 0).intersects(chanceName) &&
            !end.adjusted(-4, 0, 4, 0).intersects(strongName))
            painter.drawText(end, Qt::AlignCenter, text);
    }
    painter.restore();
}
