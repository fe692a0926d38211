// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether the player plays in training, kept across runs in settings.ini in the data folder,
// beside the records the choice is between: one folder holds all the program keeps, and
// whoever moves or removes it takes the choice along. Nothing kept, or nothing readable, is
// the test.
namespace ModeSetting
{

bool training();
// A failure is logged (chuikomer.desktop); the game goes on in the mode chosen.
void setTraining(bool training);

} // namespace ModeSetting
