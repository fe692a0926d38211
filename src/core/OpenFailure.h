// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Why something the player asked to see did not open: what the desktop finds out and the
// windows tell.
struct OpenFailure {
    enum class Request { Help, Link };
    enum class Reason {
        // No opener could be started: the system has none.
        NoOpener,
        // The opener ran, but found no program to show the target with.
        NoViewer,
    };

    Request request = Request::Help;
    Reason reason = Reason::NoOpener;
    // The program that should have opened it ("xdg-open"); empty where the system does that
    // itself.
    QString opener;
};
