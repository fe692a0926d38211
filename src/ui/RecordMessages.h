// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordState.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// The questions and warnings about the record, each modal over `parent`.
class RecordMessages
{
    Q_DECLARE_TR_FUNCTIONS(RecordMessages)

public:
    enum class Answer { SaveToFile, QuitWithout, Stay };

    // What becomes of the games only in memory before the program ends. Escape, or closing the
    // question, is to stay. Its title names training games as such.
    static Answer askAboutUnsaved(QWidget *parent, const RecordState &state, bool training = false);
    // A file of the player's choice for them; empty when none was chosen. Nothing is replaced
    // there, so the file dialog does not ask about it.
    static QString chooseFile(QWidget *parent);
    static void notSavedTo(QWidget *parent, const QString &path, const RecordFault &fault);
    static void notCleared(QWidget *parent, const RecordState &state, const RecordFault &fault);
};
