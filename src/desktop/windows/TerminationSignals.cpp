// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TerminationSignals.h"

// A program with windows hears of the end of the session from the session manager alone.
TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals() = default;

QString TerminationSignals::name(int number)
{
    return QStringLiteral("signal %1").arg(number);
}
