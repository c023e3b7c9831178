// What Windows does to an install that Unix does not: an aircraft.cfg with the
// read-only attribute, one that another program holds open without sharing
// (as FS2004 may while it flies the aircraft), and the ANSI code page, in
// which FS2004 reads the entry line.

#include "BadInput.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>

#include <windows.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray before = "[fltsim.0]\r\nkb_checklists=Cessna172_check\r\n";

std::wstring nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// Holds a file open, sharing it with no one, while alive: every other open of
// it fails with a sharing violation, as when another program holds it so.
class HeldWithoutSharing
{
public:
    explicit HeldWithoutSharing(const QString &path)
        : handle(CreateFileW(nativePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        EXPECT_NE(handle, INVALID_HANDLE_VALUE) << GetLastError();
    }
    ~HeldWithoutSharing() { CloseHandle(handle); }
    HeldWithoutSharing(const HeldWithoutSharing &) = delete;
    HeldWithoutSharing &operator=(const HeldWithoutSharing &) = delete;

private:
    HANDLE handle;
};

struct LockedCase
{
    const char *name;
    bool readOnly; // else held open without sharing
    bool backup;
    QStringList entriesAfter;
};

class LockedAircraftCfg : public BadInput, public testing::WithParamInterface<LockedCase>
{
};

} // namespace

TEST_P(LockedAircraftCfg, EndsInOneErrorAndLeavesItByteForByte)
{
    writeCfg(before);
    if (GetParam().readOnly) {
        ASSERT_TRUE(SetFileAttributesW(nativePath(path("aircraft.cfg")).c_str(), FILE_ATTRIBUTE_READONLY));
    }
    {
        std::optional<HeldWithoutSharing> held;
        if (!GetParam().readOnly)
            held.emplace(path("aircraft.cfg"));
        install("check", GetParam().backup);
    }
    expectOneErrorNaming("aircraft.cfg");
    SetFileAttributesW(nativePath(path("aircraft.cfg")).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(cfg(), before);
    EXPECT_EQ(entriesOf(dir.path()), GetParam().entriesAfter);

    dialogs.calls.clear();
    install("check", false);
    EXPECT_EQ(errorCount(), 0);
    EXPECT_EQ(cfg(), "[fltsim.0]\r\nkb_checklists=cessna172_check\r\n\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Windows, LockedAircraftCfg,
    testing::Values(
        LockedCase{"ReadOnly", true, true, {"aircraft.bak", "aircraft.cfg", "cessna172_check.htm"}},
        LockedCase{"ReadOnlyWithoutBackup", true, false, {"aircraft.cfg", "cessna172_check.htm"}},
        LockedCase{"HeldOpen", false, true, {"aircraft.cfg", "cessna172_check.htm"}},
        LockedCase{"HeldOpenWithoutBackup", false, false, {"aircraft.cfg", "cessna172_check.htm"}}),
    [](const testing::TestParamInfo<LockedCase> &info) { return std::string(info.param.name); });

TEST_F(BadInput, TheEntryLineNamesThePageInTheAnsiCodePage)
{
    const QString aircraft = u"caf\u00e9plane"_s;
    installer.state.aircraftName = aircraft;
    writeCfg(before);
    install("check", false);
    EXPECT_EQ(errorCount(), 0);

    const std::wstring stem = (aircraft + u"_check"_s).toStdWString();
    QByteArray ansi(int(stem.size()) * 2, '\0');
    ansi.resize(WideCharToMultiByte(CP_ACP, 0, stem.data(), int(stem.size()), ansi.data(),
                                    int(ansi.size()), nullptr, nullptr));
    ASSERT_FALSE(ansi.isEmpty());
    EXPECT_EQ(cfg(), "[fltsim.0]\r\nkb_checklists=" + ansi + "\r\n\r\n");
    EXPECT_TRUE(QFileInfo::exists(path(aircraft + u"_check.htm"_s)));
}
