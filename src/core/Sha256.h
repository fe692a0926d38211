// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>

namespace Sha256
{

using Digest = std::array<std::uint8_t, 32>;

Digest of(QByteArrayView data);
// The SHA-256 of `data` in 64 lower-case hex digits.
QByteArray hex(QByteArrayView data);
// Whether `digits` are the hex() of `data`, with nothing made on the way.
bool matches(QByteArrayView data, QByteArrayView digits);

} // namespace Sha256
