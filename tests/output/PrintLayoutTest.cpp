#include "output/PrintLayout.h"
#include "TestSupport.h"
#include "browse/FoldersFirst.h"

#include <gtest/gtest.h>

namespace dk {
namespace {

TEST(PrintLines, PathsBelowTheShownFolderInItsCurrentOrder) {
    const auto document = test::LoadDescription("D Shown\n"
                                                "  F top strike=1\n"
                                                "  D Sub\n"
                                                "    F name attr=0x80\n"
                                                "    D Deeper\n"
                                                "      F x\n"
                                                "  X odd\n"
                                                "    F inside\n"
                                                "  D Empty\n"
                                                "F outside\n");
    ListNode& shown = *test::At(*document->Root(), "Shown");
    EXPECT_EQ(CollectPrintLines(shown.Children),
              (std::vector<std::string>{"top", "*Sub\\name", "Sub\\Deeper\\x", "odd"}));

    FoldersFirst(shown.Children); // as listing the folder leaves it: Sub Empty odd top
    EXPECT_EQ(CollectPrintLines(shown.Children),
              (std::vector<std::string>{"*Sub\\name", "Sub\\Deeper\\x", "odd", "top"}));

    EXPECT_TRUE(CollectPrintLines(test::At(*document->Root(), "Shown/Empty")->Children).empty());
}

TEST(PrintLines, ADeepChainIsWalkedWithoutRecursion) {
    mkdk::ListBuilder builder;
    auto folder = builder.Root();
    for (int depth = 0; depth < 100'000; ++depth)
        folder = builder.Folder(folder, "d");
    builder.File(folder, "f");
    const auto document = test::Load(builder);
    const auto lines = CollectPrintLines(document->Root()->Children);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 100'000u * 2 + 1);
}

// Every character 10 pixels wide, every line 50 high.
struct FixedMeasurer : PrintMeasurer {
    int measured = 0;
    static int Characters(std::string_view text) {
        int count = 0;
        for (const char c : text)
            count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return count;
    }
    int TextWidth(std::string_view text) override {
        ++measured;
        return 10 * Characters(text);
    }
    int TextHeight(std::string_view) override { return 50; }
};

std::vector<PrintPage> Layout(const std::vector<std::string>& lines, PageSize page) {
    FixedMeasurer measure;
    return LayoutPrintPages(lines, page, measure);
}

std::string Repeat(const std::string& unit, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += unit;
    return text;
}

TEST(PrintLayout, SplitsALineWiderThanThePageWidthLess200Once) {
    struct Case {
        const char* name;
        int pageWidth;
        std::string line;
        std::vector<std::string> drawn;
    };
    const std::string a100 = Repeat("a", 100);
    const Case cases[] = {
        {"exactly at the limit", 1200, a100, {a100}},
        {"one pixel over", 1199, a100, {Repeat("a", 98), "aa"}},
        {"odd length", 1199, Repeat("b", 101), {Repeat("b", 99), "bb"}},
        {"the tail stays as wide as it is",
         1199,
         Repeat("c", 250),
         {Repeat("c", 98), Repeat("c", 152)}},
        {"characters, not bytes", 1199, Repeat("я", 101), {Repeat("я", 99), "яя"}},
        {"not even one character fits", 205, "abc", {"", "abc"}},
        {"a page narrower than its margins", 150, "abc", {"", "abc"}},
        {"an empty line", 1200, "", {""}},
    };
    for (const Case& c : cases) {
        const auto pages = Layout({c.line}, {c.pageWidth, 2000});
        ASSERT_EQ(pages.size(), 1u) << c.name;
        std::vector<std::string> drawn;
        int y = 100;
        for (const PrintDraw& draw : pages[0]) {
            EXPECT_EQ(draw.X, 100) << c.name;
            EXPECT_EQ(draw.Y, y) << c.name;
            y += 50;
            drawn.push_back(draw.Text);
        }
        EXPECT_EQ(drawn, c.drawn) << c.name;
    }
}

TEST(PrintLayout, FindsTheSplitWithFewMeasurements) {
    FixedMeasurer measure;
    const std::string line = Repeat("d", 5000);
    const auto pages = LayoutPrintPages(std::vector<std::string>{line}, {1200, 2000}, measure);
    ASSERT_EQ(pages[0].size(), 2u);
    EXPECT_EQ(pages[0][0].Text, Repeat("d", 100));
    EXPECT_LT(measure.measured, 30);
}

TEST(PrintLayout, BreaksPagesOnlyBeforeALineThatFollows) {
    // Page height 600: a page is full once y passes 400, after its 7th line.
    std::vector<std::string> lines;
    for (int i = 0; i < 15; ++i)
        lines.push_back("line" + std::to_string(i));

    const auto fifteen = Layout(lines, {1200, 600});
    ASSERT_EQ(fifteen.size(), 3u);
    EXPECT_EQ(fifteen[0].size(), 7u);
    EXPECT_EQ(fifteen[1].size(), 7u);
    EXPECT_EQ(fifteen[1][0], (PrintDraw{100, 100, "line7"}));
    EXPECT_EQ(fifteen[1][6], (PrintDraw{100, 400, "line13"}));
    EXPECT_EQ(fifteen[2], (PrintPage{{100, 100, "line14"}}));

    // The last line fills the page: the document ends there, without a blank page.
    lines.pop_back();
    EXPECT_EQ(Layout(lines, {1200, 600}).size(), 2u);

    // A split line's two parts both count before the page is checked.
    const auto split =
        Layout({"a", "b", "c", "d", "e", "f", Repeat("w", 120), "after"}, {1200, 600});
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0].size(), 8u);
    EXPECT_EQ(split[0][7].Y, 450);
    EXPECT_EQ(split[1], (PrintPage{{100, 100, "after"}}));

    // Nothing to print: one page, without text.
    const auto none = Layout({}, {1200, 600});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_TRUE(none[0].empty());
}

} // namespace
} // namespace dk
