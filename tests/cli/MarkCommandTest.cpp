#include "CliRunner.h"
#include "TestSupport.h"
#include "cli/Commands.h"
#include "list/ListLoader.h"

#include <gtest/gtest.h>

namespace dk::cli {
namespace {

using Outcome = test::CliOutcome;

Outcome Dklist(int (*command)(CliSession&, const Arguments&), const Arguments& args) {
    return test::RunDklist(command, args);
}

class MarkAndComment : public test::ListFileTest {
protected:
    ListContainer container;
    std::unique_ptr<ListDocument> written;

    void SetUp() override {
        Make("D Фото\n"
             "  F a.jpg\n"
             "  F b.jpg mark=2\n"
             "D Docs\n"
             "  F report.txt comment=old\n"
             "F top\n");
    }
    // The list as it is now on disk.
    ListNode& Written(const std::string& path) {
        LoadResult loaded = LoadList(container, list, nullptr);
        EXPECT_EQ(loaded.Error, LoadError::None);
        written = std::move(loaded.Document);
        ListNode* node = test::At(*written->Root(), path);
        EXPECT_TRUE(node) << path;
        return *node;
    }
};

TEST_F(MarkAndComment, MarkWritesTheMarksInTheOrderGiven) {
    // The file first: it becomes needed, then its folder makes it needed
    // again. The folder first: its subtree becomes needed, then the file
    // switches back.
    Outcome run = Dklist(RunMark, {list, "needed", "Фото\\a.jpg", "Фото", "top"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Written("Фото/a.jpg").Record->Mark(), 1);
    EXPECT_EQ(Written("Фото/b.jpg").Record->Mark(), 1);
    EXPECT_EQ(Written("top").Record->Mark(), 1);
    EXPECT_EQ(Written("Фото").Record->MarkedBelow(), 1 + 2);

    run = Dklist(RunMark, {list, "clear", "Фото", "Фото/a.jpg", "/Фото/"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Written("Фото").Record->Mark(), 0);
    EXPECT_EQ(Written("Фото/a.jpg").Record->Mark(), 0);
    EXPECT_EQ(Written("Фото/b.jpg").Record->Mark(), 0);
    EXPECT_EQ(Written("Фото").Record->MarkedBelow(), 3 + 2 - 1) << "a.jpg named once";

    run = Dklist(RunMark, {list, "notneeded", "Docs", "Docs/report.txt"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Written("Docs").Record->Mark(), 2);
    EXPECT_EQ(Written("Docs/report.txt").Record->Mark(), 0);
}

TEST_F(MarkAndComment, CommentWritesTheTextAsTheDialogAcceptsIt) {
    const Outcome run = Dklist(RunComment, {list, "Docs/report.txt", "первая\r\nвторая 漢"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Written("Docs/report.txt").Record->Comment(), test::Enc("первая вторая ?"));
}

TEST_F(MarkAndComment, FailuresWriteNothing) {
    const auto before = test::ReadBytes(list);
    const struct {
        int (*command)(CliSession&, const Arguments&);
        Arguments args;
        std::string message;
    } cases[] = {
        {RunMark, {list, "needed", "top", "Фото/c.jpg"}, "dklist: no entry Фото/c.jpg in " + list},
        {RunMark, {list, "needed", "/"}, "dklist: no entry / in " + list},
        {RunMark, {list, "wanted", "top"}, "dklist: usage"},
        {RunMark, {list, "needed"}, "dklist: usage"},
        {RunComment, {list, "Docs/none.txt", "x"}, "dklist: no entry Docs/none.txt in " + list},
        {RunComment, {list, "Docs/report.txt", ""}, "dklist: Commentary is not entered !\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = Dklist(c.command, c.args);
        EXPECT_EQ(run.status, 1) << c.message;
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
        EXPECT_EQ(test::ReadBytes(list), before) << c.message;
    }
}

} // namespace
} // namespace dk::cli
