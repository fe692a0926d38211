// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sha256.h"

#include <QCryptographicHash>
#include <algorithm>

#ifdef CHUIKOMER_LIBCRYPTO
#include <memory>
#include <openssl/evp.h>
#endif

namespace Sha256
{

Digest of(QByteArrayView data)
{
    Digest digest;
#ifdef CHUIKOMER_LIBCRYPTO
    // Where the system has it, libcrypto's, which uses the processor's hashing instructions: a
    // record is checked whole at every reading, eleven hashes a game, and Qt's own is about ten
    // times slower.
    static EVP_MD *const sha256 = EVP_MD_fetch(nullptr, "SHA256", nullptr);
    thread_local const std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX *)> context(EVP_MD_CTX_new(),
                                                                                   EVP_MD_CTX_free);
    unsigned int size = 0;
    if (sha256 && context && EVP_DigestInit_ex(context.get(), sha256, nullptr) &&
        EVP_DigestUpdate(context.get(), data.data(), std::size_t(data.size())) &&
        EVP_DigestFinal_ex(context.get(), digest.data(), &size) && size == digest.size())
        return digest;
#endif
    const QByteArray result = QCryptographicHash::hash(data, QCryptographicHash::Sha256);
    std::copy(result.begin(), result.end(), digest.begin());
    return digest;
}

QByteArray hex(QByteArrayView data)
{
    const Digest digest = of(data);
    return QByteArray(reinterpret_cast<const char *>(digest.data()), qsizetype(digest.size()))
        .toHex();
}

bool matches(QByteArrayView data, QByteArrayView digits)
{
    static constexpr char Hex[] = "0123456789abcdef";
    if (digits.size() != 2 * qsizetype(Digest().size()))
        return false;
    const Digest digest = of(data);
    for (std::size_t i = 0; i < digest.size(); ++i)
        if (digits[2 * i] != Hex[digest[i] >> 4] || digits[2 * i + 1] != Hex[digest[i] & 15])
            return false;
    return true;
}

} // namespace Sha256
