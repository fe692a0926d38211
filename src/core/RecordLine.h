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
//   <game>  <10 secrets>  <10 seals>  <hash of the line before>
// the pictures numbered from 1 as they stand in the window, the rest in lower-case hex (Seal),
// lists separated by spaces. Version 1 had the first four fields only: such lines are still
// read, as games without seals. The hash is the SHA-256 of the line before as it stands in the
// file, without its newline, so that an edit anywhere shows at the line that follows it.
namespace RecordLine
{

// The version this program writes. It goes up whenever a field is added; a reader skips the
// lines it does not understand, and a record of a newer version is only read.
constexpr int Version = 2;

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

// Where a header line's version number stands, for bringing an earlier record up to this one.
constexpr qsizetype VersionAt = 17;

// One game, newline included, without the hash of the line before: chained() adds it once
// the line it follows is known.
QByteArray serialise(const FinishedGame &game);
// `lines` (serialise()d, each ending in its newline) with each one's hash of the line before,
// the first one's of `previous` (the line they go after, without its newline).
QByteArray chained(QByteArrayView previous, QByteArrayView lines);
// The hash a line following `line` (without its newline) carries.
QByteArray hashOf(QByteArrayView line);

// A game line as read: the game, and for a sealed one the seals and the hash it carries.
struct Read {
    FinishedGame game;
    std::array<QByteArrayView, GameSize::Attempts> secrets;
    std::array<QByteArrayView, GameSize::Attempts> seals;
    QByteArrayView hashBefore;
};
// A line without its newline; nothing when it is not a whole, valid game of this version or
// the first one. The views point into `line`.
std::optional<Read> read(QByteArrayView line);
inline std::optional<FinishedGame> parse(QByteArrayView line)
{
    const std::optional<Read> r = read(line);
    return r ? std::optional(r->game) : std::nullopt;
}

} // namespace RecordLine
