// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "OpenFailure.h"

#include <QString>

class QWidget;

// Tells the player that the help or the maker's site did not open, and what the system lacks
// for it: otherwise a click or F1 would seem to do nothing at all.
namespace OpenFailureNotice
{

// One sentence.
QString text(const OpenFailure &failure);

// Shows the sentence over `window` without holding the game up.
void show(QWidget *window, const OpenFailure &failure);

} // namespace OpenFailureNotice
