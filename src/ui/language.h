// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of the window program: its own catalogue (built into the
// program) and Qt's for the standard dialogs and buttons (installed with
// Qt), chosen from the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG) or from --lang for one run. English needs no catalogue: it is the
// text of the program itself, and what any missing translation shows.

#include <QLocale>
#include <QString>
#include <QStringList>

// The language asked for with "--lang CODE" or "--lang=CODE" (the last one
// given); empty when there is none.
QString LanguageArgument(const QStringList& arguments);

// The arguments without "--lang" and its code, for the rest of the start.
QStringList WithoutLanguageArgument(const QStringList& arguments);

// Installs the catalogues for a language code ("de", "ja_JP"); an empty
// code means the desktop's languages in their order. Replaces what an
// earlier call installed. Returns the language of the program's catalogue
// now in use ("de"), or an empty text when the program speaks English.
QString InstallTranslations(const QString& code = QString());
