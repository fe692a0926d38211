// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The three levels, each offering five pictures more than the one before.
namespace Level
{

constexpr int Count = 3;
constexpr int PicturesEach = 5;

// "Первый уровень", "Второй уровень", "Третий уровень" for levels 1..3: the level buttons'
// captions and the statistics' columns alike.
QString name(int level);

} // namespace Level
