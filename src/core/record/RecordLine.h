// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FinishedGame.h"
#include "RecordProblem.h"
#include "Sha256.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// The record's text: a tag line, then one tab-separated line a game:
//   2026-12-07T09:22:20Z  <level 1..3>  <10 hidden pictures>  <10 guesses>  <game>  <secret>
//   <link>
// the pictures numbered from 1 as they stand in the window and separated by spaces, the rest in
// hex (Seal): the link is the first 32 digits of the SHA-256 of the line before, as this program
// writes it (linkText), so that an edit of a line shows at the line after it, and line ends, a
// spreadsheet's trailing tabs or upper-case digits change nothing. The seal is not kept: the
// line determines it. Earlier versions are still read: version 1's lines had the first four
// fields, version 2's ten secrets, ten seals (one an attempt) and the whole hash.
namespace RecordLine
{

// The version this program writes. It goes up whenever a field is added; a reader skips the
// lines it does not understand, and a record of a newer version is only read.
constexpr int Version = 3;

// What ends a line that a copy of the program stopped while writing, so that it never turns
// into a game: no field of one can hold it.
constexpr char CutOffMark[] = " [cut off]";

// A line longer than this is no game; the reader keeps, and the chain knows it by, its last
// LongestLine bytes, so that the reader and the writer agree on a line however long.
constexpr qsizetype LongestLine = 4096;

// The digits of a version-3 link, and of the record's head: a short digest of its last game's
// line, for a player to note and compare later.
constexpr int LinkDigits = 32;
constexpr int HeadDigits = 16;

// The first line of a record of `version`, newline included.
QByteArray header(int version = Version);
// The version a header line (with or without its newline) names; nothing when it is none.
std::optional<int> headerVersion(QByteArrayView line);
// What a file whose first line this is means to this version: its own record (None), a newer
// version's (NewerVersion), or someone else's file (ForeignFile).
RecordProblem headerProblem(QByteArrayView line);

// Where a header line's version number stands, for bringing an earlier record up to this one.
constexpr qsizetype VersionAt = 17;

// One game, newline included, without its link: chained() adds it once the line it follows is
// known.
QByteArray serialise(const FinishedGame &game);
// `lines` (serialise()d, each ending in its newline) each with its link, the first one's to
// `previous`, the linkText() of the line they go after.
QByteArray chained(QByteArrayView previous, QByteArrayView lines);

// A game line as read: the game, its version, and for a sealed one the link it carries and
// for version 2 the attempts' secrets and seals.
struct Read {
    FinishedGame game;
    int version = 1;
    std::array<QByteArrayView, GameSize::Attempts> secrets;
    std::array<QByteArrayView, GameSize::Attempts> seals;
    QByteArrayView link;
};
// A line without its newline; nothing when it is not a whole, valid game of a known version.
// The views point into `line`.
std::optional<Read> read(QByteArrayView line);
inline std::optional<FinishedGame> parse(QByteArrayView line)
{
    const std::optional<Read> r = read(line);
    return r ? std::optional(r->game) : std::nullopt;
}

// What the chain knows a line by (without its newline): a game's line as this program writes
// it, anything else as it stands, with neither its line end nor more than its last
// LongestLine bytes.
QByteArray linkText(QByteArrayView line);
// The same for a line already read, as a game or not.
QByteArray linkText(QByteArrayView line, bool game);
// The SHA-256 of a line's linkText(), made without a copy where the line is already as this
// program writes it.
Sha256::Digest linkDigest(QByteArrayView line, bool game);
// Whether `read`'s link is that of the line it follows, known by `previous` (a linkText()), or
// by the digest of that.
bool linksTo(const Read &read, QByteArrayView previous);
bool linksTo(const Read &read, const Sha256::Digest &previous);
// The link a line after `previous` (a linkText()) carries, as this version writes it.
QByteArray linkTo(QByteArrayView previous);
// The record's head after the game line `line`, in HeadDigits lower-case hex digits.
QByteArray head(QByteArrayView line);
// The same from the digest of its linkText().
QByteArray head(const Sha256::Digest &digest);

} // namespace RecordLine
