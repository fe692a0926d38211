// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TerminationSignals.h"

#include "DesktopLog.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace
{

constexpr std::array Handled{SIGTERM, SIGHUP, SIGINT, SIGQUIT};
// What the handlers found in place, to be put back; ignored ones are left as they are.
std::array<struct sigaction, Handled.size()> previous{};
std::array<bool, Handled.size()> installed{};

// The handler may only write: the number goes down a pipe to the event loop.
volatile sig_atomic_t writeEnd = -1;

void onSignal(int number)
{
    const int saved = errno;
    const char byte = char(number);
    [[maybe_unused]] const auto written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    int ends[2];
    if (writeEnd >= 0 || ::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) {
        qCWarning(desktopLog, "Signals to end the program cannot be caught: they end it at once");
        return;
    }
    readEnd_ = ends[0];
    writeEnd = ends[1];
    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(readEnd_, &byte, 1) == 1)
            Q_EMIT received(byte);
    });
    struct sigaction action {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Handled.size(); ++i) {
        installed[i] = ::sigaction(Handled[i], nullptr, &previous[i]) == 0 &&
                       previous[i].sa_handler != SIG_IGN &&
                       ::sigaction(Handled[i], &action, nullptr) == 0;
    }
}

TerminationSignals::~TerminationSignals()
{
    if (readEnd_ < 0)
        return;
    for (std::size_t i = 0; i < Handled.size(); ++i)
        if (std::exchange(installed[i], false))
            ::sigaction(Handled[i], &previous[i], nullptr);
    ::close(writeEnd);
    writeEnd = -1;
    delete notifier_;
    ::close(readEnd_);
}

QString TerminationSignals::name(int number)
{
    switch (number) {
    case SIGTERM:
        return u"SIGTERM"_s;
    case SIGHUP:
        return u"SIGHUP"_s;
    case SIGINT:
        return u"SIGINT"_s;
    case SIGQUIT:
        return u"SIGQUIT"_s;
    }
    return u"signal %1"_s.arg(number);
}
