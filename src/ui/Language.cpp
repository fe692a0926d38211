// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

using namespace Qt::StringLiterals;

namespace Language
{

namespace
{

Choice chosen = Choice::Russian;

} // namespace

Choice choose(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language == u"ru")
            return Choice::Russian;
        if (language == u"en")
            return Choice::English;
    }
    return Choice::Russian;
}

QLocale locale(Choice choice)
{
    return choice == Choice::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                     : QLocale(QLocale::Russian, QLocale::Russia);
}

Choice current()
{
    return chosen;
}

QString helpDocument(Choice choice)
{
    return choice == Choice::English ? u"Help.html"_s : u"Справка.html"_s;
}

void install(Choice choice)
{
    chosen = choice;
    static QTranslator *installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    QLocale::setDefault(locale(choice));
    auto translator = std::make_unique<QTranslator>();
    const QString file =
        choice == Choice::English ? u":/i18n/chuikomer_en.qm"_s : u":/i18n/chuikomer_ru.qm"_s;
    if (translator->load(file) && QCoreApplication::installTranslator(translator.get()))
        installed = translator.release();
}

void installForUser()
{
    install(choose(QLocale::system().uiLanguages()));
}

} // namespace Language
