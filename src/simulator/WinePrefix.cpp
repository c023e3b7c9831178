#include "simulator/WinePrefix.h"

#include "files/FileNames.h"
#include "files/FileOperations.h"
#include "simulator/ExpandedVariables.h"

namespace {

const QString fs2004Key = QStringLiteral("Microsoft Games\\Flight Simulator\\9.0");

// The values named `name` (in any case) under any of `keys`.
QList<WineRegistryString> valuesNamed(QByteArrayView file, const QStringList &keys, const QString &name)
{
    QList<WineRegistryString> values = wineRegistryStrings(file, keys);
    values.removeIf([&name](const WineRegistryString &value) {
        return value.name.compare(name, Qt::CaseInsensitive) != 0;
    });
    return values;
}

QString firstText(const QList<WineRegistryString> &values, const QString &otherwise)
{
    return values.isEmpty() ? otherwise : values.constFirst().text;
}

} // namespace

WinePrefix::WinePrefix(const QString &path)
    : path(path)
{
    FileError unread;
    readWholeFile(path + QStringLiteral("/system.reg"), &systemReg, &unread);
    readWholeFile(path + QStringLiteral("/user.reg"), &userReg, &unread);
}

QStringList WinePrefix::namedInstallFolders() const
{
    const QList<WineRegistryString> values =
        valuesNamed(userReg, {QStringLiteral("Software\\Microsoft\\") + fs2004Key},
                    QStringLiteral("EXE Path"))
        + machineValues(fs2004Key, QStringLiteral("EXE Path"))
        + machineValues(QStringLiteral("Windows\\CurrentVersion\\Uninstall\\Flight Simulator 9.0"),
                        QStringLiteral("InstallLocation"))
        + machineValues(QStringLiteral("DirectPlay\\Applications\\Microsoft Flight Simulator 2004"),
                        QStringLiteral("Path"));
    QStringList folders;
    for (const WineRegistryString &value : values)
        folders << hostPath(expanded(value));
    return folders;
}

int WinePrefix::codePage() const
{
    const QString acp = firstText(
        valuesNamed(systemReg, {QStringLiteral("System\\CurrentControlSet\\Control\\Nls\\CodePage")},
                    QStringLiteral("ACP")),
        {});
    bool ok = false;
    const int codePage = acp.toInt(&ok);
    return ok && codePage > 0 ? codePage : 1252;
}

QString WinePrefix::hostPath(const QString &windowsPath) const
{
    if (windowsPath.size() < 2 || !windowsPath[0].isLetter() || windowsPath[1] != QLatin1Char(':'))
        return {};
    return existingCaseOfPath(path + QStringLiteral("/dosdevices"), windowsPath);
}

// A key of the machine's below "Software\Microsoft": in its 32-bit view
// (Wow6432Node) first, which a 64-bit prefix has, then in its own.
QList<WineRegistryString> WinePrefix::machineValues(const QString &keyBelowMicrosoft,
                                                    const QString &name) const
{
    return valuesNamed(systemReg,
                       {QStringLiteral("Software\\Wow6432Node\\Microsoft\\") + keyBelowMicrosoft,
                        QStringLiteral("Software\\Microsoft\\") + keyBelowMicrosoft},
                       name);
}

// As ExpandEnvironmentStrings would for FS2004: each %name% that the
// environment knows (in any case) by its value, the others as they are.
QString WinePrefix::expanded(const WineRegistryString &value) const
{
    if (!value.expandable)
        return value.text;
    const QHash<QString, QString> variables = environment();
    const auto valueOf = [&variables](const QString &name) { return variables.value(name.toLower()); };
    // Twice, for a variable whose value names another (windir: %SystemRoot%).
    return expandedVariables(expandedVariables(value.text, valueOf), valueOf);
}

// The environment a 32-bit program gets in the prefix: Windows' own folders,
// then the machine's variables and the user's, by their names in lower case.
QHash<QString, QString> WinePrefix::environment() const
{
    const QStringList currentVersion{QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion")};
    const QString programFiles =
        firstText(valuesNamed(systemReg, currentVersion, QStringLiteral("ProgramFilesDir (x86)"))
                      + valuesNamed(systemReg, currentVersion, QStringLiteral("ProgramFilesDir")),
                  QStringLiteral("C:\\Program Files"));
    QHash<QString, QString> variables{
        {QStringLiteral("systemdrive"), QStringLiteral("C:")},
        {QStringLiteral("systemroot"), QStringLiteral("C:\\windows")},
        {QStringLiteral("programfiles"), programFiles},
    };
    const auto add = [&variables](QByteArrayView file, const QString &key) {
        for (const WineRegistryString &value : wineRegistryStrings(file, {key}))
            variables.insert(value.name.toLower(), value.text);
    };
    add(systemReg, QStringLiteral("System\\CurrentControlSet\\Control\\Session Manager\\Environment"));
    add(userReg, QStringLiteral("Environment"));
    return variables;
}
