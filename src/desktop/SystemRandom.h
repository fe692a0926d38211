// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// The operating system's cryptographic random source: getrandom on Linux, BCryptGenRandom on
// Windows.
namespace SystemRandom
{

// Fills `bytes` entirely; false where the system could not.
bool fill(std::span<std::uint8_t> bytes);

} // namespace SystemRandom
