// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "Announcer.h"
#include "BoardView.h"
#include "ButtonStyle.h"
#include "Centring.h"
#include "Fonts.h"
#include "GameTexts.h"
#include "Pictures.h"
#include "ResultBoard.h"
#include "TitleBanner.h"
#include "VerifyTexts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <utility>

using namespace Qt::StringLiterals;

namespace
{

// A control's description, told to a screen reader once the focus comes to the control, where
// it is read. Each change is an event the reader queues, and Orca drops the notifications
// waiting once some fifty events wait: told to fifteen pictures and the board at every move,
// a fast game on a busy machine lost its announcements. Before the window shows, nobody
// listens, and every control is told at once.
class FocusDescription : public QObject
{
public:
    explicit FocusDescription(QWidget *control) : QObject(control), control_(control)
    {
        control->installEventFilter(this);
    }

    static void set(QWidget *control, const QString &description)
    {
        auto *told = control->findChild<FocusDescription *>({}, Qt::FindDirectChildrenOnly);
        if (!told)
            told = new FocusDescription(control);
        told->wanted_ = description;
        if (control->hasFocus() || !control->window()->isVisible())
            told->tell();
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        // Before the focus itself is told, which happens after this event.
        if (event->type() == QEvent::FocusIn)
            tell();
        return false;
    }

private:
    void tell()
    {
        if (control_->accessibleDescription() != wanted_)
            control_->setAccessibleDescription(wanted_);
    }

    QWidget *const control_;
    QString wanted_;
};

// Where everything stands in the client area, in pixels.
namespace Layout
{
constexpr QRect Banner{0, 0, 649, 77};
constexpr QRect FirstLevelButton{8, 80, 202, 33};
constexpr int LevelButtonPitch = 216;
constexpr QRect Status{304, 120, 91, 24};
constexpr QPoint FirstPictureButton{8, 128};
constexpr QSize PictureButton{55, 55};
constexpr int PictureButtonPitch = 58;
constexpr QRect Board{304, 144, ResultBoard::Width, ResultBoard::Height};
constexpr QRect Rules{304, 272, 324, 32};
} // namespace Layout

// Font sizes in pixels, as the window's points come out at 96 dpi.
constexpr int StatusFontPixels = 18;
constexpr int RulesFontPixels = 13;
constexpr int MenuFontPixels = 14;

// The status label's caption before the first game: fifteen spaces, which give it its width.
constexpr int BlankStatusLength = 15;

QLabel *label(QWidget *parent, const QString &text, int fontPixels, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setFont(Fonts::sans(fontPixels));
    l->setAutoFillBackground(true);
    l->setGeometry(geometry);
    return l;
}

QRect pictureButtonGeometry(int index)
{
    const int column = index % Level::PicturesEach;
    const int row = index / Level::PicturesEach;
    return {Layout::FirstPictureButton +
                QPoint(column * Layout::PictureButtonPitch, row * Layout::PictureButtonPitch),
            Layout::PictureButton};
}

} // namespace

MainWindow::MainWindow(Game &game, const ResultBoard &board, QWidget *parent)
    : QMainWindow(parent), game_(game), board_(board)
{
    setObjectName(u"frmForma"_s);
    setWindowTitle(GameTexts::caption(game_.level(), game_.training()));
    setWindowIcon(QIcon(QPixmap::fromImage(Pictures::windowIcon())));
    // A fixed frame with a title bar: movable and closable, never resized or maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(Fonts::sans());
    const QPalette grey = ButtonStyle::greyPalette();
    setPalette(grey);

    auto *client = new QWidget(this);
    client->setFixedSize(ClientSize);
    client->setAutoFillBackground(true);
    client->setPalette(grey);
    setCentralWidget(client);

    createMenus();
    createKeys();
    createControls(client);
    setFocusOrder();
    shownTraining_ = game_.training();
    if (game_.training()) {
        status_->setText(modeShown());
        status_->adjustSize();
    }

    describeBoard(status());
    describePictures();
    watchForScreenReader();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen(*this);
    pictureButtons_[0]->setFocus();
}

