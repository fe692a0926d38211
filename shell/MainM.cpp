#include "MainM.h"

#include "TimeSeededDraw.h"
#include "frmForma.h"

#include <QCoreApplication>
#include <QDir>
#include <memory>

using namespace Qt::StringLiterals;

namespace MainM {

QString AppFolder;

namespace {
std::unique_ptr<frmForma> mainWindow;
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
    return mainWindow.get();
}

void Main()
{
    AppFolder = WithSeparator(ProgramFolder());
    if (!mainWindow) {
        mainWindow = std::make_unique<frmForma>(TimeSeededDraw{});
        QObject::connect(mainWindow.get(), &frmForma::exitCommand, &Exit);
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
