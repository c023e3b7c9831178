#include "installer/CfgRewrite.h"

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
                    LineCase{"checklists=OldPage", true, false},
                    LineCase{"CHECKLIST", true, false},
                    LineCase{"kb_checklist_x=1", true, false},
                    LineCase{"kb_check", true, false},
                    LineCase{"kb_chec", false, false},
                    LineCase{" kb_checklists=x", false, false},
                    LineCase{"\tchecklists=x", false, false},
                    LineCase{"kb_reference=cessna_ref", false, true},
                    LineCase{"KB_REFERENCE=X", false, true},
                    LineCase{"kb_reference =x", false, true},
                    LineCase{"kb_referenc", false, false},
                    LineCase{"reference=x", false, true},
                    LineCase{"Reference=", false, true},
                    LineCase{"reference =x", false, false},
                    LineCase{" kb_reference=x", false, false},
                    LineCase{"[fltsim.0]", false, false},
                    LineCase{"", false, false},
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
