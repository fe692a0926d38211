// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Probes.h"

#include "Application.h"
#include "ApplicationFolder.h"
#include "Language.h"
#include "MainWindow.h"
#include "ProgramInfo.h"
#include "RecordFile.h"
#include "RecordLine.h"
#include "SealedDraw.h"
#include "Sha256.h"
#include "SystemHash.h"
#include "Stats.h"
#include "SystemRandom.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{

// The same top-level window and menu bar as the game's, with nothing inside.
class BareWindow : public QMainWindow
{
public:
    BareWindow()
    {
        setWindowTitle(u"Чуйкомер"_s);
        content = new QWidget(this);
        content->setFixedSize(MainWindow::ClientSize);
        setCentralWidget(content);
        QMenu *menu = menuBar()->addMenu(u"Меню"_s);
        QAction *exit = menu->addAction(u"Выход"_s);
        QMenu *help = menuBar()->addMenu(u"Справка"_s);
        QAction *call = help->addAction(u"Вызов справки"_s);
        call->setShortcut(Qt::Key_F1);
        call->setShortcutContext(Qt::WindowShortcut);
        help->addAction(u"О программе"_s);
        connect(exit, &QAction::triggered, qApp, &QCoreApplication::quit);
    }

    QWidget *content;
};

// Waits for the pass that paints both the window and its content. It watches the whole
// application because the game's window is created inside the program's own start-up.
class FirstFrame : public QObject
{
public:
    using Match = std::function<bool(const QObject *)>;

    FirstFrame(Match window, Match content, std::int64_t mainNs)
        : window_(std::move(window)), content_(std::move(content)), mainNs_(mainNs)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || reported_)
            return false;
        windowPainted_ = windowPainted_ || window_(watched);
        contentPainted_ = contentPainted_ || content_(watched);
        if (windowPainted_ && contentPainted_) {
            reported_ = true;
            // Queued, so the stamp falls after the whole pass, the flush to the screen included.
            QMetaObject::invokeMethod(
                this, [this] { report(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    [[noreturn]] void report() const
    {
        const std::int64_t frameNs = Bench::nowNs();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        char line[128];
        const int n = std::snprintf(line, sizeof line, "STARTUP %" PRId64 " %" PRId64 " %ld\n",
                                    mainNs_, frameNs, usage.ru_maxrss);
        [[maybe_unused]] const ssize_t written = ::write(STDOUT_FILENO, line, n);
        // No tear-down: it is not part of the start-up and would only slow the runs.
        _exit(0);
    }

    Match window_;
    Match content_;
    std::int64_t mainNs_;
    bool windowPainted_ = false;
    bool contentPainted_ = false;
    bool reported_ = false;
};

class PaintSeen : public QObject
{
public:
    bool seen = false;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

// A left click as the window system would deliver it, so the pressed look is drawn too.
void mouseClick(QAbstractButton *button)
{
    const QPointF pos = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(button, &release);
}

// Spins rather than sleeps, so that wake-up latency does not count as drawing time.
bool processUntil(const bool &flag)
{
    const std::int64_t deadline = Bench::nowNs() + std::int64_t{5'000'000'000};
    while (!flag) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (Bench::nowNs() > deadline)
            return false;
    }
    return true;
}

// Paints of the widget with this object name, wherever it is.
class NamedPaint : public QObject
{
public:
    explicit NamedPaint(QString name) : name_(std::move(name)) {}
    bool seen = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == name_)
            seen = true;
        return false;
    }

private:
    QString name_;
};

// The games of a blind guesser at the three levels in turn, with the same seed every run.
bool writeRecord(const QString &path, int games)
{
    std::mt19937 random(1);
    FinishedGame game;
    game.playedAt = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    QByteArray text = RecordLine::header();
    QByteArray previous = text.chopped(1);
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < games; ++i) {
        game.level = Level::all()[std::size_t(i % Level::Count)];
        std::uniform_int_distribution<int> picture(0, game.offeredPictures() - 1);
        for (int n = 0; n < Game::Attempts; ++n) {
            game.hidden[n] = picture(random);
            game.guessed[n] = picture(random);
        }
        for (auto &byte : game.secret)
            byte = std::uint8_t(random());
        game.game = QByteArray::number(0x1000000000000000ull + quint64(i), 16);
        game.playedAt = game.playedAt.addSecs(60);
        previous = RecordLine::chained(previous, RecordLine::serialise(game)).chopped(1);
        text += previous + '\n';
        if (text.size() > (1 << 20) && file.write(text) == text.size())
            text.clear();
    }
    return file.write(text) == text.size() && file.flush();
}

// A private data folder, so that the games a probe plays never reach the user's record.
std::unique_ptr<QTemporaryDir> privateDataHome()
{
    auto home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(home->path()));
    return home;
}

