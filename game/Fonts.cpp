#include "Fonts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Fonts
{

QFont sans(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(QStringList{u"MS Sans Serif"_s, u"Liberation Sans"_s, u"Arimo"_s, u"Arial"_s,
                                 u"DejaVu Sans"_s});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont serif(int pixelSize)
{
    QFont font;
    font.setFamilies(
        QStringList{u"Times New Roman"_s, u"Liberation Serif"_s, u"Tinos"_s, u"DejaVu Serif"_s});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace Fonts
