#include "search/Search.h"

#include "browse/FoldersFirst.h"
#include "search/ShowSearchResults.h"

#include <cstdint>
#include <new>
#include <stdexcept>
#include <unistd.h>
#include <utility>

namespace dk {

std::string SearchBaseOf(std::string_view rootName) {
    if (!rootName.empty() && rootName.back() == '\\')
        rootName.remove_suffix(1);
    return std::string(rootName);
}

std::size_t DefaultPathBytesLimit() {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return std::size_t(1) << 30;
    return static_cast<std::size_t>(pages) / 4 * static_cast<std::size_t>(pageSize);
}

namespace {

// Records lie in the list's order, and so does this walk (a listing reorders
// siblings, but each subtree stays together): asking for the record some
// places ahead keeps several memory reads going while names are tested.
constexpr std::size_t PrefetchAhead = 16;

void PrefetchRecordAhead(const ListRecord* record) {
#if defined(__GNUC__)
    // A prefetch never faults, so running past the last record is harmless.
    const auto ahead = reinterpret_cast<std::uintptr_t>(record) + PrefetchAhead * ListRecord::Bytes;
    // Names often reach into the next cache line.
    __builtin_prefetch(reinterpret_cast<const void*>(ahead));
    __builtin_prefetch(reinterpret_cast<const void*>(ahead + 63));
#else
    (void)record;
#endif
}

} // namespace

SearchError CollectMatches(ListNode& node, const NameMask& mask, std::string_view path,
                           PathList& paths, std::vector<ListNode*>& results,
                           std::size_t pathBytesLimit) {
    // One frame per folder on the way down: which child comes next, and how
    // long the path of the folder is, so the path buffer is cut back to it
    // instead of being built again for every entry.
    struct Frame {
        const ListNode* folder;
        std::size_t next;
        std::size_t pathLength;
    };
    try {
        std::vector<Frame> frames;
        std::string current(path);
        std::size_t pathBytes = 0;
        frames.push_back({&node, 0, current.size()});
        while (!frames.empty()) {
            Frame& frame = frames.back();
            if (frame.next == frame.folder->Children.size()) {
                frames.pop_back();
                continue;
            }
            ListNode* entry = frame.folder->Children[frame.next++];
            PrefetchRecordAhead(entry->Record);
            const std::string_view name = entry->Record->Name();
            current.resize(frame.pathLength);
            current += '\\';
            current += name;
            if (mask.Matches(name)) {
                // PathList keeps 32-bit lengths; no real path comes near that.
                pathBytes += current.size();
                if (pathBytes > pathBytesLimit || current.size() > UINT32_MAX)
                    return SearchError::OutOfMemory;
                results.push_back(entry);
                paths.push_back(current);
            }
            if (!entry->Children.empty())
                frames.push_back({entry, 0, current.size()});
        }
    } catch (const std::bad_alloc&) {
        return SearchError::OutOfMemory;
    } catch (const std::length_error&) {
        return SearchError::OutOfMemory;
    }
    return SearchError::None;
}

SearchOutcome RunSearch(WindowState& state, std::string typedMask, std::size_t pathBytesLimit) {
    ListNode* root = state.Root();
    if (!root || !MaskStartsSearch(typedMask))
        return SearchOutcome::NotRun;

    ShownList& shown = state.Shown;
    SearchState& search = state.Search;
    shown.SearchMode = true;
    shown.HasParentRow = false;
    // The rows may still be the last results; they go before those do.
    shown.CurrentEntries = {};
    shown.ResultPaths = nullptr;
    search.SearchResults.clear();
    search.ResultPaths.clear();

    const std::string base = SearchBaseOf(root->Record->Name());
    search.SearchMask = std::move(typedMask);
    NormaliseMask(search.SearchMask);
    const NameMask mask(search.SearchMask,
                        state.Codec ? state.Codec->UpperTable() : AsciiUpperTable());

    const SearchError error =
        CollectMatches(*root, mask, base, search.ResultPaths, search.SearchResults, pathBytesLimit);
    if (error != SearchError::None) {
        // Part of the results would read as all of them; give the memory back.
        search.SearchResults = {};
        search.ResultPaths = PathList{};
    }

    // Folders first, each exchange made in both lists so they stay parallel;
    // unlike a folder listing this never reorders a folder's own Children.
    std::vector<ListNode*>& results = search.SearchResults;
    FoldersFirstPass(
        results.size(), [&](std::size_t i) { return results[i]->Record->Kind(); },
        [&](std::size_t i, std::size_t j) {
            std::swap(results[i], results[j]);
            search.ResultPaths.swap(i, j);
        });

    search.SearchBase = base;
    ShowSearchResults(shown, search);
    return error == SearchError::None ? SearchOutcome::Shown : SearchOutcome::OutOfMemory;
}

} // namespace dk
