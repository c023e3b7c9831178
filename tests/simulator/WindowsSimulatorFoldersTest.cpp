#include "simulator/WindowsSimulatorFolders.h"

#include "LabelledFolderPrint.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The test's own key takes the place of HKEY_LOCAL_MACHINE\SOFTWARE, whose
// 32-bit view (where FS2004, a 32-bit program, has its keys) is apart from its
// 64-bit view on 64-bit Windows.
const QString testKey = "SOFTWARE\\Skylyre Configurator Tests";

enum class Written { ThirtyTwoBitView, SixtyFourBitView, Nothing };

struct RegistryCase
{
    const char *name;
    Written written;                   // where the test writes the keys below
    QStringList folders;               // made in a temporary folder
    QString exePath;                   // below the temporary folder
    QString installLocation;           // likewise
    std::vector<LabelledFolder> found; // paths below the temporary folder
};

void PrintTo(const RegistryCase &registry, std::ostream *out)
{
    *out << registry.name;
}

QSettings::Format formatOf(Written view)
{
    return view == Written::SixtyFourBitView ? QSettings::Registry64Format : QSettings::Registry32Format;
}

bool testKeyExists(REGSAM view)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, testKey.toStdWString().c_str(), 0, KEY_READ | view, &key)
        != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

class WindowsRegistry : public testing::TestWithParam<RegistryCase>
{
protected:
    void TearDown() override
    {
        for (const Written view : {Written::ThirtyTwoBitView, Written::SixtyFourBitView}) {
            QSettings software("HKEY_LOCAL_MACHINE\\SOFTWARE", formatOf(view));
            software.remove("Skylyre Configurator Tests");
        }
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
    if (GetParam().written != Written::Nothing) {
        QSettings microsoft("HKEY_LOCAL_MACHINE\\" + testKey + "\\Microsoft", formatOf(GetParam().written));
        microsoft.setValue("Microsoft Games/Flight Simulator/9.0/EXE Path",
                           QDir::toNativeSeparators(root + '/' + GetParam().exePath));
        microsoft.setValue("Windows/CurrentVersion/Uninstall/Flight Simulator 9.0/InstallLocation",
                           QDir::toNativeSeparators(root + '/' + GetParam().installLocation));
    }
    QList<LabelledFolder> expected;
    for (const LabelledFolder &folder : GetParam().found)
        expected.append({root + '/' + folder.path, folder.label});
    EXPECT_EQ(findInWindows({HKEY_LOCAL_MACHINE, testKey, {root + "/x86", root + "/x64"}}), expected);
    // Only read: a view the test wrote nothing in has no key afterwards.
    EXPECT_EQ(testKeyExists(KEY_WOW64_32KEY), GetParam().written == Written::ThirtyTwoBitView);
    EXPECT_EQ(testKeyExists(KEY_WOW64_64KEY), GetParam().written == Written::SixtyFourBitView);
}

INSTANTIATE_TEST_SUITE_P(
    Installs, WindowsRegistry,
    testing::Values(RegistryCase{"RegistryThenUninstallEntryThenUsualFolders",
                                 Written::ThirtyTwoBitView,
                                 {"FS9/Aircraft", "Other/Aircraft", "x86/" + usual + "/Aircraft",
                                  "x64/" + usual},
                                 "FS9/",
                                 "Other",
                                 {{"FS9/Aircraft", "FS2004 (FS9)"},
                                  {"Other/Aircraft", "FS2004 (Other)"},
                                  {"x86/" + usual + "/Aircraft", "FS2004 (Flight Simulator 9)"}}},
                    RegistryCase{"MissingFoldersPassedOverEachFolderOnce",
                                 Written::ThirtyTwoBitView,
                                 {"x64/" + usual + "/Aircraft"},
                                 "Gone",
                                 "x64/" + usual + "/",
                                 {{"x64/" + usual + "/Aircraft", "FS2004 (Flight Simulator 9)"}}},
                    RegistryCase{"OnlyTheSixtyFourBitViewHasTheKeys",
                                 Written::SixtyFourBitView,
                                 {"FS9/Aircraft", "Other/Aircraft"},
                                 "FS9",
                                 "Other",
                                 {}},
                    RegistryCase{"NoKeys", Written::Nothing, {"FS9/Aircraft"}, "FS9", "FS9", {}}),
    [](const testing::TestParamInfo<RegistryCase> &info) { return std::string(info.param.name); });
