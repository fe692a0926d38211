// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QTextStream>

// `chuikomer --verify FILE`: checks every game of a record (RecordCheck) with no display, and
// writes nothing: it prints each line that fails or holds no game, then how many games hold,
// and the record's head.
namespace VerifyCommand
{

// Whether the command line asks for a check rather than the game.
bool asked(int argc, char *argv[]);
// The check of the file the arguments name, byte for byte: 0 when it holds games and every one
// holds, with no unreadable line among them; 1 otherwise; 2 when the record could not be read
// or the command is misused.
int run(const QList<QByteArray> &arguments, QTextStream &out, QTextStream &errors);

} // namespace VerifyCommand
