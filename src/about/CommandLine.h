#pragma once

class QCommandLineParser;
class QString;

// Sets up the command line that every program of Skylyre Configurator reads:
// --help, which shows the description, and --version, the release's version.
// The program adds its own options, if it has any, and then calls
// parser.process(app): that answers --help and --version, or says what is
// wrong with the line (an unknown option, say), and ends the program, with a
// non-zero exit code for a wrong line, before anything else starts.
void setUpCommandLine(QCommandLineParser &parser, const QString &description);

// A program with windows needs a display as soon as its QApplication exists.
// This answers a line that asks for --help or --version before that, so that
// they work without a display too, and ends the program then; it returns when
// the line asks for anything else, which parser.process(app) then reads.
void answerHelpOrVersion(QCommandLineParser &parser, int &argc, char **argv);
