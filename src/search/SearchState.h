#pragma once

#include "list/ListNode.h"
#include "search/PathList.h"

#include <string>
#include <vector>

namespace dk {

// What the last search found, kept after the result view is left so that Up,
// Back and Forward can show it again. SearchResults and ResultPaths always
// have the same length and change together.
struct SearchState {
    std::string SearchMask;              // last confirmed mask, list bytes
    std::vector<ListNode*> SearchResults; // found entries, in row order
    PathList ResultPaths;                 // SearchBase, then "\" and each Name down to the entry
    std::string SearchBase;               // the root's Name less one final "\"
};

} // namespace dk
