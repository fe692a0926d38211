#pragma once

#include "Desktop.h"
#include "Game.h"

#include <memory>

class MainWindow;

// The program put together: the main window, and the desktop that its help, About link and
// Exit commands go to.
class Application
{
public:
    explicit Application(Desktop desktop, Game::Draw draw);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Shows the main window and dispatches the events waiting for it.
    void start();

    MainWindow &mainWindow() { return *window_; }
    const Desktop &desktop() const { return desktop_; }

    // Ends the event loop at once: no question, nothing saved, no window told.
    static void exit();

private:
    void showAbout();

    Desktop desktop_;
    std::unique_ptr<MainWindow> window_;
};
