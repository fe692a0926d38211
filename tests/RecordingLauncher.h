#pragma once

#include "OpURL.h"

#include <QString>
#include <functional>
#include <vector>

// Stands in for the desktop while alive: records what would be opened, opens nothing.
class RecordingLauncher
{
public:
    struct Call {
        QString target;
        QString workingDirectory;
    };

    explicit RecordingLauncher(std::function<void()> during = {})
        : previous_(OpURL::SetLauncher([this, during](const QString &t, const QString &w) {
              calls.push_back({t, w});
              if (during)
                  during();
          }))
    {
    }
    ~RecordingLauncher() { OpURL::SetLauncher(previous_); }
    RecordingLauncher(const RecordingLauncher &) = delete;
    RecordingLauncher &operator=(const RecordingLauncher &) = delete;

    std::vector<Call> calls;

private:
    OpURL::Launcher previous_;
};
