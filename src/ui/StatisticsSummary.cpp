// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsSummary.h"

#include "Evidence.h"

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
constexpr int GaugeWidth = 84;
constexpr int GaugeHeight = 10;
constexpr int GaugeGap = 8;
constexpr int LineGap = 8;
constexpr int FocusMargin = 2;
constexpr int PreferredWidth = 480;
constexpr int MinimumWidth = 300;
// The gauge's middle, where luck and an edge explain the guesses alike, from its left end.
constexpr double EvenAt = 0.3;
// Short of its end while the verdict has not changed, by this much of its length.
constexpr double ShortOfTheEnd = 0.04;

QColor colourOf(Finding f)
{
    switch (f) {
    case Finding::StandsOut:
        return {0, 128, 0};
    case Finding::BelowLuck:
        return {176, 64, 0};
    case Finding::LikeLuck:
        return {48, 88, 160};
    case Finding::TooEarly:
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
        all << piece.text;
    return all;
}

double StatisticsSummary::gauge(double figure, Finding finding)
{
    const bool reached = finding == Finding::StandsOut || finding == Finding::BelowLuck ||
                         finding == Finding::LikeLuck;
    const double toward = figure >= 1 ? std::log(figure) / std::log(Evidence::Needed)
                                      : -std::log(figure) / std::log(Evidence::LuckEnough);
    const double length = reached ? 1.0 : std::min(toward, 1 - ShortOfTheEnd);
    return figure >= 1 ? length : -length;
}

QFont StatisticsSummary::fontFor(Kind kind) const
{
    QFont f = font();
    if (kind == Kind::Games || kind == Kind::Verdict)
        f.setBold(true);
    if (kind == Kind::Note)
        f.setItalic(true);
    if (kind == Kind::Guarantee)
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
    auto add = [&](Kind kind, int left, const QString &text, int line) {
        const int w = width - left - FocusMargin;
        const int h = textHeight(fontFor(kind), w, text);
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
        add(Kind::Evidence, Indent + GaugeWidth + GaugeGap, lines_[i].evidence, line);
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
    // Over a line's evidence, the exact figure, which the words round.
    const QPoint at = static_cast<QHelpEvent *>(event)->pos();
    for (const Piece &piece : layOut(width())) {
        if (piece.kind != Kind::Evidence || at.y() < piece.rect.top() ||
            at.y() > piece.rect.bottom())
            continue;
        const Line &line = lines_[std::size_t(piece.line)];
        QToolTip::showText(
            static_cast<QHelpEvent *>(event)->globalPos(),
            tr("Во сколько раз чутьё объясняет ответы лучше везения: %1. При %2 и больше вывод "
               "— «выделяется» или «меньше», при 1/%3 и меньше — «в пределах везения».")
                .arg(QLocale().toString(line.figure, 'g', 4), QLocale().toString(Evidence::Needed),
                     QLocale().toString(Evidence::LuckEnough)),
            this);
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
        if (piece.kind == Kind::Evidence) {
            const int top = piece.rect.top() + (metrics.height() - GaugeHeight) / 2;
            paintGauge(painter, QRect(Indent, top, GaugeWidth, GaugeHeight),
                       lines_[std::size_t(piece.line)]);
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

// Up for more right guesses than luck gives, down for fewer, a dot for as good as luck, a
// ring while it is too early to tell.
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
    case Finding::LikeLuck:
        painter.drawEllipse(r.adjusted(2, 2, -2, -2));
        break;
    case Finding::TooEarly:
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(r.adjusted(1, 1, -1, -1));
        break;
    }
    painter.restore();
}

// A bar from as good as luck on the left to an edge on the right, filled from the middle
// toward where the evidence points; each end is where a verdict changes.
void StatisticsSummary::paintGauge(QPainter &painter, const QRect &box, const Line &line) const
{
    painter.save();
    const QColor frame = palette().windowText().color();
    painter.fillRect(box, palette().base());
    const double position = gauge(line.figure, line.finding);
    const int even = box.left() + int(std::lround(EvenAt * box.width()));
    const int end = position >= 0 ? even + int(std::lround(position * (box.right() + 1 - even)))
                                  : even - int(std::lround(-position * (even - box.left())));
    painter.fillRect(QRect(QPoint(std::min(even, end), box.top()),
                           QPoint(std::max(even, end) - 1, box.bottom())),
                     colourOf(line.finding));
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawLine(even, box.top() - 2, even, box.bottom() + 2);
    painter.restore();
}
