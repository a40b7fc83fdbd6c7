#pragma once

#include "app/WindowState.h"
#include "list/ListNode.h"
#include "search/NameMask.h"
#include "search/PathList.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dk {

// The root's Name less one final "\": "C:\" gives "C:", "D:\Data" stays as
// it is, an empty Name (a saved list) gives an empty base.
std::string SearchBaseOf(std::string_view rootName);

enum class SearchError {
    None,
    OutOfMemory, // the results or their paths do not fit in memory
};

// How many bytes the result paths of one search may take in all: a quarter
// of the machine's memory. A path is as long as its entry is deep, so a
// hostile list made of one long chain would otherwise ask for memory that
// grows with the square of its length.
std::size_t DefaultPathBytesLimit();

// Appends to `results` every entry below `node` whose Name fits `mask`, and
// to `paths` its full path: `path` (the full path of `node`), then "\" and
// each Name on the way down. `node` itself is not tested. The walk is in
// pre-order, each folder before what it holds, siblings in the current order
// of their Children; a file record with children is walked like a folder.
// When the paths would exceed `pathBytesLimit`, or memory runs out, the walk
// stops with OutOfMemory and the lists hold what was found so far.
SearchError CollectMatches(ListNode& node, const NameMask& mask, std::string_view path,
                           PathList& paths, std::vector<ListNode*>& results,
                           std::size_t pathBytesLimit = DefaultPathBytesLimit());

// Whether a mask the dialog confirmed starts a search at all. An empty one
// does not; then nothing changes, not even the rows shown.
inline bool MaskStartsSearch(std::string_view typedMask) {
    return !typedMask.empty();
}

enum class SearchOutcome {
    NotRun,      // no list is loaded, or the mask is empty: nothing changed
    Shown,       // the result view shows what was found (perhaps nothing)
    OutOfMemory, // the result view is shown empty: the results did not fit
};

// The Find command once the dialog was confirmed with `typedMask` (list
// bytes, as typed): search mode on, the whole list below the root searched
// with the mask less its first "*", found folders put before found files,
// and the result view shown. SearchMask keeps the normalised mask,
// SearchBase the base of the captions.
SearchOutcome RunSearch(WindowState& state, std::string typedMask,
                        std::size_t pathBytesLimit = DefaultPathBytesLimit());

} // namespace dk
