// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sha256.h"

#include <QCryptographicHash>
#include <QLibrary>
#include <algorithm>
#include <memory>

namespace
{

// The system's libcrypto, where it has one, which hashes with the processor's own instructions:
// a record is checked whole at every reading, eleven hashes a game, and Qt's SHA-256 is about
// ten times slower. Loaded at the first hash, so that it costs the start-up nothing.
class LibCrypto
{
public:
    static const LibCrypto &get()
    {
        static const LibCrypto crypto;
        return crypto;
    }

    bool digest(QByteArrayView data, Sha256::Digest &digest) const
    {
        if (!sha256_)
            return false;
        thread_local const std::unique_ptr<void, void (*)(void *)> context(contextNew_(),
                                                                           contextFree_);
        unsigned int size = 0;
        return context && init_(context.get(), sha256_, nullptr) == 1 &&
               update_(context.get(), data.data(), std::size_t(data.size())) == 1 &&
               final_(context.get(), digest.data(), &size) == 1 && size == digest.size();
    }

private:
    LibCrypto() : library_(QStringLiteral("crypto"), 3)
    {
        if (!library_.load())
            return;
        auto fetch = resolve<void *(void *, const char *, const char *)>("EVP_MD_fetch");
        contextNew_ = resolve<void *()>("EVP_MD_CTX_new");
        contextFree_ = resolve<void(void *)>("EVP_MD_CTX_free");
        init_ = resolve<int(void *, void *, void *)>("EVP_DigestInit_ex");
        update_ = resolve<int(void *, const void *, std::size_t)>("EVP_DigestUpdate");
        final_ = resolve<int(void *, unsigned char *, unsigned int *)>("EVP_DigestFinal_ex");
        if (fetch && contextNew_ && contextFree_ && init_ && update_ && final_)
            sha256_ = fetch(nullptr, "SHA256", nullptr);
    }

    template <typename Function> Function *resolve(const char *name)
    {
        return reinterpret_cast<Function *>(library_.resolve(name));
    }

    QLibrary library_;
    void *sha256_ = nullptr;
    void *(*contextNew_)() = nullptr;
    void (*contextFree_)(void *) = nullptr;
    int (*init_)(void *, void *, void *) = nullptr;
    int (*update_)(void *, const void *, std::size_t) = nullptr;
    int (*final_)(void *, unsigned char *, unsigned int *) = nullptr;
};

} // namespace

namespace Sha256
{

Digest of(QByteArrayView data)
{
    Digest digest;
    if (LibCrypto::get().digest(data, digest))
        return digest;
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
