// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TitleBanner.h"

#include "GameTexts.h"
#include "HtmlView.h"

#include <QAccessibleWidget>

using namespace Qt::StringLiterals;

namespace
{

QString bannerPage()
{
    return u"about:<html><body scroll='no'><center><table style='margin-top:3px; border:0px;'>"
           "<td><font face='Times New Roman' size='6'>%1</font></td></table></center></body>"
           "</html>"_s.arg(GameTexts::title());
}

// A stop of the keyboard's round like the controls, so it says what it is: the window's heading.
QAccessibleInterface *headingRole(const QString &, QObject *object)
{
    if (auto *banner = dynamic_cast<TitleBanner *>(qobject_cast<QWidget *>(object)))
        return new QAccessibleWidget(banner, QAccessible::Heading);
    return nullptr;
}

} // namespace

TitleBanner::TitleBanner(QWidget *parent) : QWidget(parent), view_(new HtmlView(this))
{
    // Before anything asks the banner for its accessible side, which is made only once.
    static const bool installed = (QAccessible::installFactory(headingRole), true);
    Q_UNUSED(installed);
    setFocusPolicy(Qt::TabFocus);
    view_->setObjectName(u"WebBrowser1"_s);
    view_->navigate(bannerPage());
}

void TitleBanner::resizeEvent(QResizeEvent *)
{
    view_->setGeometry(rect());
}
