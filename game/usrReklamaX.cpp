#include "usrReklamaX.h"

#include "HtmlView.h"

using namespace Qt::StringLiterals;

namespace
{

const QString BannerPage =
    u"about:<html><body scroll='no'><center><table style='margin-top:3px; border:0px;'><td>"
    "<font face='Times New Roman' size='6'>Чуйкомер</font></td></table></center></body></html>"_s;

} // namespace

usrReklamaX::usrReklamaX(QWidget *parent) : QWidget(parent), WebBrowser1(new HtmlView(this))
{
    setFocusPolicy(Qt::TabFocus);
    WebBrowser1->setGeometry(0, 0, Width, Height);
    WebBrowser1->Silent = true;
    WebBrowser1->Navigate(BannerPage);
}
