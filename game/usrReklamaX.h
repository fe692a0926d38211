#pragma once

#include <QWidget>

class HtmlView;

// The title banner: an HTML view showing the program title.
class usrReklamaX : public QWidget
{
public:
    static constexpr int Width = 649;
    static constexpr int Height = 77;

    explicit usrReklamaX(QWidget *parent);

    HtmlView *WebBrowser1;
};
