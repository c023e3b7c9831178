#pragma once

#include <QString>
#include <QStringList>

// The language the programs speak: the one asked for with --language, else
// the first of the user's languages (QLocale::uiLanguages: LANGUAGE and LANG
// on Linux, the display language on Windows) that there is a catalogue for,
// else English, the language of the source. Qt's own words (the buttons of a
// message box, the file dialog) come from Qt's catalogue of that language.
namespace Language {

// The languages there are catalogues for, besides English: "de", "es", ...
QStringList available();

// The catalogue for `asked` ("de", "pt-BR", "pt_BR"), or, when that is
// empty, for the first of `uiLanguages` that has one: "de", "pt_BR"; "en"
// for English and for a language without a catalogue.
QString choose(const QString &asked, const QStringList &uiLanguages);

// The language --language asks for in `arguments` (a program's whole command
// line), read before the command line is: its help is in that language.
QString askedIn(const QStringList &arguments);

// Installs the program's catalogue and Qt's for `language` (as choose()
// names it) into the running application. Returns the language spoken:
// "en" when there is no catalogue for it.
QString install(const QString &language);

// The language installed last; "en" before any.
QString current();

} // namespace Language
