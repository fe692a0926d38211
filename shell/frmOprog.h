#pragma once

#include <QDialog>
#include <array>

class PictureBox;
class QLabel;
class QPushButton;

// The About window: credits, the emblem, a small flag, and a link to the maker's site.
class frmOprog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 362;
    static constexpr int ClientHeight = 211;

    explicit frmOprog(QWidget *parent = nullptr);

    // The maker's site, which the link opens.
    static QString SiteUrl();

    QPushButton *OK;
    QLabel *Label1;
    // Indices 0 and 3 to 7 are the captions; 1 and 2 are unused and stay null.
    std::array<QLabel *, 8> Label2{};
    PictureBox *Picture1;
    QLabel *Image1;
    QWidget *Line1;
    QWidget *Line2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Label1_Click();
};

// Shows a new About window modally over `parent` and returns once it is closed.
void ShowAbout(QWidget *parent);
