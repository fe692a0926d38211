// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The program's faces at fixed pixel sizes, so that its pixel layout holds on every desktop;
// Qt's own high-dpi scaling then scales whole windows.
namespace Fonts
{

// "MS Sans Serif" where it exists, else the nearest face with Cyrillic glyphs, Arial's metric
// twin first. 16 px is 12 pt at 96 dpi.
QFont sans(int pixelSize = 16, bool bold = true);

// "Times New Roman", else its metric twin.
QFont serif(int pixelSize);

} // namespace Fonts
