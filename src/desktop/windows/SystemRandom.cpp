// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemRandom.h"

#include <windows.h>

#include <bcrypt.h>

namespace SystemRandom
{

bool fill(std::span<std::uint8_t> bytes)
{
    return BCryptGenRandom(nullptr, bytes.data(), ULONG(bytes.size()),
                           BCRYPT_USE_SYSTEM_PREFERRED_RNG) == 0;
}

} // namespace SystemRandom
