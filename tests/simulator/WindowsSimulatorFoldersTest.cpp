#include "simulator/WindowsSimulatorFolders.h"

#include "LabelledFolderPrint.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <qt_windows.h>

#include <vector>

namespace {

// The test's own key takes the place of SOFTWARE for the user and for the
// machine, whose 32-bit view (where FS2004, a 32-bit program, has its keys)
// is apart from its 64-bit view on 64-bit Windows.
const QString testKey = "SOFTWARE\\Skylyre Configurator Tests";
const QString fs2004 = "Microsoft Games\\Flight Simulator\\9.0";
const QString uninstall = "Windows\\CurrentVersion\\Uninstall\\Flight Simulator 9.0";
const QString directPlay = "DirectPlay\\Applications\\Microsoft Flight Simulator 2004";

enum class Where { User, Machine32, Machine64 };

// A string value the test writes below testKey\Microsoft.
struct Value
{
    Where where;
    QString key;
    QString name;
    QString folder; // below the temporary folder, or "%ProgramFiles%\..."
    DWORD type = REG_SZ;
};

struct RegistryCase
{
    const char *name;
    std::vector<Value> values;
    QStringList folders;               // made in the temporary folder
    std::vector<LabelledFolder> found; // paths below the temporary folder
};

void PrintTo(const RegistryCase &registry, std::ostream *out)
{
    *out << registry.name;
}

HKEY rootOf(Where where)
{
    return where == Where::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

REGSAM viewOf(Where where)
{
    return where == Where::Machine64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

void write(const Value &value, const QString &root)
{
    const QString data =
        value.type == REG_EXPAND_SZ ? value.folder : QDir::toNativeSeparators(root + '/' + value.folder);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(rootOf(value.where),
                              (testKey + "\\Microsoft\\" + value.key).toStdWString().c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE | viewOf(value.where), nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::wstring text = data.toStdWString();
    EXPECT_EQ(RegSetValueExW(key, value.name.toStdWString().c_str(), 0, value.type,
                             reinterpret_cast<const BYTE *>(text.c_str()),
                             DWORD((text.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

bool testKeyExists(Where where)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(rootOf(where), testKey.toStdWString().c_str(), 0, KEY_READ | viewOf(where), &key)
        != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool writes(const RegistryCase &registry, Where where)
{
    return std::any_of(registry.values.cbegin(), registry.values.cend(),
                       [where](const Value &value) { return value.where == where; });
}

class WindowsRegistry : public testing::TestWithParam<RegistryCase>
{
protected:
    void TearDown() override
    {
        QSettings("HKEY_CURRENT_USER\\SOFTWARE", QSettings::NativeFormat)
            .remove("Skylyre Configurator Tests");
        for (const QSettings::Format view : {QSettings::Registry32Format, QSettings::Registry64Format})
            QSettings("HKEY_LOCAL_MACHINE\\SOFTWARE", view).remove("Skylyre Configurator Tests");
        qputenv("ProgramFiles(x86)", programFiles);
    }

    const QByteArray programFiles = qgetenv("ProgramFiles(x86)");
};

const QString usual = "Microsoft Games/Flight Simulator 9";

} // namespace

TEST_P(WindowsRegistry, FindsTheRegistryInstallsThenTheUsualFolders)
{
    QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    for (const QString &folder : GetParam().folders)
        ASSERT_TRUE(QDir().mkpath(root + '/' + folder));
    for (const Value &value : GetParam().values)
        write(value, root);
    // %ProgramFiles% of a 32-bit program.
    qputenv("ProgramFiles(x86)", QDir::toNativeSeparators(root + "/x86").toLocal8Bit());
    QList<LabelledFolder> expected;
    for (const LabelledFolder &folder : GetParam().found)
        expected.append({root + '/' + folder.path, folder.label});
    EXPECT_EQ(findInWindows({testKey, {root + "/x86", root + "/x64"}}), expected);
    // Only read: where the test wrote nothing there is no key afterwards.
    for (const Where where : {Where::User, Where::Machine32, Where::Machine64})
        EXPECT_EQ(testKeyExists(where), writes(GetParam(), where)) << int(where);
}

INSTANTIATE_TEST_SUITE_P(
    Installs, WindowsRegistry,
    testing::Values(RegistryCase{"UserThenMachineThenUninstallEntryThenDirectPlayThenUsualFolders",
                                 {{Where::Machine32, directPlay, "Path", "Lobby"},
                                  {Where::Machine32, uninstall, "InstallLocation", "Other"},
                                  {Where::Machine32, fs2004, "EXE Path", "FS9/"},
                                  {Where::User, fs2004, "EXE Path", "Mine"}},
                                 {"Mine/Aircraft", "FS9/Aircraft", "Other/Aircraft", "Lobby/Aircraft",
                                  "x86/" + usual + "/Aircraft", "x64/" + usual},
                                 {{"Mine/Aircraft", "FS2004 (Mine)"},
                                  {"FS9/Aircraft", "FS2004 (FS9)"},
                                  {"Other/Aircraft", "FS2004 (Other)"},
                                  {"Lobby/Aircraft", "FS2004 (Lobby)"},
                                  {"x86/" + usual + "/Aircraft", "FS2004 (Flight Simulator 9)"}}},
                    RegistryCase{"MissingFoldersPassedOverEachFolderOnce",
                                 {{Where::Machine32, fs2004, "EXE Path", "Gone"},
                                  {Where::Machine32, uninstall, "InstallLocation", "x64/" + usual + "/"}},
                                 {"x64/" + usual + "/Aircraft"},
                                 {{"x64/" + usual + "/Aircraft", "FS2004 (Flight Simulator 9)"}}},
                    RegistryCase{
                        "AnExpandableValueNamesTheProgramFilesOfAThirtyTwoBitProgram",
                        {{Where::Machine32, fs2004, "EXE Path", "%ProgramFiles%\\FS2004", REG_EXPAND_SZ}},
                        {"x86/FS2004/Aircraft"},
                        {{"x86/FS2004/Aircraft", "FS2004 (FS2004)"}}},
                    RegistryCase{"OnlyTheSixtyFourBitViewHasTheKeys",
                                 {{Where::Machine64, fs2004, "EXE Path", "FS9"},
                                  {Where::Machine64, uninstall, "InstallLocation", "Other"}},
                                 {"FS9/Aircraft", "Other/Aircraft"},
                                 {}},
                    RegistryCase{"NoKeys", {}, {"FS9/Aircraft"}, {}}),
    [](const testing::TestParamInfo<RegistryCase> &info) { return std::string(info.param.name); });
