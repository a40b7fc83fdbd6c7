#include "CliRunner.h"
#include "TestSupport.h"
#include "cli/Commands.h"

#include <gtest/gtest.h>

namespace dk::cli {
namespace {

class ExportCommand : public test::ListFileTest {
protected:
    std::string out, err;

    int Run(const Arguments& args) {
        const test::CliOutcome run = test::RunDklist(RunExport, args);
        out = run.out;
        err = run.err;
        return run.status;
    }
};

TEST_F(ExportCommand, WritesTheFirstExportAfterTheRootIsListedFoldersFirst) {
    std::string error;
    ASSERT_TRUE(test::Describe("F c.bin strike=1\n"
                               "D Docs\n"
                               "  F a.txt\n"
                               "  D Old\n"
                               "    F b.doc attr=0x80\n")
                    .WriteListFile(list, &error))
        << error;
    const std::string text = dir / "home.txt";
    EXPECT_EQ(Run({list, text}), 0) << err;
    EXPECT_EQ(test::ReadText(text), "\r\nDocs\\a.txt\r\n\r\n*Docs\\Old\\b.doc\r\n\r\n*c.bin\r\n");
    EXPECT_EQ(out, "");
}

TEST_F(ExportCommand, AFileThatCannotBeWrittenFails) {
    std::string error;
    ASSERT_TRUE(test::Describe("F a\n").WriteListFile(list, &error)) << error;
    for (const std::string& target : {dir / "missing/out.txt", std::string("/dev/full")}) {
        err.clear();
        EXPECT_EQ(Run({list, target}), 1) << target;
        EXPECT_EQ(err.rfind("dklist: Error in creating file! - " + target, 0), 0u) << err;
    }
}

} // namespace
} // namespace dk::cli
