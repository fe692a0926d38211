// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClearConfirmation.h"

#include <QMessageBox>
#include <QPushButton>

bool ClearConfirmation::confirmed(QWidget *parent)
{
    QMessageBox question(QMessageBox::Question, tr("Очистить статистику"),
                         tr("Начать запись обычных игр заново?\nПрежняя запись не удаляется: "
                            "она останется в файле с сегодняшней датой. Запись тренировки не "
                            "меняется."),
                         QMessageBox::NoButton, parent);
    question.setObjectName(QStringLiteral("ConfirmStartAnew"));
    QPushButton *yes = question.addButton(tr("Очистить"), QMessageBox::AcceptRole);
    QPushButton *no = question.addButton(tr("Отмена"), QMessageBox::RejectRole);
    question.setDefaultButton(no);
    question.setEscapeButton(no);
    question.exec();
    return question.clickedButton() == yes;
}
