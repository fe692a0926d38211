#include "frmOprog.h"

#include "ButtonStyle.h"
#include "Centre.h"
#include "Credits.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "Pictures.h"
#include "SaveFileUrlm.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace
{

const QColor LinkBlue(0, 0, 192);

// A label that takes the size of its caption, from its top-left corner.
QLabel *caption(QWidget *parent, const QString &text, QPoint position)
{
    auto *label = new QLabel(text, parent);
    label->setAutoFillBackground(true);
    label->move(position);
    label->adjustSize();
    return label;
}

QWidget *line(QWidget *parent, const QColor &colour, int y)
{
    auto *l = new QWidget(parent);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, colour);
    l->setPalette(p);
    l->setAutoFillBackground(true);
    l->setGeometry(8, y, 352 - 8 + 1, 1);
    return l;
}

} // namespace

frmOprog::frmOprog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(u"О программе"_s);
    // A fixed dialog frame: a title bar with a close button, no resizing, no minimising.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(Fonts::sans());
    setPalette(ButtonStyle::greyPalette());
    setAutoFillBackground(true);

    OK = new QPushButton(u"OK"_s, this);
    OK->setGeometry(264, 164, 89, 33);
    // The main window's plain grey button.
    OK->setStyle(new ButtonStyle(this));
    OK->setDefault(true);
    OK->setFocusPolicy(Qt::StrongFocus);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);

    Label1 = new QLabel(u"Программы для всех!"_s, this);
    QFont underlined = Fonts::sans();
    underlined.setUnderline(true);
    Label1->setFont(underlined);
    QPalette link = Label1->palette();
    link.setColor(QPalette::WindowText, LinkBlue);
    Label1->setPalette(link);
    Label1->setAutoFillBackground(true);
    Label1->setCursor(QCursor(QPixmap::fromImage(Pictures::linkPointer()), 0, 0));
    Label1->move(156, 56);
    Label1->adjustSize();
    Label1->setAccessibleName(u"Сайт автора: "_s + SiteUrl());
    Label1->installEventFilter(this);

    Label2[3] = caption(this, u"Автор: "_s + QString::fromUtf16(Credits::Author), {104, 8});
    Label2[4] = caption(this, u"E-mail: "_s + QString::fromUtf16(Credits::Email), {104, 32});
    Label2[5] = caption(this, u"Сайт:"_s, {104, 56});
    Label2[6] = caption(this, u"Версия: v4.0"_s, {104, 80});
    Label2[7] = caption(this, u"Дата: 21 января 2005 год -"_s, {104, 104});
    Label2[0] = caption(this, u"13 августа 2015 год"_s, {156, 128});

    Picture1 = new PictureBox(QSize(80, 45), Qt::white, this);
    Picture1->move(8, 160);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAccessibleName(u"Флаг: белая, синяя и красная полосы"_s);
    setTabOrder(OK, Picture1);

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(Pictures::aboutEmblem()));
    Image1->setGeometry(16, 8, 71, 126);

    // Dark over light: an engraved rule between the credits and the bottom row.
    const QPalette system = QApplication::palette();
    Line1 = line(this, system.color(QPalette::WindowText), 152);
    Line2 = line(this, system.color(QPalette::Base), 153);

    Form_Load();
    centreOnScreen(*this);
    OK->setFocus();
}

QString frmOprog::SiteUrl()
{
    return u"http://"_s + QString::fromUtf16(Credits::SiteHost) + u"/site/"_s;
}

void frmOprog::Form_Load()
{
    // A white, a blue and a red band; the box keeps the drawing and repaints it itself.
    QPainter painter(&Picture1->image());
    painter.fillRect(QRect(QPoint(0, 15), QPoint(79, 30)), QColor(0, 0, 255));
    painter.fillRect(QRect(QPoint(0, 31), QPoint(79, 45)), QColor(255, 0, 0));
    painter.end();
    Picture1->update();
}

bool frmOprog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            Label1->rect().contains(mouse->position().toPoint())) {
            Label1_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOprog::Label1_Click()
{
    // The hourglass also over the link itself, whose own pointer would hide it there.
    const QCursor linkCursor = Label1->cursor();
    setCursor(Qt::WaitCursor);
    Label1->setCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([this, linkCursor] {
        Label1->setCursor(linkCursor);
        unsetCursor();
    });
    SaveFileUrlm::OpenUrlViaRedirectFile(SiteUrl());
}

void ShowAbout(QWidget *parent)
{
    frmOprog dialog(parent);
    dialog.exec();
}
