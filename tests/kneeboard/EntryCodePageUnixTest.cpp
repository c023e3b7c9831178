// The entry line of an aircraft inside a Wine prefix names its page in the
// prefix's code page, in which FS2004 reads aircraft.cfg there.

#include "gui/Installer.h"
#include "kneeboard/PlayerRemoval.h"

#include "Files.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

QByteArray systemRegWithCodePage(const char *codePage)
{
    return "WINE REGISTRY Version 2\n#arch=win64\n\n"
           "[System\\\\CurrentControlSet\\\\Control\\\\Nls\\\\Codepage] 1700000000\n\"ACP\"=\""
        + QByteArray(codePage) + "\"\n\"OEMCP\"=\"437\"\n";
}

const QByteArray noCodePage = "WINE REGISTRY Version 2\n#arch=win64\n";

struct PrefixCase
{
    const char *name;
    QByteArray systemReg;           // of the prefix; empty: no prefix
    QString aircraftFolder;         // below the temporary folder
    QString airFile;                // in the aircraft folder
    std::optional<QByteArray> stem; // of the entry line; nothing: refused
};

void PrintTo(const PrefixCase &prefix, std::ostream *out)
{
    *out << prefix.name;
}

class EntryInAPrefix : public testing::TestWithParam<PrefixCase>
{
protected:
    void TearDown() override { qputenv("WINEPREFIX", winePrefix); }

    const QByteArray winePrefix = qgetenv("WINEPREFIX");
};

const QString onDriveC = "prefix/drive_c/FS9/Aircraft/Plane";
// Drive D of the prefix (WINEPREFIX) is the folder "disk".
const QString onDriveD = "disk/FS9/Aircraft/Plane";
const QByteArray before = "[fltsim.0]\r\nkb_checklists=Plane_check\r\n";

} // namespace

TEST_P(EntryInAPrefix, NamesThePageInThePrefixCodePageOrRefuses)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    if (!GetParam().systemReg.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(root + "/prefix/dosdevices"));
        ASSERT_TRUE(QDir().mkpath(root + "/prefix/drive_c"));
        writeBytes(root + "/prefix/system.reg", GetParam().systemReg);
        ASSERT_TRUE(QFile::link(root + "/disk", root + "/prefix/dosdevices/d:"));
        qputenv("WINEPREFIX", QFile::encodeName(root + "/prefix"));
    }
    const QString folder = root + '/' + GetParam().aircraftFolder;
    ASSERT_TRUE(QDir().mkpath(folder));
    writeBytes(folder + "/aircraft.cfg", before);

    ScriptedDialogs dialogs;
    Installer installer(dialogs, [] { return QList<LabelledFolder>(); });
    ASSERT_TRUE(installer.chooseAircraft(folder + '/' + GetParam().airFile));
    if (GetParam().stem)
        dialogs.answer(Answer::Yes).answer(Answer::Yes);
    installer.installNewPage(KneeboardSection::Checklist);

    if (GetParam().stem) {
        EXPECT_EQ(readBytes(folder + "/aircraft.cfg"),
                  "[fltsim.0]\r\nkb_checklists=" + *GetParam().stem + "\r\n\r\n");
        // The page keeps its name as the file system holds it.
        const QString page = folder + '/' + installer.chosenAircraft()->name + "_check.htm";
        EXPECT_TRUE(QFile::exists(page));
        // The removal reads the entry in the same code page.
        const RemovalReport removal =
            PlayerRemoval().remove(folder + '/' + GetParam().airFile, {KneeboardSection::Checklist});
        EXPECT_EQ(removal.outcome, RemovalReport::Outcome::Removed);
        EXPECT_EQ(readBytes(folder + "/aircraft.cfg"), before);
        EXPECT_FALSE(QFile::exists(page));
    } else {
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].style, errorBox);
        EXPECT_TRUE(dialogs.messages()[0].text.contains(GetParam().airFile));
        EXPECT_TRUE(dialogs.messages()[0].text.contains("Windows-1252"));
        EXPECT_EQ(entriesOf(folder), QStringList{"aircraft.cfg"});
        EXPECT_EQ(readBytes(folder + "/aircraft.cfg"), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, EntryInAPrefix,
    testing::Values(
        PrefixCase{"OnDriveCOfAWindows1252Prefix", systemRegWithCodePage("1252"), onDriveC,
                   u"P\u00e9trel.air"_s, "p\xe9trel_check"},
        PrefixCase{"OnDriveCOfAWindows1251Prefix", systemRegWithCodePage("1251"), onDriveC,
                   u"\u042f\u043a-52.air"_s, "\xff\xea-52_check"},
        PrefixCase{"OnDriveDOfAWindows1250Prefix", systemRegWithCodePage("1250"), onDriveD,
                   u"\u0141o\u015b.air"_s, "\xb3o\x9c_check"},
        PrefixCase{"APrefixWithoutACodePageIsWindows1252", noCodePage, onDriveC, u"Ve\u00f0ur.air"_s,
                   "ve\xf0ur_check"},
        PrefixCase{"AUtf8PrefixTakesAnAsciiName", systemRegWithCodePage("65001"), onDriveC,
                   u"Cessna172.air"_s, "cessna172_check"},
        PrefixCase{"AUtf8PrefixTakesEveryName", systemRegWithCodePage("65001"), onDriveC,
                   u"P\u00e9trel.air"_s, "p\xc3\xa9trel_check"},
        PrefixCase{
            "ADriveCWithoutSystemRegIsNoPrefix", {}, onDriveC, u"P\u00e9trel.air"_s, "p\xc3\xa9trel_check"},
        PrefixCase{"OutsideAnyPrefixTheNameOfTheFileSystem",
                   {},
                   "Aircraft/Plane",
                   u"P\u00e9trel.air"_s,
                   "p\xc3\xa9trel_check"},
        PrefixCase{"ANameTheCodePageCannotHoldIsRefused", systemRegWithCodePage("1252"), onDriveC,
                   u"\u96f6\u6226.air"_s, std::nullopt}),
    [](const testing::TestParamInfo<PrefixCase> &info) { return std::string(info.param.name); });
