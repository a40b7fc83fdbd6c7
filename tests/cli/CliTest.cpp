#include "CliRunner.h"
#include "TestSupport.h"
#include "cli/Commands.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace dk::cli {
namespace {

using test::RunDklist;
using Outcome = test::CliOutcome;

using Cli = test::ListFileTest;

TEST_F(Cli, InfoPrintsHeaderRootAndCounts) {
    Make("header \"Диск D\"\nroot \"D:\\Data\"\nD Фото\n  F a.jpg\nF b\nX odd\n");
    const Outcome run = RunDklist(RunInfo, {list});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "header: Диск D\nroot: D:\\Data\nfolders: 2\nfiles: 3\nrecords: 5\n");
}

TEST_F(Cli, SaveWritesTheListBackInPlace) {
    Make("root \"C:\\\"\nF a comment=x\n");
    const auto before = test::ReadBytes(list);
    const Outcome run = RunDklist(RunSave, {list});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(RunDklist(RunInfo, {list}).out,
              "header: Dorvik list\nroot: \nfolders: 1\nfiles: 1\nrecords: 2\n");
}

TEST_F(Cli, AListThatCannotBeOpenedGivesTheWindowsMessageAndWritesNothing) {
    test::WriteBytes(list, {'n', 'o', 't', ' ', 'z', 'i', 'p'});
    for (auto command : {RunInfo, RunSave}) {
        const Outcome run = RunDklist(command, {list});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("Unpack file error - " + list, 0), 0u) << run.err;
        EXPECT_EQ(test::ReadBytes(list),
                  (std::vector<std::uint8_t>{'n', 'o', 't', ' ', 'z', 'i', 'p'}));
    }
    const Outcome missing = RunDklist(RunInfo, {dir / "missing.dk"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1)
        << "nothing but the list itself";
}

TEST_F(Cli, LsPrintsTheRowsOfAFolderListing) {
    Make(R"(root "C:\"
F b.txt size=1536 attr=0x21 created="01.02.2003 04:05:06" comment="к отчёту"
D "Отчёты"
  D "2024 год"
    F a.doc
)");
    Outcome root = RunDklist(RunLs, {list});
    EXPECT_EQ(root.status, 0) << root.err;
    EXPECT_EQ(root.out, "Отчёты\t0\t----\t----\t----\t----\n"
                        "b.txt\t2\t01.02.2003 04:05:06\t----\tRT\tк отчёту\n");
    for (const char* path : {"Отчёты/2024 год", "Отчёты\\2024 год\\"}) {
        const Outcome sub = RunDklist(RunLs, {list, path});
        EXPECT_EQ(sub.status, 0) << path;
        EXPECT_EQ(sub.out, "..\na.doc\t0\t----\t----\t----\t----\n") << path;
    }
    const Outcome missing = RunDklist(RunLs, {list, "отчёты"});
    EXPECT_EQ(missing.status, 1) << "names match exactly";
    EXPECT_EQ(missing.out, "");
}

} // namespace
} // namespace dk::cli
