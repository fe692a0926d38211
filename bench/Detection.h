// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How soon the statistics tell a real edge from luck, and how rarely they tell a blind guesser
// otherwise: simulated players with an edge, and the exact false-alarm rate over long lines.
namespace Detection
{

int run();

} // namespace Detection