MainWindow::~MainWindow()
{
    QAccessible::removeActivationObserver(screenReaderWatch_.get());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closing(event);
}

void MainWindow::createMenus()
{
    // The fixed layout counts on the menu bar inside the window, also on desktops with a
    // global menu. It keeps the desktop's plain face; the bold is for the game's controls.
    menuBar()->setNativeMenuBar(false);
    menuBar()->setFont(Fonts::sans(MenuFontPixels, false));
    QMenu *menu = menuBar()->addMenu(tr("Меню"));
    menu->setObjectName(u"Menu"_s);
    QAction *statistics = menu->addAction(tr("Статистика"));
    statistics->setObjectName(u"MenuStatistics"_s);
    QAction *seals = menu->addAction(tr("Проверка"));
    seals->setObjectName(u"MenuSeals"_s);
    // Below the two windows, which keep their places in the menu; the exit stays last.
    training_ = menu->addAction(tr("Тренировка"));
    training_->setObjectName(u"MenuTraining"_s);
    training_->setCheckable(true);
    training_->setChecked(game_.training());
    training_->setShortcut(Qt::Key_F5);
    training_->setShortcutContext(Qt::WindowShortcut);
    // A held F5 would flip the mode at every repeat.
    training_->setAutoRepeat(false);
    connect(training_, &QAction::triggered, this, &MainWindow::chooseTraining);
    QAction *exit = menu->addAction(tr("Выход"));
    exit->setObjectName(u"MenuExit"_s);
    QMenu *help = menuBar()->addMenu(tr("Справка"));
    help->setObjectName(u"Help"_s);
    QAction *callHelp = help->addAction(tr("Вызов справки"));
    callHelp->setObjectName(u"HelpCalHelp"_s);
    callHelp->setShortcut(Qt::Key_F1);
    callHelp->setShortcutContext(Qt::WindowShortcut);
    // A held F1 would start a viewer at every repeat.
    callHelp->setAutoRepeat(false);
    QAction *about = help->addAction(tr("О программе"));
    about->setObjectName(u"HelpAbout"_s);
    connect(exit, &QAction::triggered, this, &MainWindow::exitRequested);
    connect(callHelp, &QAction::triggered, this, &MainWindow::helpRequested);
    connect(about, &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(statistics, &QAction::triggered, this, &MainWindow::statisticsRequested);
    connect(seals, &QAction::triggered, this, &MainWindow::sealsRequested);

    // The menus have no mnemonics and this style opens none on Alt alone: F10, as on GNOME,
    // is the keyboard's way in.
    auto *openMenu = new QAction(this);
    openMenu->setObjectName(u"MenuKey"_s);
    openMenu->setShortcut(Qt::Key_F10);
    openMenu->setShortcutContext(Qt::WindowShortcut);
    addAction(openMenu);
    connect(openMenu, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

// Keys of the window alone, in no menu: for those who hear the game rather than see it.
void MainWindow::createKeys()
{
    const auto key = [this](const QString &name, Qt::Key key, void (MainWindow::*said)()) {
        auto *action = new QAction(this);
        action->setObjectName(name);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        // A held key says it once.
        action->setAutoRepeat(false);
        addAction(action);
        connect(action, &QAction::triggered, this, said);
    };
    key(u"RulesKey"_s, Qt::Key_F2, &MainWindow::announceRules);
    key(u"BoardKey"_s, Qt::Key_F3, &MainWindow::announceBoard);
    key(u"SealKey"_s, Qt::Key_F4, &MainWindow::announceSeal);
}

void MainWindow::createControls(QWidget *client)
{
    auto *buttonStyle = new ButtonStyle(this);

    banner_ = new TitleBanner(client);
    banner_->setObjectName(u"usrReklamaX1"_s);
    banner_->setGeometry(Layout::Banner);
    banner_->setAccessibleName(GameTexts::title());
    // Where the keyboard comes to it, the banner tells what the game is.
    banner_->setAccessibleDescription(
        tr("%1\n%2", "what the game is, then its rules").arg(introduction(), rulesSpoken()));
    createLevelButtons(client, buttonStyle);
    status_ = label(client, QString(BlankStatusLength, u' '), StatusFontPixels, Layout::Status);
    status_->setObjectName(u"Label1"_s);
    // It grows and shrinks with its caption, never lower than it starts: a caption's own height
    // leaves its descenders no room on a screen scaled by a fraction, where its last device
    // pixel row rounds away. The text stays where it stands at the top.
    status_->setMinimumHeight(Layout::Status.height());
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    createPictureButtons(client, buttonStyle);
    createBoard(client);
    announcer_ = new Announcer(client);
    announcer_->setObjectName(u"Announcer"_s);
}

void MainWindow::createLevelButtons(QWidget *client, QStyle *buttonStyle)
{
    for (const Level level : Level::all()) {
        const int i = int(level.place());
        auto *button = new QPushButton(GameTexts::levelName(level), client);
        button->setObjectName(u"kLevel_%1"_s.arg(i));
        button->setGeometry(Layout::FirstLevelButton.translated(i * Layout::LevelButtonPitch, 0));
        button->setFocusPolicy(Qt::StrongFocus);
        button->setStyle(buttonStyle);
        connect(button, &QPushButton::clicked, this, [this, level] { game_.chooseLevel(level); });
        levelButtons_[level.place()] = button;
    }
}

void MainWindow::createPictureButtons(QWidget *client, QStyle *buttonStyle)
{
    for (int i = 0; i < Level::MostPictures; ++i) {
        auto *button = new QPushButton(client);
        button->setObjectName(u"Command1_%1"_s.arg(i));
        button->setGeometry(pictureButtonGeometry(i));
        button->setIcon(QIcon(QPixmap::fromImage(Pictures::guess(i))));
        button->setIconSize(QSize(Pictures::GuessSize, Pictures::GuessSize));
        button->setAccessibleName(GameTexts::pictureName(i));
        button->setFocusPolicy(Qt::StrongFocus);
        button->setStyle(buttonStyle);
        connect(button, &QPushButton::clicked, this, [this, i] { pressPicture(i); });
        pictureButtons_[i] = button;
    }
}

// The rules and the board over them.
void MainWindow::createBoard(QWidget *client)
{
    rules_ = label(client,
                   tr("Компьютер загадывает картинку, а вам её нужно угадать. Один сеанс %n "
                      "попыток.",
                      nullptr, Game::Attempts),
                   RulesFontPixels, Layout::Rules);
    rules_->setObjectName(u"Label2"_s);
    rules_->setWordWrap(true);
    rules_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The board covers its top two rows, most of them the room above the capitals: a pixel
    // more keeps the capitals clear of the board however a screen's scale rounds, and leaves
    // the second line its descenders.
    rules_->setContentsMargins(0, 1, 0, 0);

    // The board overlaps the rules label's top two rows, so it must stand above the label.
    boardView_ = new BoardView(board_, client);
    boardView_->setObjectName(u"picRezultat"_s);
    boardView_->setGeometry(Layout::Board);
    boardView_->setAccessibleName(tr("Табло результатов"));
    boardView_->raise();
}

// The picture buttons in index order, the board, the banner, then the level buttons from the
// last to the first.
void MainWindow::setFocusOrder()
{
    QList<QWidget *> order(pictureButtons_.begin(), pictureButtons_.end());
    order << boardView_ << banner_;
    for (auto it = levelButtons_.rbegin(); it != levelButtons_.rend(); ++it)
        order << *it;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

MainWindow::Status MainWindow::status() const
{
    const std::optional<int> score = game_.score();
    const bool training = game_.training();
    if (!score)
        return {GameTexts::attemptRequest(game_.attempt(), training), {}};
    return {GameTexts::verdict(*score, training), GameTexts::explanation(*score, *game_.level())};
}

// What the player has just done, as the game now stands: the level chosen, or the picture
// guessed.
QString MainWindow::lastMove() const
{
    if (game_.attempt() == 1)
        return GameTexts::levelName(*game_.level());
    const int n = game_.attempt() == Game::NoGame ? Game::Attempts : game_.attempt() - 1;
    if (game_.training())
        return GameTexts::answer(game_.hidden(n), game_.guessed(n));
    return GameTexts::pictureName(game_.guessed(n));
}

// From the menu or F5: the game's mode, and whoever keeps it is told.
void MainWindow::chooseTraining(bool training)
{
    game_.setTraining(training);
    Q_EMIT trainingChosen(training);
}

void MainWindow::showGame()
{
    setWindowTitle(GameTexts::caption(game_.level(), game_.training()));
    training_->setChecked(game_.training());
    // A new mode is said first: its game starts, or there is none yet.
    const bool modeChanged = std::exchange(shownTraining_, game_.training()) != game_.training();
    // Before the level buttons hand the focus on to a picture, which is told it with the focus.
    describePictures();
    for (QPushButton *button : levelButtons_)
        button->setEnabled(game_.levelChoiceOpen());
    // The first row is every level's: it is never hidden, nor shown again.
    for (int k = Level::PicturesEach; k < Level::MostPictures; ++k)
        pictureButtons_[k]->setVisible(game_.offers(k));
    const Status now = game_.level() ? status() : Status{modeShown(), {}};
    status_->setText(now.text);
    status_->adjustSize();
    // Each change of these is news to a screen reader, sent even when nothing changed.
    if (status_->toolTip() != now.explanation) {
        status_->setToolTip(now.explanation);
        status_->setAccessibleDescription(now.explanation);
        // The board keeps them at hand for the keyboard, after the announcement has gone by.
        boardView_->setToolTip(now.explanation);
    }
    describeBoard(now);
    // The move confirmed, then the prompt or the verdict; after the verdict, where its details
    // are. Said once the event that changed the game is handled.
    QString said = game_.level() ? tr("%1. %2", "what the player just did, then what comes next")
                                       .arg(lastMove(), now.text)
                                 : QString();
    if (modeChanged)
        said = said.isEmpty() ? GameTexts::mode(game_.training())
                              : tr("%1 %2", "the mode, then the game")
                                    .arg(GameTexts::mode(game_.training()), said);
    const QString details =
        now.explanation.isEmpty()
            ? QString()
            : tr("%1\n%2", "the explanation, then where the details are")
                  .arg(now.explanation, tr("Подробности — на табло: клавиша F3."));
    QMetaObject::invokeMethod(
        this, [this, said, details] { announcer_->announce(said, details); }, Qt::QueuedConnection);
}

void MainWindow::showBoard()
{
    boardView_->update();
}

// After a verdict, the verdict and its explanation first, then every attempt.
void MainWindow::describeBoard(const Status &status)
{
    const QString attempts = GameTexts::boardDescription(game_);
    const QString description = status.explanation.isEmpty()
                                    ? attempts
                                    : tr("%1\n%2\n%3", "verdict, explanation, attempts")
                                          .arg(status.text, status.explanation, attempts);
    FocusDescription::set(boardView_, description);
}

// Once, when the window first comes to the front: what the game is, then what to do first.
void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !rulesAnnounced_) {
        rulesAnnounced_ = true;
        // After the window and its focus have been told, not in their place.
        QMetaObject::invokeMethod(this, &MainWindow::announceRules, Qt::QueuedConnection);
    }
}

// A screen reader started after the window has been told nothing of what went before: where
// the focus is, which brings it to the window, and the rules once more, when it has had a
// moment to settle. So is one that was running, when the program's link to it came up only
// after the window had come to the front, as it may on a busy machine.
void MainWindow::watchForScreenReader()
{
    struct Watch : QAccessible::ActivationObserver {
        std::function<void()> appeared;
        void accessibilityActiveChanged(bool active) override
        {
            if (active)
                appeared();
        }
    };
    auto watch = std::make_unique<Watch>();
    watch->appeared = [this] {
        if (rulesAnnounced_)
            QTimer::singleShot(ScreenReaderSettlesMs, this, [this] {
                if (QWidget *focus = QApplication::focusWidget()) {
                    QAccessibleEvent told(focus, QAccessible::Focus);
                    QAccessible::updateAccessibility(&told);
                }
                announceRules();
            });
    };
    QAccessible::installActivationObserver(watch.get());
    screenReaderWatch_ = std::move(watch);
}

QString MainWindow::introduction()
{
    return tr("%1 — игра, которая проверяет интуицию.").arg(GameTexts::title());
}

QString MainWindow::rulesSpoken()
{
    return tr("%1 %2", "the rules, then the keys that say them again")
        .arg(tr("Компьютер загадывает одну из картинок уровня, а вы угадываете её, нажимая "
                "кнопку с картинкой. В игре %n попыток, после них — оценка по числу угаданных.",
                nullptr, Game::Attempts),
             keysSpoken());
}

QString MainWindow::keysSpoken()
{
    return tr("F2 повторяет правила, F3 читает табло, F4 — первые цифры печати игры.");
}

// What the game is and its rules; before a game, what to do first; last, the mode and its key.
void MainWindow::announceRules()
{
    const QString rules = rulesSpoken();
    announcer_->announce(
        introduction(),
        tr("%1 %2", "the rules, then the mode")
            .arg(game_.attempt() != Game::NoGame
                     ? rules
                     : tr("%1 %2", "the rules, then what to do first")
                           .arg(rules, tr("Сначала выберите уровень: Shift+Tab ведёт к кнопкам "
                                          "уровней.")),
                 GameTexts::mode(game_.training())));
}

// The prompt or the verdict, then what the board holds.
void MainWindow::announceBoard()
{
    if (!game_.level()) {
        announcer_->announce(GameTexts::boardDescription(game_));
        return;
    }
    const Status now = status();
    const QString attempts = GameTexts::boardDescription(game_);
    announcer_->announce(
        now.text,
        now.explanation.isEmpty()
            ? attempts
            : tr("%1\n%2", "the explanation, then the attempts").arg(now.explanation, attempts));
}

// The game's seal, its first digits: enough to note before the first guess, and to find again
// in the seals window, which shows it whole.
void MainWindow::announceSeal()
{
    if (game_.attempt() != Game::NoGame) {
        const QString start = VerifyTexts::grouped(game_.seal().left(Seal::NotedDigits));
        announcer_->announce(tr("Печать игры начинается с %1.").arg(start),
                             tr("Вся печать — в окне «Проверка» из меню."));
    } else if (game_.score()) {
        announcer_->announce(tr("Игра окончена. Её картинки и секрет — в окне «Проверка»: по "
                                "ним проверяют печать, записанную до первого ответа."));
    } else {
        announcer_->announce(tr("Печать появится, когда начнётся игра."));
    }
}

// Before any game, the status label says the mode only in training: the test's starts blank.
QString MainWindow::modeShown() const
{
    return game_.training() ? tr("Тренировка") : QString(BlankStatusLength, u' ');
}

// What a picture button says while no game runs, for those who cannot see the prompt missing.
QString MainWindow::levelFirst()
{
    return tr("Сначала выберите уровень.");
}

void MainWindow::pressPicture(int picture)
{
    if (game_.attempt() == Game::NoGame)
        announcer_->announce(levelFirst());
    else
        game_.guess(picture);
}

void MainWindow::describePictures()
{
    const QString description =
        game_.attempt() == Game::NoGame
            ? tr("%1 %2", "what to do first, then the keys").arg(levelFirst(), keysSpoken())
            : QString();
    for (QPushButton *button : pictureButtons_)
        FocusDescription::set(button, description);
}
