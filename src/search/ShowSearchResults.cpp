#include "search/ShowSearchResults.h"

namespace dk {

void ShowSearchResults(ShownList& shown, SearchState& search) {
    shown.CurrentEntries = search.SearchResults;
    shown.HasEntries = true;
    shown.HasParentRow = false;
    shown.ResultPaths = &search.ResultPaths;
    shown.CaptionSkip = search.SearchBase.size() + 1;
    shown.LocalPath.clear();
}

} // namespace dk
