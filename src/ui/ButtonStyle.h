// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

// Plain push buttons in the window's own grey, whatever the desktop theme: a classic raised
// bevel, sunken while pressed, a dotted focus rectangle inside, caption or picture centred.
class ButtonStyle : public QProxyStyle
{
public:
    explicit ButtonStyle(QObject *owner);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;

    // The window palette that the bevel draws with.
    static QPalette greyPalette();
};
