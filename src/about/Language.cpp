#include "about/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

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

// The catalogues installed: the program's, then Qt's.
std::vector<std::unique_ptr<QTranslator>> &catalogues()
{
    static std::vector<std::unique_ptr<QTranslator>> installed;
    return installed;
}

// Installs a catalogue of `name` (a resource, or a file in one of `folders`).
bool installed(const QString &name, const QStringList &folders)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString &folder : folders) {
        if (translator->load(name, folder) && QCoreApplication::installTranslator(translator.get())) {
            catalogues().push_back(std::move(translator));
            return true;
        }
    }
    return false;
}

} // namespace

QStringList Language::available()
{
    // The catalogues the build embedded: ":/translations/skylyre_de.qm", ...
    const QString prefix = QStringLiteral("skylyre_");
    const QString suffix = QStringLiteral(".qm");
    QStringList languages;
    for (const QString &file : QDir(QStringLiteral(":/translations")).entryList({prefix + '*' + suffix}))
        languages.append(file.sliced(prefix.size()).chopped(suffix.size()));
    return languages;
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
    for (const std::unique_ptr<QTranslator> &catalogue : catalogues())
        QCoreApplication::removeTranslator(catalogue.get());
    catalogues().clear();
    spoken = english;
    if (language == english
        || !installed(QStringLiteral("skylyre_") + language, {QStringLiteral(":/translations")}))
        return spoken;
    // Qt's catalogue beside the program (Windows), else where Qt keeps it.
    // Without it Qt's own words stay English.
    installed(QStringLiteral("qtbase_") + language,
              {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    spoken = language;
    return spoken;
}

QString Language::current()
{
    return spoken;
}
