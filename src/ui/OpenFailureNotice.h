// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "OpenFailure.h"

#include <QString>

class QWidget;

// Tells the player that the help or the maker's site did not open, and what the system lacks
// for it: otherwise a click or F1 would seem to do nothing at all. Help that did not open is
// shown in the program's own help window instead, where its file is known.
namespace OpenFailureNotice
{

// What happened, and, when `shownInstead`, that the help is shown in the program's own window.
QString text(const OpenFailure &failure, bool shownInstead = false);

// Shows the notice over `window` without holding the game up; for the help, with its file
// `helpDocument` given, over the program's own help window showing it.
void show(QWidget *window, const OpenFailure &failure, const QString &helpDocument = {});

} // namespace OpenFailureNotice
