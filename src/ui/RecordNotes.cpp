// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordNotes.h"

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
        return tr("На месте файла записи стоит символическая ссылка, а через ссылки программа "
                  "не пишет.");
    case RecordProblem::NotAFile:
        return tr("На месте файла записи стоит не обычный файл.");
    case RecordProblem::OtherNames:
        return tr("У файла записи есть другие имена (жёсткие ссылки): он может быть чужим.");
    case RecordProblem::OtherOwner:
        return tr("Файл записи принадлежит другому пользователю.");
    case RecordProblem::ForeignFile:
        return tr("Файл не начинается со строки записи игр, значит, он чужой, и программа его "
                  "не меняет.");
    case RecordProblem::NewerVersion:
        return tr("Запись сделана более новой версией программы, и эта версия её не меняет.");
    case RecordProblem::FolderLink:
        return tr("Папка данных — символическая ссылка, а через ссылки программа не пишет.");
    case RecordProblem::NotAFolder:
        return tr("На месте папки данных стоит не папка.");
    case RecordProblem::ForeignFolder:
        return tr("Папка данных или папка, в которой её нужно создать, принадлежит другому "
                  "пользователю, а в чужих папках программа ничего не создаёт.");
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
        return tr("Все имена для сегодняшнего архива уже заняты.");
    case RecordProblem::Failed:
        return tr("Система сообщила об ошибке: %1.")
            .arg(QString::fromLocal8Bit(std::strerror(fault.error)));
    }
    return {};
}

QStringList RecordNotes::notes(const RecordState &state)
{
    QStringList notes;
    const RecordProblem unread = state.unreadable.problem;
    const bool homeless = unread == RecordProblem::NoHome || state.path.isEmpty();
    if (state.unsaved > 0) {
        QString note = state.path.isEmpty()
                           ? tr("%n игр этого запуска не удалось сохранить: они хранятся в "
                                "памяти, пока программа открыта.",
                                nullptr, state.unsaved)
                           : tr("%n игр этого запуска не удалось сохранить в %1: они хранятся в "
                                "памяти, пока программа открыта.",
                                nullptr, state.unsaved)
                                 .arg(state.path);
        // The reason once: the note on the reading gives it when it is the same.
        if (homeless || unread != state.notSaved.problem)
            note += u' ' + cause(state.notSaved);
        notes << note;
    }
    if (unread == RecordProblem::None || (homeless && state.unsaved > 0))
        return notes;
    if (homeless)
        notes << tr("Игры этого запуска не сохраняются: их негде хранить.") + u' ' +
                     cause(state.unreadable);
    else if (unread == RecordProblem::NewerVersion)
        notes << tr("Запись %1 сделана более новой версией программы: здесь показано то, что "
                    "эта версия в ней понимает, а новые игры в неё не записываются.")
                     .arg(state.path);
    else
        notes << tr("Прежние игры не удалось прочитать из %1.").arg(state.path) + u' ' +
                     cause(state.unreadable);
    return notes;
}

QString RecordNotes::unsavedAtExit(const RecordState &state)
{
    const QString lost =
        state.path.isEmpty()
            ? tr("%n игр этого запуска не удалось сохранить.", nullptr, state.unsaved)
            : tr("%n игр этого запуска не удалось сохранить в %1.", nullptr, state.unsaved)
                  .arg(state.path);
    return lost + u' ' + cause(state.notSaved) + u"\n\n"_s +
           tr("Сохранить их в другой файл перед выходом?", nullptr, state.unsaved);
}

QString RecordNotes::notSavedTo(const QString &path, const RecordFault &fault)
{
    return tr("Не удалось сохранить игры в %1.").arg(path) + u' ' + cause(fault);
}

QString RecordNotes::notCleared(const RecordState &state, const RecordFault &fault)
{
    return tr("Не удалось начать запись заново в %1.").arg(state.path) + u' ' + cause(fault);
}
