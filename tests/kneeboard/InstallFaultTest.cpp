// Fails each file operation of an install in turn, and checks after each that
// the page, aircraft.cfg and aircraft.bak are byte for byte as before, that no
// temporary file is left, that the user saw exactly one "Error" message, and
// that the same install run again ends as one uninterrupted install does.
//
// The install is the worst case: Reference section with the insertion pass
// and a backup, over an existing page and an existing aircraft.bak of another
// aircraft.cfg; the one read of aircraft.cfg also without a backup. The file
// operations come from the real Qt through support/FaultInjection.h; the
// tables below list them in the order an install makes them, and the test
// CleanInstallMakesExactlyTheOperationsOfTheTable holds them to that.

#include "FaultInjection.h"
#include "FileReplacement.h"
#include "InstallerInFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>

using faults::FaultInjector;
using faults::Op;

namespace {

enum class Routine { NewFile, AddToExisting };
// The step of the install that a failing operation belongs to.
enum class Stage { Page, Read, Backup, WriteBack, Place };

struct Operation
{
    Op op;
    std::string what; // for the test's name
    Stage stage;
    const char *fileInError; // the file the "Error" message must name
};

const char *const cfgName = "aircraft.cfg";
const char *const bakName = "aircraft.bak";
const char *const pageName = "cessna172_ref.htm";

// Writing a file whole beside its place (AtomicFile), then, among `placing`,
// putting it in that place.
void replaceFile(const char *what, Stage stage, const char *file, std::vector<Operation> *writing,
                 std::vector<Operation> *placing)
{
    for (const faults::ReplacementStep &step : faults::replacementSteps())
        (step.placing ? placing : writing)
            ->push_back(
                {step.op, std::string(what) + "_" + step.name, step.placing ? Stage::Place : stage, file});
}

// Every read() returns at most this many bytes (FaultInjector::limitReads),
// so that a read can fail after some of the file was read, as it does on a
// bad sector or a dropped network share.
constexpr int readChunk = 128;
qsizetype cfgSize();
qsizetype oldPageSize();
qsizetype oldBackupSize();

// Reading a file whole (readWholeFile): one read per chunk, then one that
// finds the end (a failure there must not pass for the end).
std::vector<Operation> readFile(const char *what, Stage stage, const char *file, qsizetype size)
{
    auto named = [what](const std::string &step) { return std::string(what) + "_" + step; };
    std::vector<Operation> ops = {{Op::OpenRead, named("Open"), stage, file}};
    const qsizetype reads = (size + readChunk - 1) / readChunk;
    for (qsizetype i = 1; i <= reads; ++i)
        ops.push_back({Op::Read, named("Read" + std::to_string(i)), stage, file});
    ops.push_back({Op::Read, named("ReadToEnd"), stage, file});
    return ops;
}

// Every file operation of the install, in order: everything written beside
// its place, then aircraft.bak, the page and aircraft.cfg put in place.
std::vector<Operation> installOperations(bool backup = true)
{
    std::vector<Operation> all;
    std::vector<Operation> placing;
    auto add = [&all](const std::vector<Operation> &ops) { all.insert(all.end(), ops.begin(), ops.end()); };
    add(readFile("PageRead", Stage::Page, pageName, oldPageSize()));
    std::vector<Operation> pagePlacing;
    replaceFile("Page", Stage::Page, pageName, &all, &pagePlacing);
    add(readFile("CfgRead", Stage::Read, cfgName, cfgSize()));
    if (backup) {
        add(readFile("BackupRead", Stage::Backup, bakName, oldBackupSize()));
        replaceFile("BackupCopy", Stage::Backup, bakName, &all, &placing);
    }
    placing.insert(placing.end(), pagePlacing.begin(), pagePlacing.end());
    replaceFile("WriteBack", Stage::WriteBack, cfgName, &all, &placing);
    add(placing);
    return all;
}

// The errno a failing operation gets: what a full disk, a refused permission
// or a failing device would give.
int errorFor(Op op)
{
    switch (op) {
    case Op::OpenRead:
    case Op::OpenAppend:
    case Op::OpenWrite:
        return EACCES;
    case Op::TempCreate:
    case Op::Write:
        return ENOSPC;
    case Op::Read:
    case Op::Sync:
    case Op::Link:
    case Op::Rename:
    case Op::Unlink:
        return EIO;
    }
    return EIO;
}

struct FaultCase
{
    Routine routine;
    Operation operation;
    int nth; // which call of its kind, from 1
    bool backup = true;
};

std::string caseName(const FaultCase &c);

void PrintTo(const FaultCase &c, std::ostream *out)
{
    *out << caseName(c);
}

std::string caseName(const FaultCase &c)
{
    return std::string(c.routine == Routine::NewFile ? "NewFile_" : "AddToExisting_")
        + (c.backup ? "" : "NoBackup_") + c.operation.what;
}

std::vector<FaultCase> allCases()
{
    std::vector<FaultCase> cases;
    for (Routine routine : {Routine::NewFile, Routine::AddToExisting}) {
        std::map<Op, int> seen;
        for (const Operation &operation : installOperations())
            cases.push_back({routine, operation, ++seen[operation.op]});
    }
    // Without a backup, the one read of aircraft.cfg is not the source of a copy.
    std::map<Op, int> seen;
    for (const Operation &operation : installOperations(false)) {
        const int nth = ++seen[operation.op];
        if (operation.stage == Stage::Read)
            cases.push_back({Routine::NewFile, operation, nth, false});
    }
    return cases;
}

// A realistic aircraft.cfg: two variations with checklist entries and no
// reference entry, so that a Reference install runs the insertion pass.
const QByteArray cfgBefore = "[fltsim.0]\r\n"
                             "title=Cessna Skyhawk\r\n"
                             "sim=Cessna172\r\n"
                             "model=\r\n"
                             "panel=\r\n"
                             "kb_checklists=Cessna172_check\r\n"
                             "atc_id=N172SP\r\n"
                             "\r\n"
                             "[fltsim.1]\r\n"
                             "title=Cessna Skyhawk Floats\r\n"
                             "kb_checklists=Cessna172_check\r\n"
                             "\r\n"
                             "[General]\r\n"
                             "atc_type=Cessna\r\n"
                             "atc_model=C172\r\n"
                             "editable=1\r\n"
                             "\r\n"
                             "[GeneralEngineData]\r\n"
                             "engine_type=0\r\n"
                             "Engine.0=-2.50, 0.00, 0.00\r\n";

qsizetype cfgSize()
{
    return cfgBefore.size();
}

// What a successful install writes from cfgBefore.
QByteArray cfgAfter()
{
    QByteArray after = cfgBefore;
    after.replace("kb_checklists=Cessna172_check\r\n",
                  "kb_checklists=Cessna172_check\r\nkb_reference=cessna172_ref\r\n");
    return after + "\r\n";
}

const QByteArray oldPage = "<html><body>The aircraft's own reference page</body></html>\r\n";

qsizetype oldPageSize()
{
    return oldPage.size();
}

// Not one that installs made the aircraft.cfg of: replaced by the backup.
const QByteArray oldBackup = "[fltsim.0]\r\ntitle=an older backup\r\n";

qsizetype oldBackupSize()
{
    return oldBackup.size();
}

class InstallFaults : public testing::TestWithParam<FaultCase>, protected InstallerInFolder
{
protected:
    void SetUp() override
    {
        writeBytes(path(cfgName), cfgBefore);
        writeBytes(path(bakName), oldBackup);
        writeBytes(path(pageName), oldPage);
    }

