// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Plural.h"

#include <QLocale>

namespace Plural
{

Form of(qint64 n)
{
    const qint64 last2 = (n < 0 ? -n : n) % 100;
    const qint64 last = last2 % 10;
    if (last2 >= 11 && last2 <= 14)
        return Form::Many;
    if (last == 1)
        return Form::One;
    if (last >= 2 && last <= 4)
        return Form::Few;
    return Form::Many;
}

QString count(qint64 n, QStringView one, QStringView few, QStringView many)
{
    const Form form = of(n);
    const QStringView noun = form == Form::One ? one : form == Form::Few ? few : many;
    return QLocale(QLocale::Russian, QLocale::Russia).toString(n) + u' ' + noun.toString();
}

QString genitive(qint64 n, QStringView one, QStringView many)
{
    return count(n, one, many, many);
}

} // namespace Plural
