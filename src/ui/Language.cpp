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
bool installedAny = false;

QString translationFile(Choice choice)
{
    return choice == Choice::English ? u":/i18n/chuikomer_en.qm"_s : u":/i18n/chuikomer_ru.qm"_s;
}

Choice userChoice()
{
    return choose(QLocale::system().uiLanguages());
}

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
    // None the program speaks: English is read more widely than Russian. A system that names
    // no language at all (C, POSIX) gets the program's own texts.
    if (uiLanguages.isEmpty())
        return Choice::Russian;
    const QString first = uiLanguages.constFirst().toUpper();
    return first == u"C" || first == u"POSIX" ? Choice::Russian : Choice::English;
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
    installedAny = true;
    static QTranslator *installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    QLocale::setDefault(locale(choice));
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(translationFile(choice)) &&
        QCoreApplication::installTranslator(translator.get()))
        installed = translator.release();
}

void installForUser()
{
    install(userChoice());
}

QString translate(const char *context, const char *source)
{
    if (installedAny)
        return QCoreApplication::translate(context, source);
    // Looked up directly until a language is installed, which needs the application object.
    static const std::unique_ptr<QTranslator> early = [] {
        auto translator = std::make_unique<QTranslator>();
        return translator->load(translationFile(userChoice())) ? std::move(translator) : nullptr;
    }();
    const QString text = early ? early->translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

} // namespace Language
