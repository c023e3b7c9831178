#pragma once

#include <QStringList>

class QCommandLineParser;

// Sets up the command line that every program of Skylyre Configurator reads:
// --help, which shows `description` (marked with QT_TRANSLATE_NOOP in the
// context "CommandLine"), --version, the release's version and the maker's
// site, and --language, the language to speak. The program adds its own
// options, if it has any, and then calls parser.process(app): that answers
// --help and --version, or says what is wrong with the line (an unknown
// option, say), and ends the program, with a non-zero exit code for a wrong
// line, before anything else starts.
void setUpCommandLine(QCommandLineParser &parser, const char *description);

// Speaks the language that --language in `arguments` asks for, else the
// system's (Language.h), from here on.
void speakAskedLanguage(const QStringList &arguments);

// A program with windows needs a display as soon as its QApplication exists.
// This answers a line that asks for --help or --version before that, so that
// they work without a display too, and ends the program then; it returns when
// the line asks for anything else, which the program's own parser then reads.
void answerHelpOrVersion(int &argc, char **argv, const char *description);
