// What Windows does to an install that Unix does not: an aircraft.cfg with the
// read-only attribute, one that another program holds open without sharing
// (as FS2004 may while it flies the aircraft), a page held open so during a
// removal, and the ANSI code page, in which FS2004 reads the entry line.

#include "kneeboard/PlayerRemoval.h"

#include "BadInput.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>

#include <windows.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray before = "[fltsim.0]\r\nkb_checklists=Cessna172_check\r\n";

struct LockedCase
{
    const char *name;
    DWORD attributes; // FILE_ATTRIBUTE_NORMAL: held open, sharing it with no one
    bool backup;
    QStringList entriesAfter;
    QString reason;
};

void PrintTo(const LockedCase &locked, std::ostream *out)
{
    *out << locked.name;
}

class LockedAircraftCfg : public BadInput, public testing::WithParamInterface<LockedCase>
{
};

} // namespace

TEST_P(LockedAircraftCfg, EndsInOneErrorAndLeavesItByteForByte)
{
    writeCfg(before);
    const std::wstring cfgPath = QDir::toNativeSeparators(path("aircraft.cfg")).toStdWString();
    ASSERT_TRUE(SetFileAttributesW(cfgPath.c_str(), GetParam().attributes));
    if (GetParam().attributes == FILE_ATTRIBUTE_NORMAL) {
        // Another handle's open fails with a sharing violation, as another program's would.
        const std::unique_ptr<void, decltype(&CloseHandle)> held(
            CreateFileW(cfgPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr),
            &CloseHandle);
        ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
        install(Checklist, GetParam().backup);
    } else {
        install(Checklist, GetParam().backup);
    }
    expectOneErrorNaming("aircraft.cfg", GetParam().reason);
    SetFileAttributesW(cfgPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(cfg(), before);
    EXPECT_EQ(entriesOf(dir.path()), GetParam().entriesAfter);

    dialogs.calls.clear();
    install(Checklist, false);
    EXPECT_EQ(errorCount(), 0);
    EXPECT_EQ(cfg(), "[fltsim.0]\r\nkb_checklists=cessna172_check\r\n\r\n");
}

// A failed install writes nothing: no page, no backup.
const QStringList onlyTheCfg{"aircraft.cfg"};
// What is said of each: Qt's words for a read-only file, and the system's
// for a sharing violation (in its own language).
const QString notWritable = "is not writable";
const QString sharingViolation = qt_error_string(ERROR_SHARING_VIOLATION);

INSTANTIATE_TEST_SUITE_P(
    Windows, LockedAircraftCfg,
    testing::Values(
        LockedCase{"ReadOnly", FILE_ATTRIBUTE_READONLY, true, onlyTheCfg, notWritable},
        LockedCase{"ReadOnlyWithoutBackup", FILE_ATTRIBUTE_READONLY, false, onlyTheCfg, notWritable},
        LockedCase{"HeldOpen", FILE_ATTRIBUTE_NORMAL, true, onlyTheCfg, sharingViolation},
        LockedCase{"HeldOpenWithoutBackup", FILE_ATTRIBUTE_NORMAL, false, onlyTheCfg, sharingViolation}),
    [](const testing::TestParamInfo<LockedCase> &info) { return std::string(info.param.name); });

TEST_F(BadInput, TheEntryLineNamesThePageInTheAnsiCodePage)
{
    if (GetACP() != 1252)
        GTEST_SKIP()
            << "SKIPPED: this check knows the bytes of Windows-1252 alone; the ANSI code page here is "
            << GetACP();
    installer.chooseAircraft(path(u"Caf\u00e9Plane.air"_s));
    writeCfg(before);
    install(Checklist, false);
    EXPECT_EQ(errorCount(), 0);
    EXPECT_EQ(cfg(), "[fltsim.0]\r\nkb_checklists=caf\xe9plane_check\r\n\r\n");
    EXPECT_TRUE(QFileInfo::exists(path(u"caf\u00e9plane_check.htm"_s)));
}

TEST_F(BadInput, ANameTheAnsiCodePageCannotHoldIsRefusedBeforeAnythingIsWritten)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "SKIPPED: this check knows the characters of Windows-1252 alone; the ANSI code page "
                        "here is "
                     << GetACP();
    installer.chooseAircraft(path(u"\u96f6\u6226.air"_s));
    writeCfg(before);
    installer.installNewPage(Checklist);
    ASSERT_EQ(errorCount(), 1);
    EXPECT_TRUE(dialogs.messages()[0].text.contains(u"\u96f6\u6226.air"_s));
    EXPECT_EQ(cfg(), before);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"aircraft.cfg"});
}

// FS2004 holds a kneeboard page open while it shows it: the removal does what
// it can, names the page it could not delete and why, and finishes when run
// again once the page is free.
TEST_F(BadInput, APageInUseIsNamedAndTheRemovalRunAgainFinishes)
{
    writeCfg(before);
    configureWithBackup(true);
    installer.installNewPage(Checklist);
    configureWithBackup(true);
    installer.installNewPage(Reference);
    ASSERT_EQ(errorCount(), 0);
    const QString page = path("cessna172_check.htm");
    RemovalReport report;
    {
        const std::unique_ptr<void, decltype(&CloseHandle)> held(
            CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(page).utf16()), GENERIC_READ,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr),
            &CloseHandle);
        ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
        report = PlayerRemoval().remove(path("Cessna172.air"), {Checklist, Reference});
    }
    EXPECT_EQ(report.outcome, RemovalReport::Outcome::Failed);
    const QString failures = report.failures.join('\n');
    EXPECT_TRUE(failures.contains(QDir::toNativeSeparators(page))) << failures.toStdString();
    EXPECT_TRUE(failures.contains(qt_error_string(ERROR_SHARING_VIOLATION))) << failures.toStdString();
    EXPECT_EQ(report.done,
              (QStringList{"aircraft.cfg restored from aircraft.bak", "Reference page deleted"}));
    EXPECT_TRUE(report.notes.join('\n').contains("The checklist page still holds the player"));
    EXPECT_EQ(cfg(), before) << "aircraft.cfg names no page left holding the player";

    report = PlayerRemoval().remove(path("Cessna172.air"), {Checklist, Reference});
    EXPECT_EQ(report.outcome, RemovalReport::Outcome::Removed) << report.failures.join('\n').toStdString();
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"aircraft.bak", "aircraft.cfg"}));
    EXPECT_EQ(cfg(), before);
}
