// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemHash.h"

#ifdef CHUIKOMER_LIBCRYPTO

#include <QLibrary>
#include <memory>
#include <openssl/evp.h>

namespace
{

// Typed by libcrypto's own declarations, so that the compiler checks every call.
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
        thread_local const std::unique_ptr<EVP_MD_CTX, decltype(free_)> context(new_(), free_);
        unsigned int size = 0;
        return context && init_(context.get(), sha256_, nullptr) == 1 &&
               update_(context.get(), data.data(), std::size_t(data.size())) == 1 &&
               final_(context.get(), digest.data(), &size) == 1 && size == digest.size();
    }

private:
    // By its versioned name, as the system's loader finds it in the system's folders.
    LibCrypto() : library_(QStringLiteral("crypto"), OPENSSL_VERSION_MAJOR)
    {
        if (!library_.load())
            return;
        const auto fetch = resolve<decltype(&EVP_MD_fetch)>("EVP_MD_fetch");
        new_ = resolve<decltype(&EVP_MD_CTX_new)>("EVP_MD_CTX_new");
        free_ = resolve<decltype(&EVP_MD_CTX_free)>("EVP_MD_CTX_free");
        init_ = resolve<decltype(&EVP_DigestInit_ex)>("EVP_DigestInit_ex");
        update_ = resolve<decltype(&EVP_DigestUpdate)>("EVP_DigestUpdate");
        final_ = resolve<decltype(&EVP_DigestFinal_ex)>("EVP_DigestFinal_ex");
        if (fetch && new_ && free_ && init_ && update_ && final_)
            sha256_ = fetch(nullptr, "SHA256", nullptr);
    }

    template <typename Function> Function resolve(const char *name)
    {
        return reinterpret_cast<Function>(library_.resolve(name));
    }

    QLibrary library_;
    EVP_MD *sha256_ = nullptr;
    decltype(&EVP_MD_CTX_new) new_ = nullptr;
    decltype(&EVP_MD_CTX_free) free_ = nullptr;
    decltype(&EVP_DigestInit_ex) init_ = nullptr;
    decltype(&EVP_DigestUpdate) update_ = nullptr;
    decltype(&EVP_DigestFinal_ex) final_ = nullptr;
};

} // namespace

namespace SystemHash
{

bool sha256(QByteArrayView data, Sha256::Digest &digest)
{
    return LibCrypto::get().digest(data, digest);
}

} // namespace SystemHash

#else

namespace SystemHash
{

bool sha256(QByteArrayView, Sha256::Digest &)
{
    return false;
}

} // namespace SystemHash

#endif
