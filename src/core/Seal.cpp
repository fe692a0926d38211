// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Seal.h"

#include "Sha256.h"

#include <algorithm>
#include <cstdio>

namespace
{

bool lowerHex(QByteArrayView text, qsizetype size)
{
    return text.size() == size && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

} // namespace

namespace Seal
{

QByteArray hex(const Secret &secret)
{
    return QByteArray(reinterpret_cast<const char *>(secret.data()), SecretBytes).toHex();
}

QByteArray of(QByteArrayView game, int attempt, int picture, const Secret &secret)
{
    return of(game, attempt, picture + 1, hex(secret));
}

QByteArray of(QByteArrayView game, int attempt, int pictureFromOne, QByteArrayView secretHex)
{
    if (!isGame(game) || !lowerHex(secretHex, 2 * SecretBytes) || attempt < 1 || pictureFromOne < 1)
        return {};
    const QByteArray text = "chuikomer-seal:" + game.toByteArray() + ':' +
                            QByteArray::number(attempt) + ':' + QByteArray::number(pictureFromOne) +
                            ':' + secretHex.toByteArray();
    return Sha256::hex(text);
}

bool holds(QByteArrayView game, int attempt, int pictureFromOne, QByteArrayView secretHex,
           QByteArrayView seal)
{
    // Read back for every game of a record at every reading: made on the stack.
    char text[96];
    const int size = std::snprintf(text, sizeof text, "chuikomer-seal:%.*s:%d:%d:%.*s",
                                   int(game.size()), game.data(), attempt, pictureFromOne,
                                   int(secretHex.size()), secretHex.data());
    return isGame(game) && lowerHex(secretHex, 2 * SecretBytes) && attempt >= 1 &&
           pictureFromOne >= 1 && size > 0 && size < int(sizeof text) &&
           Sha256::matches(QByteArrayView(text, size), seal);
}

bool isGame(QByteArrayView game)
{
    return lowerHex(game, 2 * GameBytes);
}

bool isSeal(QByteArrayView seal)
{
    return lowerHex(seal, 64);
}

} // namespace Seal
