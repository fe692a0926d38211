// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ButtonStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>
#include <qdrawutil.h>

using namespace Qt::StringLiterals;

ButtonStyle::ButtonStyle(QObject *owner) : QProxyStyle(QStyleFactory::create(u"Fusion"_s))
{
    setParent(owner);
}

QPalette ButtonStyle::greyPalette()
{
    const QColor grey(224, 224, 224);
    QPalette p(Qt::black, grey, Qt::white, QColor(128, 128, 128), QColor(176, 176, 176), Qt::black,
               Qt::white, Qt::white, grey);
    p.setColor(QPalette::Midlight, QColor(240, 240, 240));
    p.setColor(QPalette::Shadow, QColor(64, 64, 64));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    return p;
}

void ButtonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_PanelButtonCommand: {
        const bool sunken = option->state & (State_Sunken | State_On);
        const QBrush face = option->palette.brush(QPalette::Button);
        const qreal scale = painter->device()->devicePixelRatioF();
        if (scale == std::round(scale)) {
            qDrawWinButton(painter, option->rect, option->palette, sunken, &face);
        } else {
            // At a fractional scale the bevel's one-pixel lines would fall between device
            // pixels and its bottom line could vanish: draw it in device pixels instead.
            const QRect r = option->rect;
            const QRect device(QPoint(qRound(r.left() * scale), qRound(r.top() * scale)),
                               QPoint(int(std::floor((r.right() + 1) * scale)) - 1,
                                      int(std::floor((r.bottom() + 1) * scale)) - 1));
            painter->save();
            painter->scale(1 / scale, 1 / scale);
            qDrawWinButton(painter, device, option->palette, sunken, &face);
            painter->restore();
        }
        if (option->state & State_HasFocus) {
            painter->save();
            painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
            painter->drawRect(option->rect.adjusted(4, 4, -5, -5));
            painter->restore();
        }
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}
