// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Level.h"

using namespace Qt::StringLiterals;

QString Level::name(int level)
{
    switch (level) {
    case 1:
        return u"Первый уровень"_s;
    case 2:
        return u"Второй уровень"_s;
    case 3:
        return u"Третий уровень"_s;
    }
    return {};
}
