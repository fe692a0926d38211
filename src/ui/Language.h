// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QStringList>

// The language the player reads. The program's own texts are Russian; English comes from a
// translation built into the program. Numbers follow the language chosen.
namespace Language
{

enum class Choice { Russian, English };

// The first of `uiLanguages` ("en-GB", "ru", "C", as QLocale::uiLanguages() gives them) that
// the program speaks. When none is, English for a language it does not speak ("de-DE"), and
// Russian, its own, where the system names none ("C", "POSIX", nothing).
Choice choose(const QStringList &uiLanguages);

// The locale that writes the numbers of `choice`: "30,8 %" or "30.8%".
QLocale locale(Choice choice);

// Installs the translation for `choice` into the running application, in place of the one
// installed before, and makes its locale the default. The Russian one holds only the plural
// forms that a source text cannot.
void install(Choice choice);
// Installs the language the user reads, as the system locale tells it from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG.
void installForUser();
// The language installed last; Russian before any.
Choice current();

// `source` of `context` in the language installed, or, before any is (Qt's tr() then knows no
// translation, and cannot before the application object exists), in the language the user
// reads.
QString translate(const char *context, const char *source);

// The help document in that language, beside the program: "Справка.html", "Help.html".
QString helpDocument(Choice choice);

} // namespace Language