long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void nameApplication()
{
    // As main() hands the hashes to the system's own engine before anything else.
    Sha256::useEngine(&SystemHash::sha256);
    // As the program itself names the application before its window exists.
    QApplication::setApplicationName(QString::fromUtf16(ProgramInfo::AppId));
    QApplication::setDesktopFileName(QString::fromUtf16(ProgramInfo::AppId));
}

// The program as main() puts it together.
std::unique_ptr<Application> startProgram()
{
    auto program = std::make_unique<Application>(Desktop(ApplicationFolder::find()),
                                                 SealedDraw(SystemRandom::fill).random());
    return program;
}

int failed(const char *what)
{
    std::fprintf(stderr, "chuikomer_bench: %s\n", what);
    return 1;
}

bool startLevelThree(MainWindow *form, const Game &game, PaintSeen &board)
{
    board.seen = false;
    mouseClick(form->findChild<QPushButton *>(u"kLevel_2"_s));
    return game.attempt() == 1 && processUntil(board.seen);
}

// Null if the guess was taken and the board repainted, else what went wrong.
const char *timeGuess(MainWindow *form, const Game &game, PaintSeen &board, int picture,
                      double *micros)
{
    const int before = game.attempt();
    QAbstractButton *button = form->findChild<QPushButton *>(u"Command1_%1"_s.arg(picture));
    board.seen = false;
    const std::int64_t start = Bench::nowNs();
    mouseClick(button);
    if (!processUntil(board.seen))
        return "the board was not repainted after a guess";
    // Taken once the pass that painted the board has returned, its flush included.
    const std::int64_t end = Bench::nowNs();
    if (game.attempt() == before)
        return "a guess was not taken";
    *micros = static_cast<double>(end - start) / 1000.0;
    return nullptr;
}

// Guesses at the third level, a new game whenever one ends; null, or what went wrong.
const char *timeGuesses(MainWindow *form, const Game &game, PaintSeen &board, int count,
                        std::vector<double> *micros)
{
    // The first clicks warm caches and the button style; they are not counted.
    const int warmUp = 20;
    micros->reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < warmUp + count; ++i) {
        if (game.attempt() == Game::NoGame && !startLevelThree(form, game, board))
            return "choosing the level again did not start a game";
        double guess = 0;
        if (const char *error = timeGuess(form, game, board, i % 15, &guess))
            return error;
        if (i >= warmUp)
            micros->push_back(guess);
    }
    return nullptr;
}

// Monotonic nanoseconds and peak RSS around the opening of the statistics window.
struct Opening {
    long rssBeforeKiB = 0;
    std::int64_t start = 0;
    std::int64_t painted = 0;
    std::int64_t loaded = 0;
    long rssLoadedKiB = 0;
    // The longest pass while the record was read, and the longest from the one that hands the
    // figures over, which works them all out at once, until they are painted.
    std::int64_t longestStall = 0;
    std::int64_t handOver = 0;
};

