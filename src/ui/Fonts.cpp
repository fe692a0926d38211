// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace Fonts
{

namespace
{

// The first face of the list that is installed. Naming just that one face spares Qt a
// fallback search for each missing name of the list at every font size: a sizeable share of
// the start-up time. The installed families are looked through directly: hasFamily() would
// ask fontconfig to resolve each name as an alias, which costs more than all the rest.
QString firstInstalled(const QStringList &faces)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &face : faces)
        if (installed.contains(face, Qt::CaseInsensitive))
            return face;
    return faces.constLast();
}

QFont face(const QString &family, QFont::StyleHint hint, int pixelSize)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont sans(int pixelSize, bool bold)
{
    static const QString family = firstInstalled(
        {u"MS Sans Serif"_s, u"Liberation Sans"_s, u"Arimo"_s, u"Arial"_s, u"DejaVu Sans"_s});
    QFont font = face(family, QFont::SansSerif, pixelSize);
    font.setBold(bold);
    return font;
}

QFont serif(int pixelSize)
{
    static const QString family = firstInstalled(
        {u"Times New Roman"_s, u"Liberation Serif"_s, u"Tinos"_s, u"DejaVu Serif"_s});
    return face(family, QFont::Serif, pixelSize);
}

} // namespace Fonts
