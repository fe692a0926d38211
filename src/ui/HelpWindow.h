// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QTextBrowser;

// The help document shown by the program itself, where the desktop had no browser to show it:
// the same HTML file, as text a screen reader reads line by line. Links within the document
// work; none leads out of it. Escape closes the window.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows the help document `path` in the one help window over `owner`'s top window, made at
    // the first call and brought to the front after; returns it.
    static HelpWindow *showDocument(QWidget *owner, const QString &path);

    QString document() const { return path_; }
    // About 80 characters to a line, and most of a small screen's height.
    QSize sizeHint() const override { return {760, 640}; }

private:
    HelpWindow(QWidget *owner);
    void load(const QString &path);

    QTextBrowser *browser_;
    QString path_;
};
