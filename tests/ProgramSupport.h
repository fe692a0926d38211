// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The whole program in a test, and what its statistics window shows.

#include "Application.h"
#include "ApplicationFolder.h"
#include "MainWindow.h"
#include "RecordingLauncher.h"
#include "StatisticsWindow.h"
#include "TestSupport.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTextEdit>

using namespace Qt::StringLiterals;

// The program with its data folder in `dataHome`, never the user's own, or none if null;
// what it would open goes to `opened`.
inline std::unique_ptr<Application>
start(const QString &dataHome, const TestSupport::ScriptedRandom &random, RecordingLauncher &opened)
{
    if (dataHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    auto program = std::make_unique<Application>(opened.desktop(ApplicationFolder::find()), random);
    program->start();
    return program;
}

// A figure or a text of the statistics window by its object name, as a reader sees it;
// "hidden" for a figure in a column not shown.
inline QString figure(const StatisticsWindow &w, const QString &name)
{
    if (const auto *text = w.findChild<QTextEdit *>(name))
        return text->toPlainText();
    if (const auto *label = w.findChild<QLabel *>(name))
        return label->text();
    const auto *table = w.findChild<QTableWidget *>(u"Figures"_s);
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
            if (table->item(r, c)->data(Qt::UserRole) == name)
                return table->isColumnHidden(c)
                           ? u"hidden"_s
                           : table->item(r, c)->text().replace(u'\u00a0', u' ');
    return u"no such figure"_s;
}

// The statistics window the main window's command opens, or null if none shows.
inline StatisticsWindow *openStatistics(MainWindow &window)
{
    window.findChild<QAction *>(u"MenuStatistics"_s)->trigger();
    auto *statistics = window.findChild<StatisticsWindow *>(u"StatisticsWindow"_s);
    return statistics && statistics->isVisible() ? statistics : nullptr;
}
