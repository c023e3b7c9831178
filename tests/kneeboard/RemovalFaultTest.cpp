// Fails each write of a removal in turn: the same removal run again ends
// where one uninterrupted removal ends.

#include "kneeboard/PlayerInstall.h"
#include "kneeboard/PlayerRemoval.h"
#include "simulator/SimulatorCodePages.h"

#include "FaultInjection.h"
#include "Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

using faults::Op;
using Files = std::map<QString, QByteArray>;

namespace {

struct RemovalFault
{
    const char *name;
    Op op;
    int nth; // 1: aircraft.cfg, written first; 2: the page cut back; an unlink: the page deleted
};

void PrintTo(const RemovalFault &fault, std::ostream *out)
{
    *out << fault.name;
}

// The aircraft's own checklist page, named by its own entry, with the player
// added, and a reference page of its own, both installed with a backup.
void installInto(const QString &folder)
{
    writeBytes(folder + "/Cessna172.air", "flight model");
    writeBytes(folder + "/aircraft.cfg", "[fltsim.0]\r\nkb_checklists=cessna172_check\r\n");
    writeBytes(folder + "/cessna172_check.htm", "<p>Before take-off</p>\r\n");
    SimulatorCodePages codePages;
    const InstallChoices choices{.checklist = true, .reference = true, .addToExisting = true};
    ASSERT_FALSE(
        installPlayer(*Aircraft::fromAirPath(folder + "/Cessna172.air"), choices, codePages).failed());
}

RemovalReport removeFrom(const QString &folder)
{
    return PlayerRemoval().remove(folder + "/Cessna172.air",
                                  {KneeboardSection::Checklist, KneeboardSection::Reference});
}

Files filesOf(const QString &folder)
{
    Files files;
    for (const QString &name : entriesOf(folder))
        files[name] = readBytes(folder + '/' + name);
    return files;
}

class RemovalFaults : public testing::TestWithParam<RemovalFault>
{
};

} // namespace

TEST_P(RemovalFaults, RunAgainEndsWhereOneRemovalEnds)
{
    QTemporaryDir uninterrupted;
    installInto(uninterrupted.path());
    ASSERT_EQ(removeFrom(uninterrupted.path()).outcome, RemovalReport::Outcome::Removed);

    QTemporaryDir dir;
    installInto(dir.path());
    const Files installed = filesOf(dir.path());
    {
        faults::FaultInjector injector(dir.path());
        injector.failFrom(GetParam().op, GetParam().nth,
                          GetParam().op == Op::TempCreate || GetParam().op == Op::Write ? ENOSPC : EIO);
        const RemovalReport report = removeFrom(dir.path());
        EXPECT_EQ(report.outcome, RemovalReport::Outcome::Failed);
        ASSERT_TRUE(injector.injected()) << faults::describe(injector.calls());
        // What was done is said beside what failed.
        if (filesOf(dir.path()) != installed) {
            EXPECT_FALSE(report.done.isEmpty());
            EXPECT_TRUE(report.notes.join('\n').contains("still holds the player"))
                << report.notes.join('\n').toStdString();
        }
    }
    // aircraft.cfg is written first: when that fails, no page is touched.
    if (GetParam().nth == 1 && GetParam().op != Op::Unlink) {
        EXPECT_EQ(filesOf(dir.path()), installed);
    }
    const RemovalReport again = removeFrom(dir.path());
    EXPECT_NE(again.outcome, RemovalReport::Outcome::Failed) << again.failures.join('\n').toStdString();
    EXPECT_EQ(filesOf(dir.path()), filesOf(uninterrupted.path()));
}

INSTANTIATE_TEST_SUITE_P(
    EachWrite, RemovalFaults,
    testing::Values(RemovalFault{"CfgTempCreate", Op::TempCreate, 1}, RemovalFault{"CfgWrite", Op::Write, 1},
                    RemovalFault{"CfgSync", Op::Sync, 1}, RemovalFault{"CfgRename", Op::Rename, 1},
                    RemovalFault{"PageTempCreate", Op::TempCreate, 2},
                    RemovalFault{"PageWrite", Op::Write, 2}, RemovalFault{"PageSync", Op::Sync, 2},
                    RemovalFault{"PageRename", Op::Rename, 2}, RemovalFault{"PageDelete", Op::Unlink, 1}),
    [](const testing::TestParamInfo<RemovalFault> &info) { return info.param.name; });
