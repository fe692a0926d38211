// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FinishedGame.h"
#include "RecordProblem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// The record's text: a tag line, then one tab-separated line a game:
//   2026-12-07T09:22:20Z  <level 1..3>  <10 hidden pictures>  <10 guesses>
// the pictures numbered from 1 as they stand in the window, separated by spaces.
namespace RecordLine
{

// The version this program writes. It goes up whenever a field is added; a reader skips the
// lines it does not understand, and a record of a newer version is only read.
constexpr int Version = 1;

// What ends a line that a copy of the program stopped while writing, so that it never turns
// into a game: no field of one can hold it.
constexpr char CutOffMark[] = " [cut off]";

// The first line of every record, newline included.
QByteArray header();
// The version a header line (with or without its newline) names; nothing when it is none.
std::optional<int> headerVersion(QByteArrayView line);
// What a file whose first line this is means to this version: its own record (None), a newer
// version's (NewerVersion), or someone else's file (ForeignFile).
RecordProblem headerProblem(QByteArrayView line);

// One game, newline included.
QByteArray serialise(const FinishedGame &game);
// A line without its newline; nothing when it is not a whole, valid game of this version.
std::optional<FinishedGame> parse(QByteArrayView line);

} // namespace RecordLine
