// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pictures.h"

#include "Xpm.h"

#include <array>

#include "pictures/about_emblem.xpm"
#include "pictures/ball.xpm"
#include "pictures/banana.xpm"
#include "pictures/block_pyramid.xpm"
#include "pictures/board_background.xpm"
#include "pictures/cheese.xpm"
#include "pictures/cherries.xpm"
#include "pictures/disc.xpm"
#include "pictures/drum.xpm"
#include "pictures/link_pointer.xpm"
#include "pictures/mushroom.xpm"
#include "pictures/pawns.xpm"
#include "pictures/pear.xpm"
#include "pictures/question_mark.xpm"
#include "pictures/rhombus.xpm"
#include "pictures/ring_pyramid.xpm"
#include "pictures/square.xpm"
#include "pictures/trapezoid.xpm"
#include "pictures/triangle.xpm"
#include "pictures/window_icon.xpm"
#include "pictures/x_mark.xpm"

namespace Pictures
{

namespace
{

// Qt's general XPM reader takes several times as long: a noticeable share of the start-up.
// Opaque 32-bit images, so that drawing them is a plain source copy.
QImage opaque(std::span<const char *const> xpm)
{
    return readXpm(xpm).convertToFormat(QImage::Format_RGB32);
}

std::span<const char *const> xpm(Guess picture)
{
    switch (picture) {
    case Guess::RedCircle:
        return disc_xpm;
    case Guess::YellowSquare:
        return square_xpm;
    case Guess::GreenTriangle:
        return triangle_xpm;
    case Guess::BlueRhombus:
        return rhombus_xpm;
    case Guess::PinkTrapezoid:
        return trapezoid_xpm;
    case Guess::BlockPyramid:
        return block_pyramid_xpm;
    case Guess::Ball:
        return ball_xpm;
    case Guess::RingPyramid:
        return ring_pyramid_xpm;
    case Guess::ThreePawns:
        return pawns_xpm;
    case Guess::Drum:
        return drum_xpm;
    case Guess::Banana:
        return banana_xpm;
    case Guess::Cherries:
        return cherries_xpm;
    case Guess::Mushroom:
        return mushroom_xpm;
    case Guess::Cheese:
        return cheese_xpm;
    case Guess::Pear:
        return pear_xpm;
    }
    return {};
}

} // namespace

const QImage &guess(int index)
{
    static const auto images = [] {
        std::array<QImage, GuessCount> all;
        for (int i = 0; i < GuessCount; ++i)
            all[i] = opaque(xpm(Guess(i)));
        return all;
    }();
    return images.at(index);
}

const QImage &xMark()
{
    static const QImage image = opaque(x_mark_xpm);
    return image;
}

const QImage &questionMark()
{
    static const QImage image = opaque(question_mark_xpm);
    return image;
}

const QImage &boardBackground()
{
    static const QImage image = opaque(board_background_xpm);
    return image;
}

const QImage &windowIcon()
{
    static const QImage image = readXpm(window_icon_xpm);
    return image;
}

const QImage &aboutEmblem()
{
    static const QImage image = opaque(about_emblem_xpm);
    return image;
}

const QImage &linkPointer()
{
    static const QImage image = readXpm(link_pointer_xpm);
    return image;
}

} // namespace Pictures
