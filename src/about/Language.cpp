#include "about/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString english = QStringLiteral("en");
QString spoken = english;

// The catalogue of a language as Qt's translation files name it: "pt_BR".
QString catalogueName(QString language)
{
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    const qsizetype separator = language.indexOf(QLatin1Char('_'));
    if (separator < 0)
        return language.toLower();
    return language.left(separator).toLower() + QLatin1Char('_') + language.mid(separator + 1).toUpper();
}

// The catalogue for one language, or nothing: the language itself, else its
// country's catalogue of the same language ("pt" takes "pt_BR").
QString catalogueFor(const QString &language)
{
    const QString name = catalogueName(language);
    const QStringList catalogues = Language::available();
    if (catalogues.contains(name))
        return name;
    const QString base = name.section(QLatin1Char('_'), 0, 0);
    if (catalogues.contains(base))
        return base;
    for (const QString &catalogue : catalogues) {
        if (catalogue.section(QLatin1Char('_'), 0, 0) == base)
            return catalogue;
    }
    return {};
}

// Installs `translator`, which the application keeps until it ends.
bool installed(QTranslator *translator, bool loaded)
{
    if (loaded && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList Language::available()
{
    return {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("it"),
            QStringLiteral("pt_BR")};
}

QString Language::choose(const QString &asked, const QStringList &uiLanguages)
{
    if (!asked.isEmpty()) {
        const QString catalogue = catalogueFor(asked);
        return catalogue.isEmpty() ? english : catalogue;
    }
    for (const QString &language : uiLanguages) {
        // English asked for before any other: the source's.
        if (catalogueName(language).section(QLatin1Char('_'), 0, 0) == english)
            return english;
        const QString catalogue = catalogueFor(language);
        if (!catalogue.isEmpty())
            return catalogue;
    }
    return english;
}

QString Language::askedIn(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--language") && i + 1 < arguments.size())
            return arguments[i + 1];
        if (argument.startsWith(QLatin1String("--language=")))
            return argument.section(QLatin1Char('='), 1);
    }
    return {};
}

QString Language::install(const QString &language)
{
    auto *program = new QTranslator(QCoreApplication::instance());
    if (language == english
        || !installed(program, program->load(QStringLiteral(":/translations/skylyre_") + language))) {
        spoken = english;
        return spoken;
    }
    // Qt's catalogue beside the program (Windows), else where Qt keeps it.
    // Without it Qt's own words stay English.
    auto *qt = new QTranslator(QCoreApplication::instance());
    const QString name = QStringLiteral("qtbase_") + language;
    installed(qt,
              qt->load(name, QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))
                  || qt->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    spoken = language;
    return spoken;
}

QString Language::current()
{
    return spoken;
}
