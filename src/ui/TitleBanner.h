// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class HtmlView;

// The title banner across the top of the main window: an HTML view showing the program title.
// Screen readers know it as the window's heading.
class TitleBanner : public QWidget
{
public:
    explicit TitleBanner(QWidget *parent);

protected:
    // The view fills the banner, whatever size the window gives it.
    void resizeEvent(QResizeEvent *event) override;

private:
    HtmlView *view_;
};