    void install(Routine routine)
    {
        if (routine == Routine::NewFile)
            installer.installNewPage(Reference);
        else
            installer.addToExistingPage(Reference);
    }
};

} // namespace

TEST_P(InstallFaults, FailingOneOperationLeavesEverythingAsTheyWereAndTheNextInstallWorks)
{
    const FaultCase &c = GetParam();
    const Stage stage = c.operation.stage;
    {
        FaultInjector injector(dir.path());
        injector.limitReads(readChunk);
        // A file that cannot take its place fails once (another program held
        // it, as on Windows): what was put in place before it is then undone.
        if (stage == Stage::Place)
            injector.failOnly(c.operation.op, c.nth, errorFor(c.operation.op));
        else
            injector.failFrom(c.operation.op, c.nth, errorFor(c.operation.op));
        if (stage != Stage::Page)
            dialogs.answer(Answer::Yes).answer(c.backup ? Answer::Yes : Answer::No); // configure
        install(c.routine);
        ASSERT_TRUE(injector.injected())
            << "the install made no " << faults::name(c.operation.op) << " number " << c.nth << "; it made:\n"
            << faults::describe(injector.calls());
    }

    // Exactly one message titled "Error", the last, naming the file and the
    // system's reason.
    const std::vector<DialogCall> messages = dialogs.messages();
    ASSERT_FALSE(messages.empty());
    int errors = 0;
    for (const DialogCall &message : messages)
        errors += message.title == "Error";
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(messages.back().title, "Error");
    EXPECT_EQ(messages.back().style, errorBox);
    EXPECT_TRUE(messages.back().text.contains(QDir::toNativeSeparators(path(c.operation.fileInError))))
        << messages.back().text.toStdString();
    EXPECT_TRUE(
        messages.back().text.contains(QString::fromLocal8Bit(std::strerror(errorFor(c.operation.op)))))
        << messages.back().text.toStdString();
    EXPECT_EQ(messages.size(), stage == Stage::Page ? 1u : 3u) << "questions asked after the page failed";

    // A failed install changes nothing.
    EXPECT_EQ(readBytes(path(cfgName)), cfgBefore);
    EXPECT_EQ(readBytes(path(pageName)), oldPage);
    EXPECT_EQ(readBytes(path(bakName)), oldBackup);
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{bakName, cfgName, pageName}))
        << "a temporary file was left";

    // The same install again, on the same file system, ends as one
    // uninterrupted install does.
    dialogs.calls.clear();
    {
        FaultInjector injector(dir.path());
        injector.limitReads(readChunk);
        dialogs.answer(Answer::Yes).answer(Answer::Yes);
        install(c.routine);
    }
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(readBytes(path(cfgName)), cfgAfter());
    EXPECT_EQ(readBytes(path(bakName)), cfgBefore);
    EXPECT_EQ(readBytes(path(pageName)), c.routine == Routine::NewFile ? player() : oldPage + player());
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{bakName, cfgName, pageName}));
}

