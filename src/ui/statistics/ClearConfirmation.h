// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

class QWidget;

// Asks whether the record should start anew, saying that the old one is kept; No is the
// default, and Escape says it. Its words stand with the window's, where translators know them.
class ClearConfirmation
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsWindow)

public:
    static bool confirmed(QWidget *parent);
};
