// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <span>

// Reads the pictures' own kind of XPM: one character a pixel, colours "#RRGGBB" or "None".
// Anything else, or lines that are missing or of the wrong length, gives a null image; the
// reader never reads past the lines it is given.
QImage readXpm(std::span<const char *const> lines);

template <std::size_t N> QImage readXpm(const char *const (&lines)[N])
{
    return readXpm(std::span<const char *const>(lines, N));
}
