// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Seal.h"

#include "Sha256.h"

#include <algorithm>
#include <cstdio>

namespace
{

// Each byte's value as a hex digit, in either case, or -1: a record is checked a byte at a time.
constexpr std::array<std::int8_t, 256> Digits = [] {
    std::array<std::int8_t, 256> d{};
    for (int c = 0; c < 256; ++c)
        d[std::size_t(c)] = std::int8_t(c >= '0' && c <= '9'   ? c - '0'
                                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                               : -1);
    return d;
}();

int digit(char c)
{
    return Digits[std::uint8_t(c)];
}

} // namespace

namespace Seal
{

QByteArray hex(const Secret &secret)
{
    return QByteArray(reinterpret_cast<const char *>(secret.data()), SecretBytes).toHex();
}

QByteArray pictures(const Pictures &list)
{
    QByteArray text;
    for (int p : list) {
        if (!text.isEmpty())
            text += ' ';
        text += QByteArray::number(p + 1);
    }
    return text;
}

QByteArray text(QByteArrayView game, int level, const Pictures &list, const Secret &secret)
{
    return "chuikomer-game:" + game.toByteArray().toLower() + ':' + QByteArray::number(level) +
           ':' + pictures(list) + ':' + hex(secret);
}

QByteArray shellCommand(QByteArrayView game, int level, const Pictures &list, const Secret &secret)
{
    return "printf 'chuikomer-game:%s:%s:%s:%s' " + game.toByteArray().toLower() + ' ' +
           QByteArray::number(level) + " '" + pictures(list) + "' " + hex(secret) + " | sha256sum";
}

QByteArray of(QByteArrayView game, int level, const Pictures &list, const Secret &secret)
{
    return Sha256::hex(text(game, level, list, secret));
}

bool attemptSealHolds(QByteArrayView game, int attempt, int pictureFromOne,
                      QByteArrayView secretHex, QByteArrayView seal)
{
    // Read back for every such game at every reading: made on the stack.
    char text[96];
    char secret[2 * SecretBytes];
    if (!isGame(game) || !isHex(secretHex, 2 * SecretBytes) || attempt < 1 || pictureFromOne < 1)
        return false;
    std::transform(secretHex.begin(), secretHex.end(), secret, lowerHex);
    char id[2 * GameBytes];
    std::transform(game.begin(), game.end(), id, lowerHex);
    const int size =
        std::snprintf(text, sizeof text, "chuikomer-seal:%.*s:%d:%d:%.*s", int(sizeof id), id,
                      attempt, pictureFromOne, int(sizeof secret), secret);
    return size > 0 && size < int(sizeof text) && Sha256::matches(QByteArrayView(text, size), seal);
}

bool isHex(QByteArrayView text, qsizetype size)
{
    return text.size() == size &&
           std::all_of(text.begin(), text.end(), [](char c) { return digit(c) >= 0; });
}

bool isGame(QByteArrayView game)
{
    return isHex(game, 2 * GameBytes);
}

bool readSecret(QByteArrayView hex, Secret &secret)
{
    if (!isHex(hex, 2 * SecretBytes))
        return false;
    for (std::size_t i = 0; i < secret.size(); ++i)
        secret[i] =
            std::uint8_t(digit(hex[qsizetype(2 * i)]) << 4 | digit(hex[qsizetype(2 * i + 1)]));
    return true;
}

} // namespace Seal
