#include "simulator/WineSimulatorFolders.h"

#include "Files.h"
#include "LabelledFolderPrint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <vector>

namespace {

// Something made in a fake home folder: a folder, a file with its content, a
// symbolic link to a path in the home folder, or a named pipe.
struct Made
{
    enum Kind { Folder, File, Link, Pipe };
    Kind kind;
    QString path;
    QByteArray content = {}; // of a file; the target of a link
};

struct HomeCase
{
    const char *name;
    std::vector<Made> made;
    QString winePrefix;                // in the home folder
    std::vector<LabelledFolder> found; // paths in the home folder
};

void PrintTo(const HomeCase &home, std::ostream *out)
{
    *out << home.name;
}

class WineHomes : public testing::TestWithParam<HomeCase>
{
};

void make(const QString &home, const Made &made)
{
    const QString path = home + '/' + made.path;
    ASSERT_TRUE(QDir().mkpath(made.kind == Made::Folder ? path : QFileInfo(path).path()));
    switch (made.kind) {
    case Made::Folder:
        break;
    case Made::File:
        writeBytes(path, made.content);
        break;
    case Made::Link:
        ASSERT_TRUE(QFile::link(home + '/' + QString::fromUtf8(made.content), path));
        break;
    case Made::Pipe:
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        break;
    }
}

// A 64-bit prefix's: FS2004 on drive D in a folder named with an escape, and
// in the folder a variable names, beside a value of another kind and the key
// of another Flight Simulator.
const QByteArray wineSystemReg = R"(WINE REGISTRY Version 2
#arch=win64

[Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0] 1700000000
"EXE Path"="C:\\FS8"

[Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0] 1700000000
#time=1d9
"EXE Path"=dword:00000001
"EXE Path"=str(2):"%ProgramFiles%\\FS9"
"exe path"="d:\\games\\Caf\xe9\\FS9\\"
)";

// The registry files of a prefix in which FS2004's keys were added with
// `wine reg add` (data/make-wine-registry.sh): E: for the user, the machine's
// own key in Program Files, D: for its uninstall entry and F: for DirectPlay.
QByteArray wineWritten(const QString &file)
{
    return readBytes(":/wine-fs2004/" + file);
}

const QByteArray bottleSystemReg = R"([Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0] 1
"EXE Path"="E:\\FS9"
)";

// Values that must be read as Wine reads them, or not at all: a character
// written as four hex digits before a hex digit, a control character, a line
// cut short, a value in a sub-key and one in the key after FS2004's. The
// plain key of FS2004 comes first, as Wine sorts the keys.
const QByteArray trickySystemReg = R"(WINE REGISTRY Version 2
#arch=win64

[Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0] 1700000000
"EXE Path"="C:\\Second"

[Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0] 1700000000
#time=1d9
"EXE Path"="C:\\Caf\x00e9Deck"
"EXE Path"="C:\\FS\t9"
"EXE Path"="C:\\FS\\Unclosed

[Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0\\Settings] 1700000000
"EXE Path"="C:\\Decoy"

[Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\9.1] 1700000000
"EXE Path"="C:\\Decoy"
)";

// Variables as ExpandEnvironmentStrings expands them: one whose value names
// another, one the environment does not know (kept as it is), and folders
// without a drive, which name no folder of this computer: not even one that
// climbs out of dosdevices into drive_c.
const QByteArray variablesSystemReg = R"(WINE REGISTRY Version 2
#arch=win64

[Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0] 1700000000
"EXE Path"=str(2):"%FS9Home%"
"EXE Path"=str(2):"C:\\%Games%\\FS9"
"EXE Path"="FS9"
"EXE Path"="..\\drive_c\\FS9"

[System\\CurrentControlSet\\Control\\Session Manager\\Environment] 1700000000
"FS9Home"=str(2):"%ProgramFiles%\\FS9"
)";

// A 32-bit prefix has no Wow6432Node.
const QByteArray win32SystemReg = R"(WINE REGISTRY Version 2
#arch=win32

[Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0] 1700000000
"EXE Path"="E:\\FS9"
)";

const QString fs9 = "drive_c/Program Files/Microsoft Games/Flight Simulator 9/Aircraft";
const QString fs9x86InOtherCase = "drive_c/program files (x86)/MICROSOFT GAMES/flight simulator 9/aircraft";
const QString bottles = ".local/share/bottles/bottles/";

} // namespace