INSTANTIATE_TEST_SUITE_P(EachOperation, InstallFaults, testing::ValuesIn(allCases()),
                         [](const testing::TestParamInfo<FaultCase> &info) { return caseName(info.param); });

// The tables above are the operations a clean install really makes with this
// Qt, in this order: when Qt changes how it writes files, this fails first.
class InstallFaultTable : public InstallFaults
{
};

TEST_F(InstallFaultTable, CleanInstallMakesExactlyTheOperationsOfTheTable)
{
    for (Routine routine : {Routine::NewFile, Routine::AddToExisting}) {
        for (bool backup : {true, false}) {
            SCOPED_TRACE(routine == Routine::NewFile ? "New File" : "Add to existing");
            SCOPED_TRACE(backup ? "with a backup" : "without a backup");
            writeBytes(path(cfgName), cfgBefore);
            writeBytes(path(bakName), oldBackup);
            writeBytes(path(pageName), oldPage);
            std::vector<faults::Call> calls;
            {
                FaultInjector injector(dir.path());
                injector.limitReads(readChunk);
                dialogs.answer(Answer::Yes).answer(backup ? Answer::Yes : Answer::No);
                install(routine);
                calls = injector.calls();
            }
            ASSERT_EQ(readBytes(path(cfgName)), cfgAfter());

            std::vector<Op> expected;
            for (const Operation &operation : installOperations(backup))
                expected.push_back(operation.op);
            std::vector<Op> made;
            for (const faults::Call &call : calls)
                made.push_back(call.op);
            EXPECT_EQ(made, expected) << "the install made:\n" << faults::describe(calls);
            dialogs.calls.clear();
        }
    }
}

TEST_F(InstallFaultTable, TheInjectorSeesOnlyTheWatchedFolder)
{
    QTemporaryDir elsewhere;
    writeBytes(elsewhere.filePath("aircraft.cfg"), cfgBefore);
    FaultInjector injector(dir.path());
    injector.failFrom(Op::OpenRead, 1, EACCES);
    EXPECT_EQ(readBytes(elsewhere.filePath("aircraft.cfg")), cfgBefore);
    EXPECT_TRUE(injector.calls().empty());
    EXPECT_FALSE(injector.injected());
}

// A sync cut short by a signal is made again, as the system asks.
TEST_F(InstallFaultTable, ASyncInterruptedBySignalIsMadeAgain)
{
    {
        FaultInjector injector(dir.path());
        injector.failOnly(Op::Sync, 1, EINTR);
        dialogs.answer(Answer::Yes).answer(Answer::Yes);
        install(Routine::NewFile);
        EXPECT_TRUE(injector.injected());
    }
    EXPECT_EQ(dialogs.messages().size(), 2u) << "only the two questions";
    EXPECT_EQ(readBytes(path(cfgName)), cfgAfter());
    EXPECT_EQ(readBytes(path(pageName)), player());
}
