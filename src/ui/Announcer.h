// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Says things to screen readers. Qt 6.4 has no call to announce text, but Orca speaks a
// notification each time one shows, with its name and then its description. It reads them when
// it comes to the event, which on a busy machine may be seconds later, and it skips an event
// of an object that has shown again since. So every announcement is a notification of its own
// whose words never change, kept for a while after it has shown.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    // Long enough for a screen reader far behind to read it.
    static constexpr int KeptMs = 60'000;

    explicit Announcer(QWidget *parent);

    // Says `text`, then `details` after a pause.
    void announce(const QString &text, const QString &details = {});
};
