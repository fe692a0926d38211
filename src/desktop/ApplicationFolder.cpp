#include "ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace ApplicationFolder
{

QString programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString withSeparator(QString folder)
{
    const QChar separator = folder.contains(u'\\') ? u'\\' : u'/';
    if (folder.isEmpty() || folder.back() != separator)
        folder += separator;
    return folder;
}

QString find()
{
    return withSeparator(programFolder());
}

} // namespace ApplicationFolder
