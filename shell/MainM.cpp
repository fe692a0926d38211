#include "MainM.h"

#include "OpURL.h"
#include "TimeSeededDraw.h"
#include "frmForma.h"
#include "frmOprog.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace MainM
{

QString AppFolder;

namespace
{
// Lives from start-up until the event loop ends, and goes before the application object.
frmForma *mainWindow = nullptr;
} // namespace

QString WithSeparator(QString folder)
{
    const QChar separator = folder.contains(u'\\') ? u'\\' : u'/';
    if (folder.isEmpty() || folder.back() != separator)
        folder += separator;
    return folder;
}

QString ProgramFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

frmForma *Forma()
{
    return mainWindow;
}

void Main()
{
    AppFolder = WithSeparator(ProgramFolder());
    if (!mainWindow) {
        mainWindow = new frmForma(TimeSeededDraw{});
        QObject::connect(mainWindow, &frmForma::exitCommand, &Exit);
        QObject::connect(mainWindow, &frmForma::helpCommand, &OpURL::OpenHelp);
        QObject::connect(mainWindow, &frmForma::aboutCommand, mainWindow,
                         [] { ShowAbout(mainWindow); });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
            delete mainWindow;
            mainWindow = nullptr;
        });
    }
    frmForma &window = *mainWindow;
    window.show();
    QCoreApplication::processEvents();
}

void Exit()
{
    QCoreApplication::exit(0);
}

} // namespace MainM
