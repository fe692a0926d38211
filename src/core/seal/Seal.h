// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameSize.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>

// A game's seal, shown before its first guess: the SHA-256, in 64 lower-case hex digits, of
//   chuikomer-game:<game>:<level>:<pictures>:<secret>
// with the game's 16 hex digits, the level 1..3, the ten hidden pictures numbered from 1 as in
// the record and separated by single spaces, and the game's secret in 32 hex digits, told only
// once the game is over. Nobody can find other pictures with the same seal, and without the
// secret nobody can tell the pictures from it; with it anyone can check them with a shell:
//   printf 'chuikomer-game:%s:%s:%s:%s' GAME LEVEL 'P1 P2 … P10' SECRET | sha256sum
namespace Seal
{

constexpr int SecretBytes = 16;
constexpr int GameBytes = 8;
// The digits of a seal that a person notes: 64 bits, more than anyone can match by trying.
constexpr int NotedDigits = 16;
using Secret = std::array<std::uint8_t, SecretBytes>;
using Pictures = std::array<int, GameSize::Attempts>;

QByteArray hex(const Secret &secret);
// "3 1 4 …": the pictures (0-based, as the game counts) numbered from 1.
QByteArray pictures(const Pictures &pictures);
// The text the seal is the hash of, and the command that hashes it in a shell.
QByteArray text(QByteArrayView game, int level, const Pictures &pictures, const Secret &secret);
QByteArray shellCommand(QByteArrayView game, int level, const Pictures &pictures,
                        const Secret &secret);
QByteArray of(QByteArrayView game, int level, const Pictures &pictures, const Secret &secret);

// Games kept before the seal was one a game had a seal per attempt, of
//   chuikomer-seal:<game>:<attempt>:<picture from 1>:<attempt's secret in hex>
// and are still checked by it: whether `seal` is that of those fields.
bool attemptSealHolds(QByteArrayView game, int attempt, int pictureFromOne,
                      QByteArrayView secretHex, QByteArrayView seal);

// A hex digit in lower case, as the seals and links are made of; anything else as it is.
constexpr char lowerHex(char c)
{
    return c >= 'A' && c <= 'F' ? char(c - 'A' + 'a') : c;
}

// Hex as the record holds it, in either case.
bool isHex(QByteArrayView text, qsizetype size);
bool isGame(QByteArrayView game);
bool readSecret(QByteArrayView hex, Secret &secret);

} // namespace Seal
