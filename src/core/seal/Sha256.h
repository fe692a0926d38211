// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>

// SHA-256 by Qt's own code, or by a faster engine the platform hands in at start-up (a record
// is checked whole at its first reading in a run, one hash a game).
namespace Sha256
{

using Digest = std::array<std::uint8_t, 32>;
// Fills the digest of the data; false when it cannot, and Qt's own code is used instead.
using Engine = bool (*)(QByteArrayView data, Digest &digest);

void useEngine(Engine engine);

Digest of(QByteArrayView data);
// The SHA-256 of `data` in 64 lower-case hex digits.
QByteArray hex(QByteArrayView data);
// Whether `digits`, in either case, are the hex() of `data` or its start, with nothing made on
// the way.
bool matches(QByteArrayView data, QByteArrayView digits);
// Whether `digits`, in either case, are the start of `digest` in hex.
bool matches(const Digest &digest, QByteArrayView digits);

} // namespace Sha256
