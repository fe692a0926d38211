// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Level.h"

#include <QImage>

// Every picture the program shows. All are compiled in; nothing is read from disk.
namespace Pictures
{

// The guess pictures by what they show, in picture index order: each level adds the next row
// of five. This is the one list of them: their images and their names are found by it.
enum class Guess {
    RedCircle,
    YellowSquare,
    GreenTriangle,
    BlueRhombus,
    PinkTrapezoid,
    BlockPyramid,
    Ball,
    RingPyramid,
    ThreePawns,
    Drum,
    Banana,
    Cherries,
    Mushroom,
    Cheese,
    Pear,
};
inline constexpr int GuessCount = Level::MostPictures;
static_assert(int(Guess::Pear) + 1 == GuessCount, "a picture for every one a level offers");

inline constexpr int GuessSize = 40;
inline constexpr int MarkSize = 30;

// Guess picture by picture index 0..14, 40 x 40, opaque.
const QImage &guess(int index);
// The X mark and the question mark that hold an open attempt's places, 30 x 30.
const QImage &xMark();
const QImage &questionMark();
// The empty result board, 335 x 130.
const QImage &boardBackground();
// Window and executable icon, 32 x 32, opaque.
const QImage &windowIcon();
// Black silhouette of the About window, 71 x 126.
const QImage &aboutEmblem();
// Hand pointer over the About window's link, 32 x 32 with transparency; hot spot (0, 0).
const QImage &linkPointer();

} // namespace Pictures
