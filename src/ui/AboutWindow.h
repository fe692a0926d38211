// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class LinkLabel;
class PictureBox;

// The About window: credits, the emblem, a small flag, and a link to the maker's site. The
// link is only asked for; whoever shows the window opens it.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize{362, 211};

    explicit AboutWindow(QWidget *parent = nullptr);

    // The maker's site, which the link opens.
    static QString siteUrl();

Q_SIGNALS:
    // The link was clicked; the hourglass shows until the connected slots return.
    void siteLinkActivated(const QString &url);

private:
    void createCredits();
    void createPictures();
    void drawFlag();
    void activateLink();

    LinkLabel *link_ = nullptr;
    PictureBox *flag_ = nullptr;
};
