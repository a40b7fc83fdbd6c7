#include "output/ProgressRun.h"
#include "TestSupport.h"
#include "list/WriteNode.h"
#include "output/TextExport.h"

#include <functional>
#include <gtest/gtest.h>

namespace dk {
namespace {

// Records where the bar was moved; `onShow` stands for the events the window
// lets run at that moment (a close of the window among them).
struct FakeWindow : ProgressWindow {
    std::vector<int> Positions;
    std::function<void(int)> onShow;
    void ShowPosition(int percent) override {
        Positions.push_back(percent);
        if (onShow)
            onShow(percent);
    }
};

TEST(ProgressPercent, RoundsToTheNearestAndExactHalvesToEven) {
    struct Case {
        std::int64_t done, total, percent;
    };
    for (const Case& c :
         {Case{1, 200, 0}, Case{3, 200, 2}, Case{5, 200, 2}, Case{7, 200, 4}, Case{1, 8, 12},
          Case{3, 8, 38}, Case{1, 3, 33}, Case{2, 3, 67}, Case{999, 1000, 100}, Case{5, 4, 125},
          Case{0, 0, 100}, Case{1, 0, 100}, Case{10'000'000, 10'000'000, 100}})
        EXPECT_EQ(ProgressPercent(c.done, c.total), c.percent) << c.done << "/" << c.total;
}

TEST(ProgressRun, AnExportOf1000NodesMovesTheBar100TimesEndingFull) {
    mkdk::ListBuilder builder;
    const auto folder = builder.Folder(builder.Root(), "F");
    for (int i = 0; i < 999; ++i)
        builder.File(folder, "f" + std::to_string(i));
    const auto document = test::Load(builder);
    const ListNode& root = *document->Root();

    ProgressRun run;
    FakeWindow window;
    run.Start(ProgressKindExport, static_cast<std::int64_t>(CountNodesBelow(root)), &window);
    EXPECT_EQ(run.Total(), 1000);
    EXPECT_EQ(run.Kind(), ProgressKindExport);
    MemoryOutput out;
    std::string lastFolder;
    EXPECT_EQ(WriteTextLines(root.Children, out, lastFolder, &run), ExportStatus::Done);

    EXPECT_EQ(run.Done(), 1000);
    ASSERT_EQ(window.Positions.size(), 100u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(window.Positions[i], i + 1);
    EXPECT_EQ(run.Position(), 100);
}

TEST(ProgressRun, SavingFourNodesTakesFiveStepsAndTheLastComputes125) {
    const auto document = test::LoadDescription("D a\n  F b\nF c\nF d\n");
    ProgressRun run;
    FakeWindow window;
    run.Start(ProgressKindSaving, static_cast<std::int64_t>(CountNodesBelow(*document->Root())),
              &window);
    MemoryOutput out;
    EXPECT_EQ(WriteListData(*document, out, &run), WriteResult::Done);

    EXPECT_EQ(run.Done(), 5);
    EXPECT_EQ(run.Percent(), 125);
    EXPECT_EQ(window.Positions, (std::vector<int>{25, 50, 75, 100, 100}));
}

TEST(ProgressRun, ARunOverNothingShowsAFullBar) {
    ProgressRun run;
    FakeWindow window;
    run.Start(ProgressKindSaving, 0, &window); // a saved list of nothing but its root
    run.Step();
    EXPECT_EQ(run.Percent(), 100);
    EXPECT_EQ(window.Positions, (std::vector<int>{100}));
}

TEST(ProgressRun, CancellingStopsTheStepsAndTheNextRunStartsCleared) {
    ProgressRun run;
    FakeWindow window;
    window.onShow = [&](int percent) {
        if (percent == 30)
            run.RequestCancel(); // the user closes the window while events run
    };
    run.Start(ProgressKindExport, 10, &window);
    for (int i = 0; i < 10; ++i)
        run.Step();
    EXPECT_TRUE(run.CancelRequested());
    EXPECT_EQ(run.Done(), 3);
    EXPECT_EQ(window.Positions, (std::vector<int>{10, 20, 30}));

    // The walk itself stops at the first check after the close.
    const auto document = test::LoadDescription("F a\nF b\nF c\nF d\n");
    window.Positions.clear();
    window.onShow = [&](int percent) {
        if (percent == 50)
            run.RequestCancel();
    };
    run.Start(ProgressKindExport, 4, &window);
    EXPECT_FALSE(run.CancelRequested());
    EXPECT_EQ(run.Position(), 0);
    MemoryOutput out;
    std::string lastFolder;
    EXPECT_EQ(WriteTextLines(document->Root()->Children, out, lastFolder, &run),
              ExportStatus::Cancelled);
    EXPECT_EQ(run.Done(), 2);
    EXPECT_EQ(std::string(out.Bytes.begin(), out.Bytes.end()), "a\r\n");

    run.End();
    EXPECT_FALSE(run.CancelRequested());
    window.Positions.clear();
    window.onShow = nullptr;
    run.Start(ProgressKindSaving, 2, &window);
    run.Step();
    run.Step();
    EXPECT_EQ(window.Positions, (std::vector<int>{50, 100}));
}

} // namespace
} // namespace dk