// Returns when the last pass ended, so that the next one is timed from there.
std::int64_t watchReading(const QWidget *reading, Opening *opening)
{
    std::int64_t last = Bench::nowNs();
    const std::int64_t deadline = last + std::int64_t{600'000'000'000};
    while (reading && !reading->isHidden() && last < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const std::int64_t now = Bench::nowNs();
        // The pass that hands the figures over is told apart: it sums them up for the window.
        std::int64_t &longest = reading->isHidden() ? opening->handOver : opening->longestStall;
        longest = std::max(longest, now - last);
        last = now;
    }
    return last;
}

// The window lays itself out and paints the new figures in the passes that follow.
void watchSettling(std::int64_t last, Opening *opening)
{
    for (const std::int64_t settled = opening->loaded + 300'000'000; last < settled;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const std::int64_t now = Bench::nowNs();
        opening->handOver = std::max(opening->handOver, now - last);
        last = now;
    }
}

// False if the window was never painted. While a long record is read it shows how far, and
// the chart only once there is something to draw.
bool openStatistics(MainWindow *form, NamedPaint &window, Opening *opening)
{
    opening->rssBeforeKiB = peakRssKiB();
    opening->start = Bench::nowNs();
    form->findChild<QAction *>(u"MenuStatistics"_s)->trigger();
    if (!processUntil(window.seen))
        return false;
    opening->painted = Bench::nowNs();
    // A long record is read beside the window, which shows how far until the figures come.
    const QWidget *shown = form->findChild<QWidget *>(u"StatisticsWindow"_s);
    const QWidget *reading = shown ? shown->findChild<QWidget *>(u"Reading"_s) : nullptr;
    const std::int64_t last = watchReading(reading, opening);
    opening->loaded = Bench::nowNs();
    watchSettling(last, opening);
    opening->rssLoadedKiB = peakRssKiB();
    return true;
}

// Games finished with the window open: the last guess until the chart is painted again.
bool timeFinishedGames(MainWindow *form, NamedPaint &chart, std::vector<double> *micros)
{
    for (int g = 0; g < 10; ++g) {
        mouseClick(form->findChild<QPushButton *>(u"kLevel_0"_s));
        for (int n = 0; n < Game::Attempts - 1; ++n)
            mouseClick(form->findChild<QPushButton *>(u"Command1_%1"_s.arg(n % 5)));
        QCoreApplication::processEvents();
        chart.seen = false;
        const std::int64_t guessed = Bench::nowNs();
        mouseClick(form->findChild<QPushButton *>(u"Command1_0"_s));
        if (!processUntil(chart.seen))
            return false;
        micros->push_back(double(Bench::nowNs() - guessed) / 1000.0);
    }
    return true;
}

void printStatistics(const Opening &opening, qint64 recordBytes, const std::vector<double> &perGame,
                     const Opening &again)
{
    std::printf("STATISTICS %lld %ld %ld %lld %lld %lld %.0f %.0f %lld %lld\n",
                static_cast<long long>((opening.painted - opening.start) / 1000),
                opening.rssBeforeKiB, opening.rssLoadedKiB, static_cast<long long>(recordBytes),
                static_cast<long long>((opening.loaded - opening.start) / 1000),
                static_cast<long long>(opening.longestStall / 1000), Bench::median(perGame),
                Bench::percentile(perGame, 100), static_cast<long long>(opening.handOver / 1000),
                static_cast<long long>((again.loaded - again.start) / 1000));
    std::fflush(stdout);
}

} // namespace

