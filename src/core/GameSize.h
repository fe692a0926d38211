// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How long a game is, said once: the rules, the board, the odds, the record and the statistics
// all count from here.
namespace GameSize
{

inline constexpr int Attempts = 10;

} // namespace GameSize
