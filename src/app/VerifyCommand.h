// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QTextStream>

// `chuikomer --verify FILE`: checks every game of a record (RecordCheck) with no display,
// printing each line that fails, then how many games hold.
namespace VerifyCommand
{

// Whether the command line asks for a check rather than the game.
bool asked(int argc, char *argv[]);
// The check: 0 when every game holds, 1 when any fails, 2 when the record could not be read
// or the command is misused.
int run(const QStringList &arguments, QTextStream &out, QTextStream &errors);

} // namespace VerifyCommand
