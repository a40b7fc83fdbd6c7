#include "marks/RowColours.h"
#include "TestSupport.h"
#include "browse/ListFolder.h"
#include "search/ShowSearchResults.h"

#include <gtest/gtest.h>

namespace dk {
namespace {

using namespace rowcolour;

TEST(RowColours, FromMarkDamageAndStrikeOut) {
    auto document = test::LoadDescription("D A\n"
                                          "  F needed mark=1\n"
                                          "  F useless mark=2\n"
                                          "  F plain\n"
                                          "  F odd mark=7\n"
                                          "  F damaged attr=0x80\n"
                                          "  F struck strike=1\n"
                                          "  F damagedNeeded attr=0x81 mark=1\n"
                                          "  F struckUseless strike=1 mark=2\n"
                                          "D Empty\n");
    ListNode& root = *document->Root();
    ShownList shown;
    ASSERT_TRUE(ListFolder(shown, "C:\\*A*", root, ""));
    const struct {
        std::size_t row;
        CellLook name;
        CellLook other;
    } cases[] = {
        {0, {}, {std::nullopt, Black, false}}, // ".."
        {1, {NeededBackground, Black, false}, {NeededBackground, Black, false}},
        {2, {NotNeededBackground, Black, false}, {NotNeededBackground, Black, false}},
        {3, {std::nullopt, Black, false}, {std::nullopt, Black, false}},
        {4, {std::nullopt, Black, false}, {std::nullopt, Black, false}},
        {5, {std::nullopt, Red, false}, {std::nullopt, Black, false}},
        {6, {std::nullopt, Red, true}, {std::nullopt, Black, false}},
        {7, {NeededBackground, Red, false}, {NeededBackground, Black, false}},
        {8, {NotNeededBackground, Red, true}, {NotNeededBackground, Black, false}},
        {9, {}, {std::nullopt, Black, false}}, // beyond the entries
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowCellLook(shown, c.row, 0), c.name) << "row " << c.row;
        for (int column = 1; column < 6; ++column)
            EXPECT_EQ(RowCellLook(shown, c.row, column), c.other)
                << "row " << c.row << ", column " << column;
    }

    ASSERT_TRUE(ListFolder(shown, "C:\\*Empty*", root, ""));
    EXPECT_EQ(RowCellLook(shown, 0, 0), CellLook{});

    // The result view has no ".." row: row 0 is the first result.
    SearchState search;
    search.SearchBase = "C:";
    search.SearchResults = {test::At(root, "A/struck"), test::At(root, "A/needed")};
    search.ResultPaths.push_back("C:\\A\\struck");
    search.ResultPaths.push_back("C:\\A\\needed");
    ShowSearchResults(shown, search);
    EXPECT_EQ(RowCellLook(shown, 0, 0), (CellLook{std::nullopt, Red, true}));
    EXPECT_EQ(RowCellLook(shown, 1, 4), (CellLook{NeededBackground, Black, false}));
}

} // namespace
} // namespace dk
