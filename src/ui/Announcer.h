// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// An invisible widget whose news screen readers speak. Qt 6.4 has no call to announce text,
// but Orca speaks a notification each time one shows, with its name and then its
// description; a changed name or description alone goes unsaid.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    // Says `text`, then `details` after a pause.
    void announce(const QString &text, const QString &details = {});
};