namespace Probes
{

int startup(int &argc, char **argv, Window window, std::int64_t mainNs)
{
    QApplication application(argc, argv);
    nameApplication();
    if (window == Window::Game) {
        // The window is created inside the start-up, so it is recognised by its names.
        FirstFrame probe([](const QObject *o) { return o->objectName() == u"frmForma"_s; },
                         [](const QObject *o) { return o->objectName() == u"WebBrowser1"_s; },
                         mainNs);
        application.installEventFilter(&probe);
        Language::install(Language::choose(QLocale::system().uiLanguages()));
        const auto program = startProgram();
        program->start();
        return QApplication::exec();
    }
    BareWindow bare;
    FirstFrame probe([&](const QObject *o) { return o == &bare; },
                     [&](const QObject *o) { return o == bare.content; }, mainNs);
    application.installEventFilter(&probe);
    bare.show();
    QCoreApplication::processEvents();
    return QApplication::exec();
}

int translation(int &argc, char **argv, Language::Choice language)
{
    QApplication application(argc, argv);
    nameApplication();
    const std::int64_t before = Bench::nowNs();
    Language::install(language);
    const std::int64_t after = Bench::nowNs();
    QByteArray out = "TRANSLATION " + QByteArray::number(after - before) + '\n';
    // Where Qt's own translation tools put what they compile into the program. An empty one
    // costs nothing to load, so the report tells them apart.
    const QDir compiled(u":/i18n"_s, u"*.qm"_s, QDir::Name, QDir::Files);
    for (const QFileInfo &file : compiled.entryInfoList()) {
        QTranslator messages;
        const bool empty = !messages.load(file.filePath()) || messages.isEmpty();
        out += "QM " + QByteArray::number(file.size()) + ' ' + (empty ? '0' : '1') + ' ' +
               QFile::encodeName(file.fileName()) + '\n';
    }
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    std::fflush(stdout);
    return 0;
}

int clicks(int &argc, char **argv, int count)
{
    const auto home = privateDataHome();
    QApplication application(argc, argv);
    nameApplication();
    const auto program = startProgram();
    program->start();
    MainWindow *form = &program->mainWindow();
    QWidget *boardView = form->findChild<QWidget *>(u"picRezultat"_s);
    PaintSeen board;
    boardView->installEventFilter(&board);
    // The first frame may already be out by now; ask for one more to know the window is up.
    boardView->update();
    if (!processUntil(board.seen))
        return failed("the board was never painted; is the window shown?");
    if (!startLevelThree(form, program->game(), board))
        return failed("choosing the third level did not start a game");

    std::vector<double> micros;
    if (const char *error = timeGuesses(form, program->game(), board, count, &micros))
        return failed(error);
    // Not printf: the application has set the C library's locale to the user's, and a decimal
    // comma would end the driver's reading of the number.
    QByteArray line = "CLICKS " + QByteArray::number(count);
    for (const double figure : {Bench::median(micros), Bench::percentile(micros, 95),
                                Bench::percentile(micros, 0), Bench::percentile(micros, 100)})
        line += ' ' + QByteArray::number(figure, 'f', 1);
    line += '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    std::fflush(stdout);
    // Through the event loop, so the program's own clean-up on quitting runs as usual.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return QApplication::exec();
}

int statistics(int &argc, char **argv, int games)
{
    auto home = privateDataHome();
    QApplication application(argc, argv);
    nameApplication();
    const QString path = RecordFile::defaultPath();
    if (!writeRecord(path, games)) {
        std::fprintf(stderr, "chuikomer_bench: cannot write the record %s\n", qPrintable(path));
        return 1;
    }
    const auto program = startProgram();
    program->start();
    MainWindow *form = &program->mainWindow();
    PaintSeen shown;
    form->installEventFilter(&shown);
    form->update();
    NamedPaint window(u"StatisticsWindow"_s);
    application.installEventFilter(&window);
    NamedPaint chart(u"StatisticsChart"_s);
    application.installEventFilter(&chart);
    if (!processUntil(shown.seen))
        return failed("the main window was never painted");

    Opening opening;
    if (!openStatistics(form, window, &opening))
        return failed("the statistics window was never painted");
    std::vector<double> perGame;
    if (!timeFinishedGames(form, chart, &perGame))
        return failed("a finished game did not reach the chart");
    // Opened again in the same run: the figures kept since, with the games added.
    form->findChild<QWidget *>(u"StatisticsWindow"_s)->close();
    QCoreApplication::processEvents();
    Opening again;
    if (!openStatistics(form, window, &again))
        return failed("the statistics window was never painted again");
    // After the games, which the record has grown by.
    printStatistics(opening, QFileInfo(path).size(), perGame, again);
    home.reset();
    _exit(0);
}

} // namespace Probes
