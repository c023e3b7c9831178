#include "platform/WineSimulatorFolders.h"

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
    QString winePrefix; // in the home folder
    std::vector<LabelledFolder> found; // paths in the home folder
};

class WineHomes : public testing::TestWithParam<HomeCase>
{
};

QByteArray systemReg(const QByteArray &exePath)
{
    return "WINE REGISTRY Version 2\n\n[Software\\\\Wow6432Node\\\\Microsoft\\\\Microsoft Games\\\\Flight "
           "Simulator\\\\9.0] 1\n\"EXE Path\"=\""
        + exePath + "\"\n";
}

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
    const QString winePrefix = prefix.isEmpty() ? QString() : home + '/' + prefix;
    QList<LabelledFolder> expected;
    for (const LabelledFolder &folder : GetParam().found)
        expected.append({home + '/' + folder.path, folder.label});
    EXPECT_EQ(findInWinePrefixes({home, winePrefix}), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Homes, WineHomes,
    testing::Values(
        HomeCase{"NoPrefix", {{Made::Folder, "Games/Some Game"}}, "", {}},
        HomeCase{"RegistryNamesAnotherDriveThroughItsLink",
                 {{Made::File, ".wine/system.reg", systemReg("d:\\\\games\\\\FS9\\\\")},
                  {Made::Folder, "disk/Games/fs9/AIRCRAFT"},
                  {Made::Link, ".wine/dosdevices/D:", "disk"},
                  {Made::Folder, ".wine/" + fs9}},
                 "",
                 {{"disk/Games/fs9/AIRCRAFT", "FS2004 (.wine)"}}},
        HomeCase{"UsualFoldersInAnyCaseWhenTheRegistryNamesNothingThere",
                 {{Made::File, bottles + "Flight/system.reg", systemReg("E:\\\\FS9")},
                  {Made::Link, bottles + "Flight/dosdevices/e:", "unplugged"},
                  {Made::Folder, bottles + "Flight/" + fs9x86InOtherCase},
                  {Made::Folder, bottles + "Flight/" + fs9},
                  {Made::Pipe, "Games/fs9/system.reg"},
                  {Made::Folder, "Games/fs9/" + fs9}},
                 "",
                 {{bottles + "Flight/" + fs9x86InOtherCase, "FS2004 (Flight)"},
                  {bottles + "Flight/" + fs9, "FS2004 (Flight 2)"},
                  {"Games/fs9/" + fs9, "FS2004 (fs9)"}}},
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
                  {".local/share/Steam/steamapps/compatdata/2210/pfx/" + fs9, "FS2004 (Steam 2210)"}}},
        HomeCase{"WinePrefixThatIsTheWineFolder", {{Made::Folder, ".wine/" + fs9}}, ".wine/",
                 {{".wine/" + fs9, "FS2004 (.wine)"}}}),
    [](const testing::TestParamInfo<HomeCase> &info) { return std::string(info.param.name); });
