// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

// Russian nouns agreeing with a count: "1 игра", "2 игры", "5 игр", "21 игра", "11 игр".
namespace Plural
{

// The form a count asks of its noun: 1, 21, 101 take the one; 2–4, 22–24 the few; 0, 5–20,
// 25–30, 111–114 the many.
enum class Form { One, Few, Many };
Form of(qint64 n);

// The count as Russian groups it ("1 000"), a space, and the noun that agrees with it.
QString count(qint64 n, QStringView one, QStringView few, QStringView many);
// After a preposition that asks for the genitive ("после", "из"): "после 21 игры",
// "после 3 игр". Pass the genitive singular and plural.
QString genitive(qint64 n, QStringView one, QStringView many);

} // namespace Plural
