#include "CliRunner.h"
#include "TestSupport.h"
#include "cli/Commands.h"

#include <gtest/gtest.h>

namespace dk::cli {
namespace {

using Outcome = test::CliOutcome;

class Find : public test::ListFileTest {
protected:
    Outcome Run(const Arguments& args) { return test::RunDklist(RunFind, args); }
};

TEST_F(Find, PrintsTheResultViewOfASearchMadeAfterOpening) {
    Make(R"(root "C:\"
F отчёт.doc size=1536 created="01.02.2003 04:05:06" comment="Годовой"
D Отчёты
  F "старый ОТЧЁТ.txt" size=100 attr=0x11
D Other
  D "отчёт 2020"
)");
    // Opening lists the root first, which puts its folders first; the walk
    // follows that order, and then the results get their own folders-first pass.
    const Outcome run = Run({list, "*отч"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Отчёты\t0\t----\t----\t----\t----\n"
                       "Other\\отчёт 2020\t0\t----\t----\t----\t----\n"
                       "Отчёты\\старый ОТЧЁТ.txt\t1\t----\t----\tRA\t----\n"
                       "отчёт.doc\t2\t01.02.2003 04:05:06\t----\t----\tГодовой\n");
}

TEST_F(Find, NoMatchPrintsNothing) {
    Make("root \"D:\\Data\"\nD Docs\n  F readme.txt\n");
    for (const char* mask : {"*", "data", "zzz"}) {
        const Outcome run = Run({list, mask});
        EXPECT_EQ(run.status, 0) << mask << ": " << run.err;
        EXPECT_EQ(run.out, "") << mask;
    }
}

TEST_F(Find, RefusesAnEmptyMaskAndBadArguments) {
    Make("F a\n");
    const Outcome empty = Run({list, ""});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.err, "dklist: find: the mask is empty\n");
    EXPECT_EQ(Run({list}).status, 1);
    const Outcome missing = Run({dir / "missing.dk", "a"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
}

} // namespace
} // namespace dk::cli
