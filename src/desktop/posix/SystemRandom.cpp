// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemRandom.h"

#include <cerrno>
#include <sys/random.h>

namespace SystemRandom
{

bool fill(std::span<std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::getrandom(bytes.data() + done, bytes.size() - done, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += std::size_t(got);
    }
    return true;
}

} // namespace SystemRandom
