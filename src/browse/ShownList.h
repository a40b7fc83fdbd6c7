#pragma once

#include "list/ListNode.h"
#include "search/PathList.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dk {

// The rows of the detail list. Row r shows entry r of CurrentEntries, or
// entry r - 1 when HasParentRow puts ".." in row 0. CurrentEntries is the
// listed folder's own Children (so marks and reordering act on the tree), or
// the search results in the result view. The rows, the entries behind them and
// the nodes the row colours are taken from are one and the same list here.
struct ShownList {
    std::span<ListNode*> CurrentEntries;
    bool HasEntries = false;   // false when no folder or result view is shown
    bool HasParentRow = false; // row 0 is ".."
    bool SearchMode = false;   // the rows are the result view of a search

    // Result view: each row's caption is its path with the first CaptionSkip
    // bytes (the search base and a "\") left off.
    const PathList* ResultPaths = nullptr;
    std::size_t CaptionSkip = 0;

    // Where the listed folder lies on this disk (with a final "\"), for icons.
    std::string LocalPath;

    void Clear() { *this = ShownList{}; }

    std::size_t RowCount() const {
        return HasEntries ? CurrentEntries.size() + (HasParentRow ? 1 : 0) : 0;
    }
    bool IsParentRow(std::size_t row) const { return HasEntries && HasParentRow && row == 0; }
    // The entry behind a row; null for ".." and for rows that do not exist.
    ListNode* EntryAt(std::size_t row) const;
    // The row showing CurrentEntries[index].
    std::size_t RowOfEntry(std::size_t index) const { return index + (HasParentRow ? 1 : 0); }
    // Column 0 as shown: "..", the Name, or the path relative to the search base.
    std::string_view Caption(std::size_t row) const;
    // The entry's full path in the result view, where it is looked for on disk.
    std::string_view ResultPath(std::size_t row) const;
    // Row 1 when there is more than one row and row 0 reads "..", else row 0.
    std::size_t FirstEntryRow() const;
};

} // namespace dk