TEST_P(WineHomes, FindsTheAircraftFoldersOfThePrefixesInOrder)
{
    QTemporaryDir dir;
    const QString home = QFileInfo(dir.path()).canonicalFilePath();
    for (const Made &made : GetParam().made)
        make(home, made);
    const QString prefix = GetParam().winePrefix;
    QList<LabelledFolder> expected;
    for (const LabelledFolder &folder : GetParam().found)
        expected.append({home + '/' + folder.path, folder.label});
    EXPECT_EQ(findInWinePrefixes({home, prefix.isEmpty() ? QString() : home + '/' + prefix}), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Homes, WineHomes,
    testing::Values(
        HomeCase{"TheRegistryNamesAFolderOnAnotherDrive",
                 {{Made::File, ".wine/system.reg", wineSystemReg},
                  {Made::Folder, "disk/Games/Café/fs9/AIRCRAFT"},
                  {Made::Link, ".wine/dosdevices/D:", "disk"},
                  {Made::Link, ".wine/dosdevices/c:", ".wine/drive_c"},
                  {Made::Folder, ".wine/drive_c/FS8/Aircraft"},
                  {Made::Folder, ".wine/drive_c/Program Files/FS9/Aircraft"},
                  {Made::Folder, ".wine/" + fs9}},
                 "",
                 {{".wine/drive_c/Program Files/FS9/Aircraft", "FS2004 (.wine)"},
                  {"disk/Games/Café/fs9/AIRCRAFT", "FS2004 (.wine 2)"}}},
        HomeCase{
            "TheUserTheMachineTheUninstallEntryAndDirectPlayAsWineWritesThem",
            {{Made::File, ".wine/system.reg", wineWritten("system.reg")},
             {Made::File, ".wine/user.reg", wineWritten("user.reg")},
             {Made::Link, ".wine/dosdevices/c:", ".wine/drive_c"},
             {Made::Link, ".wine/dosdevices/d:", "d"},
             {Made::Link, ".wine/dosdevices/e:", "e"},
             {Made::Link, ".wine/dosdevices/f:", "f"},
             {Made::Folder, "f/Спорт/FS2004/Aircraft"},
             {Made::Folder, "d/Jeux/Caféd FS9/Aircraft"},
             {Made::Folder, ".wine/drive_c/Program Files (x86)/Microsoft Games/Flight Simulator 9/Aircraft"},
             {Made::Folder, "e/Flugsimulator 9/Aircraft"}},
            "",
            {{"e/Flugsimulator 9/Aircraft", "FS2004 (.wine)"},
             {".wine/drive_c/Program Files (x86)/Microsoft Games/Flight Simulator 9/Aircraft",
              "FS2004 (.wine 2)"},
             {"d/Jeux/Caféd FS9/Aircraft", "FS2004 (.wine 3)"},
             {"f/Спорт/FS2004/Aircraft", "FS2004 (.wine 4)"}}},
        HomeCase{"UsualFoldersInAnyCaseWhenTheRegistryNamesNothingThere",
                 {{Made::File, bottles + "Flight/system.reg", bottleSystemReg},
                  {Made::Link, bottles + "Flight/dosdevices/e:", "unplugged"},
                  {Made::Folder, bottles + "Flight/" + fs9x86InOtherCase},
                  {Made::Folder, bottles + "Flight/" + fs9},
                  {Made::Pipe, "Games/fs9/system.reg"},
                  {Made::Folder, "Games/fs9/" + fs9}},
                 "",
                 {{bottles + "Flight/" + fs9x86InOtherCase, "FS2004 (Flight)"},
                  {bottles + "Flight/" + fs9, "FS2004 (Flight 2)"},
                  {"Games/fs9/" + fs9, "FS2004 (fs9)"}}},
        HomeCase{"EachValueReadAsWineWritesItOrNotAtAll",
                 {{Made::File, ".wine/system.reg", trickySystemReg},
                  {Made::Link, ".wine/dosdevices/c:", ".wine/drive_c"},
                  {Made::Folder, ".wine/drive_c/Second/Aircraft"},
                  {Made::Folder, ".wine/drive_c/CaféDeck/Aircraft"},
                  {Made::Folder, ".wine/drive_c/FSt9/Aircraft"},
                  {Made::Folder, ".wine/drive_c/FS/t9/Aircraft"},
                  {Made::Folder, ".wine/drive_c/FS/Unclose/Aircraft"},
                  {Made::Folder, ".wine/drive_c/FS/Unclosed/Aircraft"},
                  {Made::Folder, ".wine/drive_c/Decoy/Aircraft"}},
                 "",
                 {{".wine/drive_c/Second/Aircraft", "FS2004 (.wine)"},
                  {".wine/drive_c/CaféDeck/Aircraft", "FS2004 (.wine 2)"}}},
        HomeCase{"VariablesAsWindowsExpandsThem",
                 {{Made::File, ".wine/system.reg", variablesSystemReg},
                  {Made::Link, ".wine/dosdevices/c:", ".wine/drive_c"},
                  {Made::Folder, ".wine/drive_c/Program Files/FS9/Aircraft"},
                  {Made::Folder, ".wine/drive_c/%Games%/FS9/Aircraft"},
                  {Made::Folder, ".wine/FS9/Aircraft"},
                  {Made::Folder, ".wine/drive_c/FS9/Aircraft"},
                  {Made::Folder, "FS9/Aircraft"}},
                 "",
                 {{".wine/drive_c/Program Files/FS9/Aircraft", "FS2004 (.wine)"},
                  {".wine/drive_c/%Games%/FS9/Aircraft", "FS2004 (.wine 2)"}}},
        HomeCase{"AWinePrefixEndingInASlashIsLabelledWithoutIt",
                 {{Made::Folder, "prefixes/fs9/" + fs9}},
                 "prefixes/fs9/",
                 {{"prefixes/fs9/" + fs9, "FS2004 (fs9)"}}},
        HomeCase{"AThirtyTwoBitPrefixNamesAFolderOnAnotherDrive",
                 {{Made::File, "Games/fs9/system.reg", win32SystemReg},
                  {Made::Link, "Games/fs9/dosdevices/e:", "disk"},
                  {Made::Folder, "disk/FS9/Aircraft"},
                  {Made::Folder, "Games/fs9/" + fs9}},
                 "",
                 {{"disk/FS9/Aircraft", "FS2004 (fs9)"}}},
        HomeCase{"BothSteamFolders",
                 {{Made::Folder, ".steam/steam/steamapps/compatdata/2210/pfx/" + fs9},
                  {Made::Folder, ".local/share/Steam/steamapps/compatdata/2211/pfx/" + fs9}},
                 "",
                 {{".steam/steam/steamapps/compatdata/2210/pfx/" + fs9, "FS2004 (Steam 2210)"},
                  {".local/share/Steam/steamapps/compatdata/2211/pfx/" + fs9, "FS2004 (Steam 2211)"}}},
        HomeCase{"EveryPlaceInOrderEachFolderOnce",
                 {{Made::Folder, ".local/share/Steam/steamapps/compatdata/2210/pfx/" + fs9},
                  {Made::Link, ".steam/steam", ".local/share/Steam"},
                  {Made::Folder, ".PlayOnLinux/wineprefix/FS2004/" + fs9},
                  {Made::Folder, "Games/b/" + fs9},
                  {Made::Folder, "Games/a/" + fs9},
                  {Made::Folder, "Games/no-fs9/drive_c/windows"},
                  {Made::Folder, ".var/app/com.usebottles.bottles/data/bottles/bottles/Sim/" + fs9},
                  {Made::Folder, bottles + "Sim/" + fs9},
                  {Made::Folder, ".wine/" + fs9},
                  {Made::Folder, "prefixes/fs9/" + fs9}},
                 "prefixes/fs9",
                 {{"prefixes/fs9/" + fs9, "FS2004 (fs9)"},
                  {".wine/" + fs9, "FS2004 (.wine)"},
                  {bottles + "Sim/" + fs9, "FS2004 (Sim)"},
                  {".var/app/com.usebottles.bottles/data/bottles/bottles/Sim/" + fs9, "FS2004 (Sim 2)"},
                  {"Games/a/" + fs9, "FS2004 (a)"},
                  {"Games/b/" + fs9, "FS2004 (b)"},
                  {".PlayOnLinux/wineprefix/FS2004/" + fs9, "FS2004 (FS2004)"},
                  {".local/share/Steam/steamapps/compatdata/2210/pfx/" + fs9, "FS2004 (Steam 2210)"}}}),
    [](const testing::TestParamInfo<HomeCase> &info) { return std::string(info.param.name); });
