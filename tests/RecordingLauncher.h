// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Desktop.h"

#include <QString>
#include <functional>
#include <vector>

// Stands in for the desktop's opener: records what would be opened, opens nothing.
struct RecordingLauncher {
    struct Call {
        QString target;
        QString workingDirectory;
    };
    std::vector<Call> calls;
    // Runs inside each call, as the opener would run inside the program's command.
    std::function<void()> during;
    // Whether the opener can be started; what it would call once it gave up.
    bool starts = true;
    std::function<void()> gaveUp;

    Desktop::Launcher launcher()
    {
        return [this](const QString &target, const QString &workingDirectory,
                      const std::function<void()> &onGiveUp) {
            calls.push_back({target, workingDirectory});
            gaveUp = onGiveUp;
            if (during)
                during();
            return starts;
        };
    }
    // The desktop of a program whose folder is `folder`, on a clock that moves two seconds
    // between requests, so that none of them counts as a repeat.
    Desktop desktop(const std::optional<QString> &folder)
    {
        return Desktop(folder, launcher(), [now = qint64(0)]() mutable { return now += 2000; });
    }
};
