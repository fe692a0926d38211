// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sha256.h"

// The system's own SHA-256, which hashes with the processor's instructions for it: libcrypto on
// Linux, loaded at the first hash from where the system keeps its libraries; BCrypt on Windows.
namespace SystemHash
{

// An engine for Sha256::useEngine: false where the system has none.
bool sha256(QByteArrayView data, Sha256::Digest &digest);

} // namespace SystemHash
