// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordNotes.h"

#include <QLocale>
#include <cstring>

using namespace Qt::StringLiterals;

QString RecordNotes::cause(const RecordFault &fault)
{
    switch (fault.problem) {
    case RecordProblem::None:
        break;
    case RecordProblem::NoHome:
        return tr("Ни HOME, ни XDG_DATA_HOME не задают полный путь, и папку для записи игр не "
                  "найти.");
    case RecordProblem::SymbolicLink:
        return tr("На месте файла стоит символическая ссылка, и программа через неё не пишет.");
    case RecordProblem::NotAFile:
        return tr("На месте файла стоит не обычный файл.");
    case RecordProblem::OtherNames:
        return tr("У файла записи есть и другие имена (жёсткие ссылки), и программа его не "
                  "меняет, чтобы не изменить файл под чужим именем.");
    case RecordProblem::OtherOwner:
        return tr("Файл принадлежит другому пользователю.");
    case RecordProblem::ForeignFile:
        return tr("Файл не начинается со строки записи игр, поэтому программа его не меняет.");
    case RecordProblem::NewerVersion:
        return tr("Запись сделана более новой версией программы, и эта версия её не меняет.");
    case RecordProblem::FolderLink:
        return tr("Папка данных — символическая ссылка, а через ссылки программа не пишет.");
    case RecordProblem::NotAFolder:
        return tr("На месте папки данных стоит не папка.");
    case RecordProblem::ForeignFolder:
        return tr("Папка данных или папка над ней принадлежит другому пользователю, а в чужих "
                  "папках программа ничего не создаёт.");
    case RecordProblem::ForeignLink:
        return tr("Символическую ссылку на пути к папке данных создал другой пользователь, и "
                  "программа по ней не идёт.");
    case RecordProblem::Busy:
        return tr("Запись занята другой копией программы, которая не отвечает.");
    case RecordProblem::NoSpace:
        return tr("На диске нет места.");
    case RecordProblem::ReadOnly:
        return tr("Диск доступен только для чтения.");
    case RecordProblem::NoPermission:
        return tr("Нет прав доступа к файлу или папке.");
    case RecordProblem::TooLarge:
        return tr("Файл достиг предельного размера, заданного в системе.");
    case RecordProblem::NoArchiveName:
        return tr("Все имена для файла прежних игр с сегодняшней датой уже заняты.");
    case RecordProblem::Failed:
        return tr("Система сообщила об ошибке: %1.")
            .arg(QString::fromLocal8Bit(std::strerror(fault.error)));
    }
    return {};
}

// Last, after what happened and why, so that a screen reader comes to it only if asked.
QString RecordNotes::where(const QString &path)
{
    return path.isEmpty() ? QString() : u' ' + tr("Файл записи игр: %1.").arg(path);
}

QStringList RecordNotes::notes(const RecordState &state)
{
    QStringList notes;
    const RecordProblem unread = state.unreadable.problem;
    const bool homeless = unread == RecordProblem::NoHome || state.path.isEmpty();
    if (state.unsaved > 0) {
        // The pronoun agrees with one game alone, not with 21 or 31.
        QString note = state.unsaved == 1
                           ? tr("1 игру этого запуска не удалось сохранить: она хранится в памяти, "
                                "пока программа открыта.")
                           : tr("%n игр этого запуска не удалось сохранить: они хранятся в памяти, "
                                "пока программа открыта.",
                                nullptr, state.unsaved);
        // The reason once: the note on the reading gives it when it is the same.
        if (homeless || unread != state.notSaved.problem)
            note += u' ' + cause(state.notSaved);
        notes << note + where(state.path);
    }
    if (state.failedGames > 0) {
        QStringList lines;
        for (qint64 line : state.failedLines)
            lines << QLocale().toString(line);
        if (state.failedGames > state.failedLines.size())
            lines << u"…"_s;
        notes << tr("%n игр не проходят проверку записи и не вошли в статистику: строки %1.",
                    nullptr, state.failedGames)
                         .arg(lines.join(u", "_s)) +
                     u' ' + tr("Почему, скажет команда «chuikomer --verify» с этим файлом.") +
                     where(state.path);
    }
    if (state.unreadableLines > 0)
        notes << tr("Пропущено нечитаемых строк в записи игр: %1.")
                     .arg(QLocale().toString(state.unreadableLines));
    if (unread == RecordProblem::None || (homeless && state.unsaved > 0))
        return notes;
    if (homeless)
        notes << tr("Игры этого запуска не сохраняются: их негде хранить.") + u' ' +
                     cause(state.unreadable);
    else if (unread == RecordProblem::NewerVersion)
        notes << tr("Запись сделана более новой версией программы: здесь показано то, что эта "
                    "версия в ней понимает, а новые игры в неё не записываются.") +
                     where(state.path);
    else
        notes << tr("Прежние игры не удалось прочитать.") + u' ' + cause(state.unreadable) +
                     where(state.path);
    return notes;
}

int RecordNotes::pronounCount(int games)
{
    return games == 1 ? 1 : 2;
}

QString RecordNotes::unsavedAtExit(const RecordState &state)
{
    return tr("%n игр этого запуска не удалось сохранить.", nullptr, state.unsaved) + u' ' +
           cause(state.notSaved) + where(state.path) + u"\n\n"_s +
           tr("Сохранить их в другой файл перед выходом?", nullptr, pronounCount(state.unsaved));
}

QString RecordNotes::notSavedTo(const QString &path, const RecordFault &fault)
{
    return tr("Не удалось сохранить игры в выбранный файл.") + u' ' + cause(fault) + u' ' +
           tr("Файл: %1.").arg(path);
}

QString RecordNotes::notCleared(const RecordState &state, const RecordFault &fault)
{
    return tr("Не удалось очистить статистику.") + u' ' + cause(fault) + where(state.path);
}
