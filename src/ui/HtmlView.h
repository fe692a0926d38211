// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextDocument>
#include <QWidget>

// A small HTML view for pages given inline as "about:<html>...". It lays the page out as a
// web browser would, as far as the banner needs: centred tables, browser font sizes and
// margins, no scroll bars, no frame. A plain widget that paints its document: a text editor's
// machinery would cost start-up time and memory for nothing here.
class HtmlView : public QWidget
{
    Q_OBJECT

public:
    explicit HtmlView(QWidget *parent = nullptr);

    // Shows an "about:" page; any other address leaves the view empty.
    void navigate(const QString &url);

    // The page's words alone, as a screen reader should read them.
    QString pageText() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void centreTables();

    QTextDocument page_;
};
