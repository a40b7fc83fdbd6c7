#pragma once

#include "browse/ShownList.h"
#include "search/SearchState.h"

namespace dk {

// Makes the rows the result view of the last search: one row per result, no
// ".." row, each captioned with its path relative to the search base.
void ShowSearchResults(ShownList& shown, SearchState& search);

} // namespace dk
