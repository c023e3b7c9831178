#include "kneeboard/CfgRewrite.h"

#include <gtest/gtest.h>

namespace {

struct LineCase
{
    QByteArray line;
    bool checklist;
    bool reference;
};

class LineTests : public testing::TestWithParam<LineCase>
{
};

} // namespace

TEST_P(LineTests, LookAtTheStartOfTheLineRegardlessOfCase)
{
    EXPECT_EQ(isChecklistEntry(GetParam().line), GetParam().checklist);
    EXPECT_EQ(isReferenceEntry(GetParam().line), GetParam().reference);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, LineTests,
    testing::Values(LineCase{"kb_checklists=Cessna172_check", true, false},
                    LineCase{"KB_CheckLists=Old.htm", true, false},
                    LineCase{"checklists=OldPage", true, false}, LineCase{"CHECKLIST", true, false},
                    LineCase{"kb_checklist_x=1", true, false}, LineCase{"kb_check", true, false},
                    LineCase{"kb_chec", false, false}, LineCase{" kb_checklists=x", false, false},
                    LineCase{"\tchecklists=x", false, false},
                    LineCase{"kb_reference=cessna_ref", false, true}, LineCase{"KB_REFERENCE=X", false, true},
                    LineCase{"kb_reference =x", false, true}, LineCase{"kb_referenc", false, false},
                    LineCase{"reference=x", false, true}, LineCase{"Reference=", false, true},
                    LineCase{"reference =x", false, false}, LineCase{" kb_reference=x", false, false},
                    LineCase{"[fltsim.0]", false, false}, LineCase{"", false, false},
                    LineCase{QByteArray("kb_check\x00\xff", 10), true, false}));

TEST(ApplyPass, ChangesOnlyMatchingLines)
{
    const QByteArray stem = "cessna172_ref";
    QByteArray line = "KB_Checklists=Old";
    EXPECT_TRUE(applyPass(CfgPass::Insertion, line, stem));
    EXPECT_EQ(line, "KB_Checklists=Old\r\nkb_reference=cessna172_ref");

    line = "reference=Old";
    EXPECT_TRUE(applyPass(CfgPass::Reference, line, stem));
    EXPECT_EQ(line, "kb_reference=cessna172_ref");

    line = "checklists=Old";
    EXPECT_TRUE(applyPass(CfgPass::Checklist, line, "cessna172_check"));
    EXPECT_EQ(line, "kb_checklists=cessna172_check");

    for (CfgPass pass : {CfgPass::Checklist, CfgPass::Reference, CfgPass::Insertion}) {
        line = "title=Cessna";
        EXPECT_FALSE(applyPass(pass, line, stem));
        EXPECT_EQ(line, "title=Cessna");
    }
}

namespace {

struct PassCase
{
    const char *name;
    CfgPass pass;
    QByteArray before;
    QByteArray after;
};

using WholeFile = testing::TestWithParam<PassCase>;

} // namespace

TEST_P(WholeFile, RewritesEveryLineEndingItInCrLf)
{
    const PassCase &c = GetParam();
    EXPECT_EQ(rewriteCfg(c.pass, c.before, "stem"), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Passes, WholeFile,
    testing::Values(
        PassCase{"EmptyFile", CfgPass::Insertion, "", "\r\n"},
        PassCase{"UnchangedCrLfLinesInOneRun", CfgPass::Checklist, "a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n\r\n"},
        PassCase{"InsertionAfterAnUnterminatedLastLine", CfgPass::Insertion, "a\rkb_check",
                 "a\r\nkb_check\r\nkb_reference=stem\r\n\r\n"},
        PassCase{"InsertionAfterEachOfTwoLinesInARow", CfgPass::Insertion, "Checklists=1\nkb_check=2\r\nz",
                 "Checklists=1\r\nkb_reference=stem\r\nkb_check=2\r\nkb_reference=stem\r\nz\r\n\r\n"},
        PassCase{"ChecklistLineLongerThanItsEntry", CfgPass::Checklist,
                 "kb_checklists=" + QByteArray(100, 'x') + "\nb\r\n", "kb_checklists=stem\r\nb\r\n\r\n"},
        PassCase{"ReferenceLinesReplacedChecklistKept", CfgPass::Reference,
                 "reference=1\r\nKB_REFERENCE=2\rkb_check\r\n",
                 "kb_reference=stem\r\nkb_reference=stem\r\nkb_check\r\n\r\n"},
        PassCase{"ReferencePassOverNoEntry", CfgPass::Reference, "x\n\ny", "x\r\n\r\ny\r\n\r\n"}),
    [](const testing::TestParamInfo<PassCase> &info) { return std::string(info.param.name); });

// A reference entry at the start of any line makes the reference install
// replace it; else the reference install adds one after each checklist entry.
TEST(InstallPass, ReplacesAReferenceEntryWhereThereIsOneElseInsertsOne)
{
    EXPECT_EQ(installPass(KneeboardSection::Checklist, "kb_reference=x\r\n"), CfgPass::Checklist);
    EXPECT_EQ(installPass(KneeboardSection::Reference, "kb_check=a\r\nb\rREFERENCE=x"), CfgPass::Reference);
    EXPECT_EQ(installPass(KneeboardSection::Reference, "title=kb_reference=x\n kb_reference=y"),
              CfgPass::Insertion);
    EXPECT_EQ(installPass(KneeboardSection::Reference, ""), CfgPass::Insertion);
}
