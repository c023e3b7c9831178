// An install and a removal killed before each change of the disk (in a child
// process, through support/FaultInjection.h), or failing there, and run
// twice: each file stays as it was or as one run leaves it, aircraft.cfg names
// no page that is not there, and the same command again ends byte for byte
// where one run ends (the removal after it too).

#include "kneeboard/CfgRewrite.h"
#include "kneeboard/PlayerBatch.h"

#include "FaultInjection.h"
#include "Files.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <map>
#include <optional>

#include <sys/wait.h>
#include <unistd.h>

using faults::FaultInjector;
using Files = std::map<QString, QByteArray>;

namespace {

using enum KneeboardSection;

struct RunCase
{
    const char *name;
    Files files;            // beside Cessna172.air
    InstallChoices choices; // the install; a removal takes out the sections it chose
    bool removal = false;   // the command is the removal, after the install
};

void PrintTo(const RunCase &row, std::ostream *out)
{
    *out << row.name;
}

const QByteArray ownCfg = "[fltsim.0]\r\ntitle=Cessna Skyhawk\r\nkb_checklists=own_notes\r\n"
                          "[fltsim.1]\r\ntitle=Cessna Skyhawk Floats\r\nkb_checklists=own_notes\r\n";
const QByteArray namingCfg = "[fltsim.0]\r\nkb_checklists=cessna172_check\r\nkb_reference=cessna172_ref\r\n";
const QByteArray ownPage = "<p>Before take-off</p>\r\n";

QString airPath(const QString &folder)
{
    return folder + "/Cessna172.air";
}

void put(const QString &folder, const Files &files)
{
    writeBytes(airPath(folder), "flight model");
    for (const auto &[name, bytes] : files)
        writeBytes(folder + '/' + name, bytes);
}

Files filesOf(const QString &folder)
{
    Files files;
    for (const QString &name : entriesOf(folder)) {
        if (name != "Cessna172.air")
            files[name] = readBytes(folder + '/' + name);
    }
    return files;
}

// The command as the console program and the hangar run it.
PlayerBatch::Outcome run(bool removal, const InstallChoices &choices, const QString &folder)
{
    return PlayerBatch(removal ? PlayerBatch::Work::Remove : PlayerBatch::Work::Install, choices)
        .run(airPath(folder));
}

PlayerBatch::Outcome runCommand(const RunCase &row, const QString &folder)
{
    return run(row.removal, row.choices, folder);
}

bool failed(const PlayerBatch::Outcome &outcome)
{
    return outcome.result == PlayerBatch::Result::Failed;
}

// The pages the entries of `cfg` name, that are not there and that `before`
// did not name.
QStringList missingPagesNamed(const QString &folder, const QByteArray &cfg, const QByteArray &before)
{
    QStringList missing;
    for (const QByteArray &line : cfg.split('\n')) {
        const QByteArray entry = line.trimmed();
        if ((!isChecklistEntry(entry) && !isReferenceEntry(entry)) || before.contains(entry))
            continue;
        const QString page = QString::fromLatin1(entry.mid(entry.indexOf('=') + 1)) + ".htm";
        if (!QFileInfo::exists(folder + '/' + page))
            missing.append(page);
    }
    return missing;
}

class InterruptedRun : public testing::TestWithParam<RunCase>
{
protected:
    void SetUp() override
    {
        const RunCase &row = GetParam();
        QTemporaryDir start;
        put(start.path(), row.files);
        if (row.removal)
            ASSERT_FALSE(failed(run(false, row.choices, start.path())));
        before = filesOf(start.path());

        QTemporaryDir uninterrupted;
        put(uninterrupted.path(), before);
        ASSERT_FALSE(failed(runCommand(row, uninterrupted.path())));
        oneRun = filesOf(uninterrupted.path());
        if (!row.removal) {
            ASSERT_FALSE(failed(run(true, row.choices, uninterrupted.path())));
            removedAfterOneRun = filesOf(uninterrupted.path());
        }
    }

    // A run stopped early: each file as before or as one run leaves it, and
    // no entry naming a page that is not there.
    void expectEveryFileWhole(const QString &folder) const
    {
        Files now = filesOf(folder);
        std::erase_if(now, [](const auto &file) { return file.first.contains(".skylyre-"); });
        auto names = now;
        names.insert(before.begin(), before.end());
        names.insert(oneRun.begin(), oneRun.end());
        const auto find = [](const Files &files, const QString &name) -> std::optional<QByteArray> {
            const auto found = files.find(name);
            return found == files.end() ? std::nullopt : std::optional(found->second);
        };
        for (const auto &[name, bytes] : names) {
            const std::optional<QByteArray> file = find(now, name);
            EXPECT_TRUE(file == find(before, name) || file == find(oneRun, name))
                << name.toStdString() << " is neither as it was nor as one run leaves it";
        }
        const QByteArray cfg = now.count("aircraft.cfg") ? now.at("aircraft.cfg") : QByteArray();
        const QByteArray cfgBefore = before.count("aircraft.cfg") ? before.at("aircraft.cfg") : QByteArray();
        EXPECT_EQ(missingPagesNamed(folder, cfg, cfgBefore), QStringList{});
    }

