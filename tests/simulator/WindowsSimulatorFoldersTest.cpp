#include "simulator/WindowsSimulatorFolders.h"

#include "LabelledFolderPrint.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The test's own key takes the place of HKEY_LOCAL_MACHINE\SOFTWARE.
const QString testKey = "Software\\Skylyre Configurator Tests";

struct RegistryCase
{
    const char *name;
    QStringList folders;               // made in a temporary folder
    QString exePath;                   // below the temporary folder
    QString installLocation;           // likewise
    std::vector<LabelledFolder> found; // paths below the temporary folder
};

void PrintTo(const RegistryCase &registry, std::ostream *out)
{
    *out << registry.name;
}

class WindowsRegistry : public testing::TestWithParam<RegistryCase>
{
protected:
    void TearDown() override
    {
        QSettings software("HKEY_CURRENT_USER\\Software", QSettings::Registry32Format);
        software.remove("Skylyre Configurator Tests");
    }
};

const QString usual = "Microsoft Games/Flight Simulator 9";

} // namespace

TEST_P(WindowsRegistry, FindsTheRegistryInstallsThenTheUsualFolders)
{
    QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    for (const QString &folder : GetParam().folders)
        ASSERT_TRUE(QDir().mkpath(root + '/' + folder));
    {
        QSettings microsoft("HKEY_CURRENT_USER\\" + testKey + "\\Microsoft", QSettings::Registry32Format);
        microsoft.setValue("Microsoft Games/Flight Simulator/9.0/EXE Path",
                           QDir::toNativeSeparators(root + '/' + GetParam().exePath));
        microsoft.setValue("Windows/CurrentVersion/Uninstall/Flight Simulator 9.0/InstallLocation",
                           QDir::toNativeSeparators(root + '/' + GetParam().installLocation));
    }
    QList<LabelledFolder> expected;
    for (const LabelledFolder &folder : GetParam().found)
        expected.append({root + '/' + folder.path, folder.label});
    EXPECT_EQ(findInWindows({HKEY_CURRENT_USER, testKey, {root + "/x86", root + "/x64"}}), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Installs, WindowsRegistry,
    testing::Values(RegistryCase{"RegistryThenUninstallEntryThenUsualFolders",
                                 {"FS9/Aircraft", "Other/Aircraft", "x86/" + usual + "/Aircraft",
                                  "x64/" + usual},
                                 "FS9/",
                                 "Other",
                                 {{"FS9/Aircraft", "FS2004 (FS9)"},
                                  {"Other/Aircraft", "FS2004 (Other)"},
                                  {"x86/" + usual + "/Aircraft", "FS2004 (Flight Simulator 9)"}}},
                    RegistryCase{"MissingFoldersPassedOverEachFolderOnce",
                                 {"x64/" + usual + "/Aircraft"},
                                 "Gone",
                                 "x64/" + usual + "/",
                                 {{"x64/" + usual + "/Aircraft", "FS2004 (Flight Simulator 9)"}}}),
    [](const testing::TestParamInfo<RegistryCase> &info) { return std::string(info.param.name); });
