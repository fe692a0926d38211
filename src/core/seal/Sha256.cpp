// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sha256.h"

#include <QCryptographicHash>
#include <algorithm>
#include <atomic>

namespace
{

std::atomic<Sha256::Engine> engine{nullptr};

} // namespace

namespace Sha256
{

void useEngine(Engine e)
{
    engine = e;
}

Digest of(QByteArrayView data)
{
    Digest digest;
    if (const Engine e = engine; e && e(data, digest))
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
    return matches(of(data), digits);
}

bool matches(const Digest &digest, QByteArrayView digits)
{
    static constexpr char Hex[] = "0123456789abcdef";
    if (digits.isEmpty() || digits.size() > 2 * qsizetype(digest.size()))
        return false;
    auto lower = [](char c) { return char(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c); };
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const std::uint8_t byte = digest[std::size_t(i / 2)];
        if (lower(digits[i]) != Hex[i % 2 == 0 ? byte >> 4 : byte & 15])
            return false;
    }
    return true;
}

} // namespace Sha256
