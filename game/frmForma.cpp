#include "frmForma.h"

#include "BoardView.h"
#include "ButtonStyle.h"
#include "Centre.h"
#include "Fonts.h"
#include "Pictures.h"
#include "usrReklamaX.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace
{

const QColor HolderGrey(192, 192, 192);

QLabel *label(QWidget *parent, const QString &text, const QFont &font, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setFont(font);
    l->setAutoFillBackground(true);
    l->setGeometry(geometry);
    return l;
}

QLabel *hiddenHolder(QWidget *parent, const QImage &picture, const QRect &geometry)
{
    auto *holder = new QLabel(parent);
    holder->setPixmap(QPixmap::fromImage(picture));
    QPalette p = holder->palette();
    p.setColor(QPalette::Window, HolderGrey);
    holder->setPalette(p);
    holder->setGeometry(geometry);
    holder->hide();
    return holder;
}

} // namespace

frmForma::frmForma(Game::Draw draw, QWidget *parent)
    : QMainWindow(parent), game_(*this, board_, std::move(draw))
{
    setWindowTitle(u"Чуйкомер"_s);
    setWindowIcon(QIcon(QPixmap::fromImage(Pictures::windowIcon())));
    // A fixed frame with a title bar: movable and closable, never resized or maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(Fonts::sans());
    const QPalette grey = ButtonStyle::greyPalette();
    setPalette(grey);
    auto *buttons = new ButtonStyle(this);

    auto *client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    client->setAutoFillBackground(true);
    client->setPalette(grey);
    setCentralWidget(client);

    // The menu keeps the desktop's plain face; the window's bold is for the game's controls.
    menuBar()->setFont(Fonts::sans(14, false));
    QMenu *menu = menuBar()->addMenu(u"Меню"_s);
    MenuExit = menu->addAction(u"Выход"_s);
    QMenu *help = menuBar()->addMenu(u"Справка"_s);
    HelpCalHelp = help->addAction(u"Вызов справки"_s);
    HelpCalHelp->setShortcut(Qt::Key_F1);
    HelpCalHelp->setShortcutContext(Qt::WindowShortcut);
    HelpAbout = help->addAction(u"О программе"_s);
    connect(MenuExit, &QAction::triggered, this, &frmForma::exitCommand);
    connect(HelpCalHelp, &QAction::triggered, this, &frmForma::helpCommand);
    connect(HelpAbout, &QAction::triggered, this, &frmForma::aboutCommand);

    usrReklamaX1 = new usrReklamaX(client);
    usrReklamaX1->setGeometry(0, 0, usrReklamaX::Width, usrReklamaX::Height);
    usrReklamaX1->setAccessibleName(u"Чуйкомер"_s);

    const QStringList levels{u"Первый уровень"_s, u"Второй уровень"_s, u"Третий уровень"_s};
    for (int i = 0; i < 3; ++i) {
        kLevel[i] = new QPushButton(levels[i], client);
        kLevel[i]->setGeometry(8 + 216 * i, 80, 202, 33);
        kLevel[i]->setFocusPolicy(Qt::StrongFocus);
        kLevel[i]->setStyle(buttons);
        connect(kLevel[i], &QPushButton::clicked, this, [this, i] { kLevel_Click(i); });
    }

    Label1 = label(client, QString(15, u' '), Fonts::sans(18), QRect(304, 120, 91, 24));
    picX = hiddenHolder(client, Pictures::xMark(), QRect(440, 120, 30, 30));
    picVopros = hiddenHolder(client, Pictures::questionMark(), QRect(480, 120, 30, 30));

    for (int i = 0; i < 15; ++i) {
        auto *button = new QPushButton(client);
        button->setGeometry(8 + 58 * (i % 5), 128 + 58 * (i / 5), 55, 55);
        button->setIcon(QIcon(QPixmap::fromImage(Pictures::guess(i))));
        button->setIconSize(QSize(Pictures::GuessSize, Pictures::GuessSize));
        button->setAccessibleName(Pictures::guessName(i));
        button->setFocusPolicy(Qt::StrongFocus);
        button->setStyle(buttons);
        connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        Command1[i] = button;
    }

    Label2 = label(client,
                   u"Компьютер загадывает картинку, а вам её нужно угадать. Один сеанс 10 "
                   "попыток."_s,
                   Fonts::sans(13), QRect(304, 272, 324, 32));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The board lies over the rules label's top rows, as the picture box always did.
    picRezultat = new BoardView(board_, client);
    picRezultat->setGeometry(304, 144, ResultBoard::Width, ResultBoard::Height);
    picRezultat->setAccessibleName(u"Табло результатов"_s);
    picRezultat->raise();

    QWidget *previous = Command1[0];
    for (QWidget *next : std::initializer_list<QWidget *>{
             Command1[1], Command1[2], Command1[3], Command1[4], Command1[5], Command1[6],
             Command1[7], Command1[8], Command1[9], Command1[10], Command1[11], Command1[12],
             Command1[13], Command1[14], picRezultat, usrReklamaX1, kLevel[2], kLevel[1],
             kLevel[0]}) {
        setTabOrder(previous, next);
        previous = next;
    }

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen(*this);
    game_.Form_Load();
    showGame();
    Command1[0]->setFocus();
}

void frmForma::kLevel_Click(int index)
{
    game_.kLevel_Click(static_cast<std::int16_t>(index));
    showGame();
}

void frmForma::Command1_Click(int index)
{
    game_.Command1_Click(static_cast<std::int16_t>(index));
    showGame();
}

// What the game keeps besides the controls it writes: the board and its meaning.
void frmForma::showGame()
{
    picRezultat->update();
    picRezultat->setAccessibleDescription(game_.boardDescription());
    const QString explanation = game_.verdictExplanation();
    Label1->setToolTip(explanation);
    Label1->setAccessibleDescription(explanation);
}

void frmForma::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

QString frmForma::levelCaption(int level) const
{
    return kLevel.at(level)->text();
}

void frmForma::setLevelEnabled(int level, bool enabled)
{
    kLevel.at(level)->setEnabled(enabled);
}

void frmForma::setPictureVisible(int picture, bool visible)
{
    Command1.at(picture)->setVisible(visible);
}

void frmForma::setStatus(const QString &text)
{
    Label1->setText(text);
    Label1->adjustSize();
}
