// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>

// A hidden picture's seal, shown before the guess: the SHA-256, in 64 lower-case hex digits, of
//   chuikomer-seal:<game>:<attempt>:<picture>:<secret>
// with the game's 16 hex digits, the attempt 1..10, the picture numbered from 1 as in the record,
// and the attempt's secret in 32 hex digits, shown only once the game is over. Nobody can find
// another picture with the same seal, and without the secret nobody can tell the picture from
// it; with the secret anyone can check it, with no program but a shell:
//   printf 'chuikomer-seal:%s:%s:%s:%s' GAME ATTEMPT PICTURE SECRET | sha256sum
namespace Seal
{

constexpr int SecretBytes = 16;
constexpr int GameBytes = 8;
using Secret = std::array<std::uint8_t, SecretBytes>;

QByteArray hex(const Secret &secret);
// The seal of `picture` (0-based, as the game counts) at `attempt` of `game`.
QByteArray of(QByteArrayView game, int attempt, int picture, const Secret &secret);
// The same from the record's text: the picture numbered from 1, the secret in hex. Empty when a
// field is not what the format says.
QByteArray of(QByteArrayView game, int attempt, int pictureFromOne, QByteArrayView secretHex);
// Whether `seal` is the seal of those fields of the record.
bool holds(QByteArrayView game, int attempt, int pictureFromOne, QByteArrayView secretHex,
           QByteArrayView seal);
bool isGame(QByteArrayView game);
bool isSeal(QByteArrayView seal);

} // namespace Seal
