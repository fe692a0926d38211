// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// The system's requests to end the program (SIGTERM, SIGHUP, SIGINT, SIGQUIT), told on the event
// loop of the thread that made this, where anything may be done about them; one at a time. A
// request the program was started to ignore (as nohup ignores SIGHUP) stays ignored. Each system
// has its own file, chosen by CMake; Windows sends a program with windows no such signals.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // The signal's name, "SIGTERM" say.
    static QString name(int number);

Q_SIGNALS:
    void received(int number);

private:
    int readEnd_ = -1;
    QSocketNotifier *notifier_ = nullptr;
};
