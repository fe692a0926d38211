// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VerifyTexts.h"

#include "RecordNotes.h"

#include <QLocale>

QString VerifyTexts::Tally::add(const RecordCheck::Line &line)
{
    if (line.game) {
        ++games;
        if (line.failure == RecordCheck::Failure::None)
            return {};
        ++failed;
        return failure(line);
    }
    if (line.blank)
        return {};
    const QString number = QString::number(line.number);
    if (line.cutOff) {
        ++cutOff;
        return tr("Строка %1: игра, оборванная при записи (программу прервали), — не в счёт.")
            .arg(number);
    }
    ++unreadable;
    return tr("Строка %1: не читается как игра.").arg(number);
}

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
        return tr("Строка %1: игра без печати там, где программа пишет игры с печатью.")
            .arg(number);
    case RecordCheck::Failure::None:
        break;
    }
    return {};
}

QString VerifyTexts::summary(const Tally &tally)
{
    const QString games = QLocale().toString(tally.games);
    QString text;
    if (tally.games == 0)
        text = tr("В файле нет ни одной игры, которую можно прочесть: проверять нечего.");
    else if (tally.failed == 0)
        text = tr("Проверено игр: %1, все проходят проверку.").arg(games);
    else
        text = tr("Проверено игр: %1, не проходят проверку: %2.")
                   .arg(games, QLocale().toString(tally.failed));
    if (tally.unreadable > 0)
        text += u' ' + tr("Строк, которые не читаются как игра: %1 — запись не проходит проверку.")
                           .arg(QLocale().toString(tally.unreadable));
    return text;
}

QString VerifyTexts::head(const QByteArray &head, qint64 line)
{
    return tr("Контрольные цифры записи (после игры в строке %1): %2").arg(line).arg(grouped(head));
}

QString VerifyTexts::notChecked(const QString &path, const QString &cause)
{
    return tr("Запись игр %1 не проверена. %2").arg(path, cause);
}

QString VerifyTexts::cause(const RecordFault &fault)
{
    switch (fault.problem) {
    case RecordProblem::NotAFile:
        return tr("Это не обычный файл: проверяются только файлы, не папки, каналы и устройства.");
    case RecordProblem::ForeignFile:
        return tr("Файл не начинается со строки записи игр, значит, это не запись игр.");
    default:
        return RecordNotes::cause(fault);
    }
}

QString VerifyTexts::usage(const QString &program)
{
    return tr("Проверка записи игр: %1 --verify ФАЙЛ").arg(program);
}

QString VerifyTexts::grouped(QByteArrayView hex)
{
    QString text;
    for (qsizetype at = 0; at < hex.size(); at += 4) {
        if (at > 0)
            text += u' ';
        text += QString::fromLatin1(hex.sliced(at, std::min<qsizetype>(4, hex.size() - at)));
    }
    return text;
}
