// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TitleBanner.h"

#include "GameTexts.h"
#include "HtmlView.h"

using namespace Qt::StringLiterals;

namespace
{

QString bannerPage()
{
    return u"about:<html><body scroll='no'><center><table style='margin-top:3px; border:0px;'>"
           "<td><font face='Times New Roman' size='6'>%1</font></td></table></center></body>"
           "</html>"_s.arg(GameTexts::title());
}

} // namespace

TitleBanner::TitleBanner(QWidget *parent) : QWidget(parent), view_(new HtmlView(this))
{
    setFocusPolicy(Qt::TabFocus);
    view_->setObjectName(u"WebBrowser1"_s);
    view_->navigate(bannerPage());
}

void TitleBanner::resizeEvent(QResizeEvent *)
{
    view_->setGeometry(rect());
}
