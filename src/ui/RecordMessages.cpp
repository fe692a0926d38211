// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordMessages.h"

#include "RecordNotes.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace
{

void warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setObjectName(u"RecordWarning"_s);
    box.exec();
}

} // namespace

RecordMessages::Answer RecordMessages::askAboutUnsaved(QWidget *parent, const RecordState &state,
                                                       bool training)
{
    QMessageBox question(QMessageBox::Warning,
                         training ? tr("Несохранённые игры тренировки") : tr("Несохранённые игры"),
                         RecordNotes::unsavedAtExit(state), QMessageBox::NoButton, parent);
    question.setObjectName(u"UnsavedGamesQuestion"_s);
    QPushButton *save = question.addButton(tr("Сохранить в файл…"), QMessageBox::AcceptRole);
    save->setObjectName(u"SaveToFile"_s);
    QPushButton *without =
        question.addButton(tr("Выйти без них", nullptr, RecordNotes::pronounCount(state.unsaved)),
                           QMessageBox::DestructiveRole);
    without->setObjectName(u"QuitWithout"_s);
    QPushButton *stay = question.addButton(tr("Остаться"), QMessageBox::RejectRole);
    stay->setObjectName(u"Stay"_s);
    question.setDefaultButton(save);
    question.setEscapeButton(stay);
    question.exec();
    if (question.clickedButton() == save)
        return Answer::SaveToFile;
    if (question.clickedButton() == without)
        return Answer::QuitWithout;
    return Answer::Stay;
}

QString RecordMessages::chooseFile(QWidget *parent)
{
    QFileDialog dialog(parent, tr("Сохранить игры"), QDir::homePath(), tr("Запись игр (*.tsv)"));
    dialog.setObjectName(u"SaveGamesDialog"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(u"tsv"_s);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(u"games-unsaved-"_s + QDate::currentDate().toString(Qt::ISODate) + u".tsv"_s);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void RecordMessages::notSavedTo(QWidget *parent, const QString &path, const RecordFault &fault)
{
    warn(parent, tr("Несохранённые игры"), RecordNotes::notSavedTo(path, fault));
}

void RecordMessages::notCleared(QWidget *parent, const RecordState &state, const RecordFault &fault)
{
    warn(parent, tr("Статистика"), RecordNotes::notCleared(state, fault));
}
