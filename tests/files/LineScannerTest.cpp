#include "files/LineScanner.h"

#include <QList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Bytes, and what the scanner finds in them: each line, then its terminator
// (the bytes up to where the next line starts).
struct ScanCase
{
    const char *name;
    QByteArray bytes;
    QList<QByteArray> linesAndEnds;
};
using Scan = testing::TestWithParam<ScanCase>;

// `count` empty lines, each ending in `end`.
QList<QByteArray> emptyLines(int count, const QByteArray &end)
{
    QList<QByteArray> linesAndEnds;
    for (int i = 0; i < count; ++i)
        linesAndEnds << QByteArray() << end;
    return linesAndEnds;
}

} // namespace

TEST_P(Scan, GivesEachLineAndWhereTheNextOneStarts)
{
    const QByteArray &bytes = GetParam().bytes;
    LineScanner lines(bytes);
    QList<QByteArray> found;
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.nextLine();
        const qsizetype terminator = bytes.constData() + lines.position() - line.end();
        found << line.toByteArray() << QByteArray(line.end(), terminator);
    }
    EXPECT_EQ(found, GetParam().linesAndEnds);
    EXPECT_TRUE(lines.nextLine().isEmpty());
    EXPECT_EQ(lines.position(), bytes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Terminators, Scan,
    testing::Values(ScanCase{"Empty", "", {}}, ScanCase{"CrLf", "a\r\nb\r\n", {"a", "\r\n", "b", "\r\n"}},
                    ScanCase{"LastLineWithoutTerminator", "a\r\nbc", {"a", "\r\n", "bc", ""}},
                    ScanCase{"CrBeforeCrLfIsAnEmptyLine", "a\r\r\nb", {"a", "\r", "", "\r\n", "b", ""}},
                    ScanCase{"LfBeforeCrIsTwoEnds", "a\n\rb", {"a", "\n", "", "\r", "b", ""}},
                    ScanCase{"LoneCrAtTheEnd", "a\r", {"a", "\r"}},
                    // A CR far ahead of several LFs, then LFs far ahead of several CRs.
                    ScanCase{"LfsBeforeACrThenCrsBeforeAnLf",
                             "a\nb\nc\rd\re\nf",
                             {"a", "\n", "b", "\n", "c", "\r", "d", "\r", "e", "\n", "f", ""}},
                    ScanCase{"BytesKept", "\x00\xff\r\n\t"_ba, {"\x00\xff"_ba, "\r\n", "\t", ""}},
                    // The bytes are looked at 64 at a time.
                    ScanCase{"CrLfAcrossTheEdgeOfABlock",
                             QByteArray(63, 'a') + "\r\nb",
                             {QByteArray(63, 'a'), "\r\n", "b", ""}},
                    ScanCase{"LinesLongerThanABlock",
                             QByteArray(150, 'x') + "\n" + QByteArray(70, 'y') + "\r",
                             {QByteArray(150, 'x'), "\n", QByteArray(70, 'y'), "\r"}},
                    ScanCase{"OneWholeBlockWithoutEnd", QByteArray(64, 'z'), {QByteArray(64, 'z'), ""}},
                    ScanCase{"EveryByteAnEnd", QByteArray(65, '\n'), emptyLines(65, "\n")},
                    ScanCase{"CrLfPairsAcrossTheEdges", "x" + "\r\n"_ba.repeated(40),
                             QList<QByteArray>{"x", "\r\n"} + emptyLines(39, "\r\n")}),
    [](const testing::TestParamInfo<ScanCase> &info) { return std::string(info.param.name); });
