// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemHash.h"

#include <windows.h>

#include <bcrypt.h>

namespace
{

// Opened once: the provider serves every thread.
BCRYPT_ALG_HANDLE provider()
{
    static const BCRYPT_ALG_HANDLE handle = [] {
        BCRYPT_ALG_HANDLE h = nullptr;
        return BCryptOpenAlgorithmProvider(&h, BCRYPT_SHA256_ALGORITHM, nullptr, 0) >= 0 ? h
                                                                                         : nullptr;
    }();
    return handle;
}

} // namespace

namespace SystemHash
{

bool sha256(QByteArrayView data, Sha256::Digest &digest)
{
    const BCRYPT_ALG_HANDLE algorithm = provider();
    BCRYPT_HASH_HANDLE hash = nullptr;
    if (!algorithm || BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0) < 0)
        return false;
    const bool done =
        BCryptHashData(hash, reinterpret_cast<PUCHAR>(const_cast<char *>(data.data())),
                       ULONG(data.size()), 0) >= 0 &&
        BCryptFinishHash(hash, digest.data(), ULONG(digest.size()), 0) >= 0;
    BCryptDestroyHash(hash);
    return done;
}

} // namespace SystemHash
