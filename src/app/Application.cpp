#include "Application.h"

#include "AboutWindow.h"
#include "MainWindow.h"

#include <QCoreApplication>

Application::Application(Desktop desktop, Game::Draw draw)
    : desktop_(std::move(desktop)), window_(std::make_unique<MainWindow>(std::move(draw)))
{
    QObject::connect(window_.get(), &MainWindow::exitRequested, &Application::exit);
    QObject::connect(window_.get(), &MainWindow::helpRequested, window_.get(),
                     [this] { desktop_.openHelp(); });
    QObject::connect(window_.get(), &MainWindow::aboutRequested, window_.get(),
                     [this] { showAbout(); });
}

Application::~Application() = default;

void Application::start()
{
    window_->show();
    QCoreApplication::processEvents();
}

void Application::exit()
{
    QCoreApplication::exit(0);
}

// A new window at each opening, modal over the main window, gone once closed.
void Application::showAbout()
{
    AboutWindow about(window_.get());
    QObject::connect(&about, &AboutWindow::siteLinkActivated, &about,
                     [this](const QString &url) { desktop_.openUrl(url); });
    about.exec();
}
