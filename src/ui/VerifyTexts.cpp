// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VerifyTexts.h"

#include <QLocale>

QString VerifyTexts::failure(const RecordCheck::Line &line)
{
    const QString number = QString::number(line.number);
    switch (line.failure) {
    case RecordCheck::Failure::Seal:
        return tr("Строка %1: печать %2-й попытки не совпадает с её картинкой и секретом.")
            .arg(number)
            .arg(line.attempt);
    case RecordCheck::Failure::Changed:
        return tr("Строка %1: следующая строка хранит не её хеш — эту строку изменили, или после "
                  "неё убрали или вставили строки.")
            .arg(number);
    case RecordCheck::Failure::Moved:
        return tr("Строка %1: хранит хеш не той строки, что стоит перед ней.").arg(number);
    case RecordCheck::Failure::Unsealed:
        return tr("Строка %1: игра без печатей среди игр с печатями.").arg(number);
    case RecordCheck::Failure::None:
        break;
    }
    return {};
}

QString VerifyTexts::summary(int games, int failed, int unreadable)
{
    QString text =
        failed == 0 ? tr("Проверено игр: %1, все проходят проверку.").arg(QLocale().toString(games))
                    : tr("Проверено игр: %1, не проходят проверку: %2.")
                          .arg(QLocale().toString(games), QLocale().toString(failed));
    if (unreadable > 0)
        text += u' ' + tr("Строк без игры: %1.").arg(QLocale().toString(unreadable));
    return text;
}

QString VerifyTexts::notChecked(const QString &path, const QString &cause)
{
    return tr("Запись игр %1 не проверена. %2").arg(path, cause);
}

QString VerifyTexts::usage(const QString &program)
{
    return tr("Проверка записи игр: %1 --verify ФАЙЛ").arg(program);
}