    // The same command again ends where one run ends; after an install, the
    // removal too.
    void expectRunAgainToEndAsOne(const QString &folder) const
    {
        EXPECT_FALSE(failed(runCommand(GetParam(), folder)));
        EXPECT_EQ(filesOf(folder), oneRun);
        if (!GetParam().removal) {
            run(true, GetParam().choices, folder);
            EXPECT_EQ(filesOf(folder), removedAfterOneRun);
        }
    }

    Files before;
    Files oneRun;
    Files removedAfterOneRun;
};

} // namespace

TEST_P(InterruptedRun, KilledBeforeAnyChangeOfTheDisk)
{
    int kills = 0;
    for (int change = 1;; ++change) {
        QTemporaryDir dir;
        put(dir.path(), before);
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            FaultInjector injector(dir.path());
            injector.killBefore(change);
            runCommand(GetParam(), dir.path());
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (WIFEXITED(status)) {
            EXPECT_EQ(WEXITSTATUS(status), 0);
            break;
        }
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        ++kills;
        SCOPED_TRACE("killed before change " + std::to_string(change) + " of the disk");
        expectEveryFileWhole(dir.path());
        expectRunAgainToEndAsOne(dir.path());
    }
    EXPECT_GE(kills, 4) << "the command changed the disk fewer times than a run does";
}

TEST_P(InterruptedRun, EachChangeOfTheDiskFailingChangesNothingOrSaysWhatIsLeft)
{
    std::vector<faults::Call> calls;
    {
        QTemporaryDir dir;
        put(dir.path(), before);
        FaultInjector injector(dir.path());
        runCommand(GetParam(), dir.path());
        calls = injector.calls();
    }
    std::map<faults::Op, int> seen;
    for (const faults::Call &call : calls) {
        const int nth = ++seen[call.op];
        if (!faults::changesDisk(call.op))
            continue;
        SCOPED_TRACE(std::string(faults::name(call.op)) + " number " + std::to_string(nth) + " failing");
        QTemporaryDir dir;
        put(dir.path(), before);
        PlayerBatch::Outcome outcome;
        {
            FaultInjector injector(dir.path());
            injector.failOnly(call.op, nth, call.op == faults::Op::Write ? ENOSPC : EIO);
            outcome = runCommand(GetParam(), dir.path());
            ASSERT_TRUE(injector.injected());
        }
        EXPECT_TRUE(failed(outcome));
        if (GetParam().removal && filesOf(dir.path()) != before) {
            EXPECT_TRUE(outcome.text.contains("still holds the player")) << outcome.text.toStdString();
            expectEveryFileWhole(dir.path());
        } else {
            EXPECT_EQ(filesOf(dir.path()), before) << "a failed command changed a file";
        }
        expectRunAgainToEndAsOne(dir.path());
    }
}

TEST_P(InterruptedRun, TheSameCommandTwiceEndsWhereItEndsOnce)
{
    QTemporaryDir dir;
    put(dir.path(), before);
    ASSERT_FALSE(failed(runCommand(GetParam(), dir.path())));
    EXPECT_EQ(runCommand(GetParam(), dir.path()).result, PlayerBatch::Result::Unchanged);
    EXPECT_EQ(filesOf(dir.path()), oneRun);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, InterruptedRun,
    testing::Values(RunCase{"NewFileOverTheAircraftsOwnEntry",
                            {{"aircraft.cfg", ownCfg}, {"own_notes.htm", ownPage}},
                            {.checklist = true, .newFile = true}},
                    RunCase{"NewFileBothSectionsOverTheAircraftsOwnPage",
                            {{"aircraft.cfg", "[fltsim.0]\r\nkb_checklists=cessna172_check\r\n"},
                             {"cessna172_check.htm", ownPage}},
                            {.checklist = true, .reference = true, .newFile = true}},
                    RunCase{"AddToExistingBothPagesThere",
                            {{"aircraft.cfg", namingCfg},
                             {"cessna172_check.htm", ownPage},
                             {"cessna172_ref.htm", ownPage}},
                            {.checklist = true, .reference = true, .addToExisting = true}},
                    RunCase{"NewFileAndAddToExistingOnePageThere",
                            {{"aircraft.cfg", ownCfg}, {"cessna172_check.htm", ownPage}},
                            {.checklist = true, .newFile = true, .addToExisting = true}},
                    RunCase{"ReferenceAddedWithoutBackup",
                            {{"aircraft.cfg", ownCfg}},
                            {.reference = true, .addToExisting = true, .backupCfg = false}},
                    RunCase{"OverAStaleBackup",
                            {{"aircraft.cfg", ownCfg}, {"aircraft.bak", "[fltsim.0]\r\ntitle=Another\r\n"}},
                            {.checklist = true, .reference = true, .newFile = true}},
                    RunCase{"RemovalFromTheAircraftsOwnPageAndANewOne",
                            {{"aircraft.cfg", namingCfg}, {"cessna172_check.htm", ownPage}},
                            {.checklist = true, .reference = true, .addToExisting = true},
                            true},
                    RunCase{"RemovalRestoringTheAircraftsOwnEntry",
                            {{"aircraft.cfg", ownCfg}, {"own_notes.htm", ownPage}},
                            {.checklist = true, .reference = true, .newFile = true},
                            true}),
    [](const testing::TestParamInfo<RunCase> &info) { return std::string(info.param.name); });
