// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A session manager of the X11 session protocol (XSMP), as much of one as a test needs: in a
// process of its own, started before the application connects to it, it asks its one client
// for a checkpoint or a shutdown, tells it to die, and counts the saves the client reports.

#include <X11/SM/SMlib.h>
#include <cstdlib>
#include <poll.h>
#include <unistd.h>
#include <vector>

class SessionManager
{
public:
    enum Command : char { Checkpoint = 'c', Shutdown = 's', Die = 'd' };

    // Forks the manager and names it in SESSION_MANAGER, for the application made next.
    bool start()
    {
        int commands[2], answers[2];
        if (::pipe(commands) != 0 || ::pipe(answers) != 0)
            return false;
        if (::fork() == 0)
            run(commands[0], answers[1]);
        commands_ = commands[1];
        answers_ = answers[0];
        char id[512] = {};
        return ::read(answers_, id, sizeof id - 1) > 0 && ::setenv("SESSION_MANAGER", id, 1) == 0;
    }
    void send(Command command) { [[maybe_unused]] auto n = ::write(commands_, &command, 1); }
    // How many saves the client has reported done so far.
    int saves()
    {
        pollfd ready{answers_, POLLIN, 0};
        for (char c = 0; ::poll(&ready, 1, 0) > 0 && ::read(answers_, &c, 1) == 1;)
            ++saves_;
        return saves_;
    }

private:
    static inline int out = -1;
    static inline SmsConn client = nullptr;
    // A shutdown waits for the end; a checkpoint is complete once the client has saved.
    static inline bool shutdown = false;

    [[noreturn]] static void run(int commands, int answers)
    {
        out = answers;
        char error[256];
        int count = 0;
        IceListenObj *listening = nullptr;
        IceSetIOErrorHandler([](IceConn) { std::_Exit(0); });
        if (!SmsInitialize("test", "1", accept, nullptr, anyHost, sizeof error, error) ||
            !IceListenForConnections(&count, &listening, sizeof error, error))
            std::_Exit(1);
        std::vector<pollfd> ready{{commands, POLLIN, 0}};
        for (int i = 0; i < count; ++i) {
            IceSetHostBasedAuthProc(listening[i], anyHost);
            ready.push_back({IceGetListenConnectionNumber(listening[i]), POLLIN, 0});
        }
        const char *id = IceComposeNetworkIdList(count, listening);
        [[maybe_unused]] auto told = ::write(out, id, __builtin_strlen(id));
        for (IceConn connection = nullptr;;) {
            ::poll(ready.data(), ready.size(), -1);
            char command = 0;
            if (ready[0].revents && ::read(commands, &command, 1) != 1)
                std::_Exit(0);
            shutdown = command ? command == Shutdown : shutdown;
            if (command == Die)
                SmsDie(client);
            else if (command)
                SmsSaveYourself(client, SmSaveBoth, shutdown, SmInteractStyleAny, False);
            for (std::size_t i = 1; i < ready.size(); ++i) {
                IceAcceptStatus status;
                if (!ready[i].revents)
                    continue;
                if (connection) {
                    IceProcessMessages(connection, nullptr, nullptr);
                    continue;
                }
                connection = IceAcceptConnection(listening[i - 1], &status);
                while (IceConnectionStatus(connection) == IceConnectPending)
                    IceProcessMessages(connection, nullptr, nullptr);
                // From now on only the client is heard.
                ready = {ready[0], {IceConnectionNumber(connection), POLLIN, 0}};
            }
        }
    }
    static Bool anyHost(char *) { return True; }
    // What the application tells the manager: it registers, sets and deletes its properties,
    // and says when it has saved.
    static Status accept(SmsConn conn, SmPointer, unsigned long *mask, SmsCallbacks *calls, char **)
    {
        client = conn;
        calls->register_client.callback = [](SmsConn c, SmPointer, char *) -> Status {
            return SmsRegisterClientReply(c, SmsGenerateClientID(c));
        };
        calls->save_yourself_done.callback = [](SmsConn c, SmPointer, Bool) {
            if (!shutdown)
                SmsSaveComplete(c);
            [[maybe_unused]] auto n = ::write(out, "d", 1);
        };
        calls->set_properties.callback = [](SmsConn, SmPointer, int, SmProp **) {};
        calls->delete_properties.callback = [](SmsConn, SmPointer, int, char **) {};
        calls->close_connection.callback = [](SmsConn, SmPointer, int, char **) {};
        *mask = SmsRegisterClientProcMask | SmsSaveYourselfDoneProcMask | SmsSetPropertiesProcMask |
                SmsDeletePropertiesProcMask | SmsCloseConnectionProcMask;
        return 1;
    }

    int commands_ = -1;
    int answers_ = -1;
    int saves_ = 0;
};
