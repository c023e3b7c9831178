// Fails each file operation of a playlist save in turn (Save Playlist and
// Save Playlist as Text, over an existing file and as a new one), and checks
// after each that the old file is byte for byte as before (or that no file
// was made), that no temporary file is left, that the save's failure names
// the file and the system's reason, that the playlist is unchanged, and that
// the next save succeeds.
//
// The file operations come from the real Qt through support/FaultInjection.h;
// the table lists them in the order a save makes them, and the test
// CleanSaveMakesExactlyTheOperationsOfTheTable holds them to that.

#include "playlist/Playlist.h"

#include "FaultInjection.h"
#include "FileReplacement.h"
#include "Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <map>

using namespace Qt::StringLiterals;
using faults::FaultInjector;
using faults::Op;
using faults::ReplacementStep;

namespace {

enum class Save { Playlist, TextListing };
enum class Target { ExistingFile, NewFile };

struct FaultCase
{
    Save save;
    Target target;
    ReplacementStep step;
    int nth; // which call of its kind, from 1
};

std::string caseName(const FaultCase &c)
{
    return std::string(c.save == Save::Playlist ? "Playlist_" : "TextListing_")
        + (c.target == Target::ExistingFile ? "OverOldFile_" : "NewFile_") + c.step.name;
}

void PrintTo(const FaultCase &c, std::ostream *out)
{
    *out << caseName(c);
}

std::vector<FaultCase> allCases()
{
    std::vector<FaultCase> cases;
    for (Save save : {Save::Playlist, Save::TextListing}) {
        for (Target target : {Target::ExistingFile, Target::NewFile}) {
            std::map<Op, int> seen;
            for (const ReplacementStep &step : faults::replacementSteps())
                cases.push_back({save, target, step, ++seen[step.op]});
        }
    }
    return cases;
}

// The errno a failing operation gets: what a full disk or a failing device
// would give.
int errorFor(Op op)
{
    return op == Op::TempCreate || op == Op::Write ? ENOSPC : EIO;
}

const QList<QByteArray> songs = {R"(C:\Tunes\Song.mp3)", "D:\\M\xfcsik\\\xe9t\xe9.mp3"_ba, "#EXTM3U",
                                 "/home/pilot/Music/Track 01.mp3"};
const QByteArray oldFile = "C:\\Old\\an older playlist.mp3\r\nC:\\Old\\kept as it was.mp3\r\n";

class SaveFaults : public testing::TestWithParam<FaultCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const QByteArray &song : songs)
            ASSERT_FALSE(playlist.appendSong(song, song.mid(song.lastIndexOf('\\') + 1)).failed());
    }

    QString fileName(Save save) const { return save == Save::Playlist ? "list.m3u" : "list.txt"; }
    QString path(Save save) const { return dir.filePath(fileName(save)); }

    PlaylistResult save(Save save)
    {
        return save == Save::Playlist ? playlist.writePlaylist(path(save))
                                      : playlist.writeTextListing(path(save));
    }

    QByteArray saved(Save save) const
    {
        QByteArray content;
        for (const QByteArray &line : save == Save::Playlist ? playlist.paths() : playlist.displayNames())
            content += line + "\r\n";
        return content;
    }

    QTemporaryDir dir;
    Playlist playlist;
};

} // namespace

TEST_P(SaveFaults, FailingOneOperationKeepsTheOldFileAndTheNextSaveWorks)
{
    const FaultCase &c = GetParam();
    const QStringList filesBefore =
        c.target == Target::ExistingFile ? QStringList{fileName(c.save)} : QStringList{};
    if (c.target == Target::ExistingFile)
        writeBytes(path(c.save), oldFile);
    PlaylistResult result;
    {
        FaultInjector injector(dir.path());
        injector.failFrom(c.step.op, c.nth, errorFor(c.step.op));
        result = save(c.save);
        ASSERT_TRUE(injector.injected())
            << "the save made no " << faults::name(c.step.op) << " number " << c.nth << "; it made:\n"
            << faults::describe(injector.calls());
    }
    EXPECT_EQ(playlist.paths(), songs) << "a save changes nothing in the playlist";

    ASSERT_TRUE(result.failure) << "the save did not fail on a file";
    EXPECT_TRUE(result.refusal.isEmpty());
    const QString message = result.failureMessage();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path(c.save)))) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromLocal8Bit(std::strerror(errorFor(c.step.op)))))
        << message.toStdString();
    if (c.target == Target::ExistingFile) {
        EXPECT_EQ(readBytes(path(c.save)), oldFile);
    }
    EXPECT_EQ(entriesOf(dir.path()), filesBefore) << "a temporary file was left, or a new file made";

    // The program goes on working: the same save again, on the same file
    // system, succeeds.
    {
        FaultInjector injector(dir.path());
        result = save(c.save);
    }
    EXPECT_FALSE(result.failed()) << result.failureMessage().toStdString();
    EXPECT_EQ(readBytes(path(c.save)), saved(c.save));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{fileName(c.save)});
}

INSTANTIATE_TEST_SUITE_P(EachOperation, SaveFaults, testing::ValuesIn(allCases()),
                         [](const testing::TestParamInfo<FaultCase> &info) { return caseName(info.param); });

// The table is the operations a clean save really makes with this Qt, in this
// order: when Qt changes how it writes files, this fails first.
class SaveFaultTable : public SaveFaults
{
};

TEST_F(SaveFaultTable, CleanSaveMakesExactlyTheOperationsOfTheTable)
{
    for (Save which : {Save::Playlist, Save::TextListing}) {
        for (Target target : {Target::ExistingFile, Target::NewFile}) {
            SCOPED_TRACE(which == Save::Playlist ? "Save Playlist" : "Save Playlist as Text");
            SCOPED_TRACE(target == Target::ExistingFile ? "over an existing file" : "as a new file");
            QFile::remove(path(which));
            if (target == Target::ExistingFile)
                writeBytes(path(which), oldFile);
            std::vector<faults::Call> calls;
            {
                FaultInjector injector(dir.path());
                ASSERT_FALSE(save(which).failed());
                calls = injector.calls();
            }
            ASSERT_EQ(readBytes(path(which)), saved(which));

            std::vector<Op> expected;
            for (const ReplacementStep &step : faults::replacementSteps())
                expected.push_back(step.op);
            std::vector<Op> made;
            for (const faults::Call &call : calls)
                made.push_back(call.op);
            EXPECT_EQ(made, expected) << "the save made:\n" << faults::describe(calls);
            QFile::remove(path(which));
        }
    }
}
