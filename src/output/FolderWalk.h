#pragma once

#include "list/ListNode.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dk {

// Visits entries in pre-order, every folder's ('D') children in their current
// order at the folder's place, without recursion. `visit(entry, folderPath)`
// sees each entry with the Names of the folders between the starting list and
// it, joined by "\" ("" for the starting list itself), and returns false to
// stop the walk. The export and the print walk the tree this way.
template <typename Visit>
bool WalkWithFolderPath(std::span<ListNode* const> entries, Visit&& visit) {
    struct Frame {
        std::span<ListNode* const> Entries;
        std::size_t Next = 0;
        std::size_t PathLength = 0; // the path's length outside this folder
    };
    // How far ahead in a folder records are fetched into the cache: a walk
    // over millions of records waits mostly on memory, each record touched
    // once, at its name and at its kind and flags further in.
    constexpr std::size_t prefetchDistance = 8;
    std::vector<Frame> pending{{entries, 0, 0}};
    std::string path;
    while (!pending.empty()) {
        Frame& frame = pending.back();
        if (frame.Next == frame.Entries.size()) {
            path.resize(frame.PathLength);
            pending.pop_back();
            continue;
        }
        if (frame.Next + prefetchDistance < frame.Entries.size()) {
            const auto* ahead = frame.Entries[frame.Next + prefetchDistance]->Record->Raw.data();
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + ListRecord::KindOffset);
            __builtin_prefetch(ahead + ListRecord::StrikeOutOffset);
        }
        const ListNode& entry = *frame.Entries[frame.Next++];
        if (!visit(entry, std::string_view(path)))
            return false;
        if (entry.Record->Kind() == KindFolder) {
            const std::size_t outside = path.size();
            if (!path.empty())
                path += '\\';
            path += entry.Record->Name();
            pending.push_back({entry.Children, 0, outside}); // `frame` is not used after this
        }
    }
    return true;
}

// Appends "path\name", or the bare name for an entry of the starting list.
inline void AppendEntryPath(std::string& line, std::string_view path, std::string_view name) {
    if (!path.empty()) {
        line += path;
        line += '\\';
    }
    line += name;
}

} // namespace dk
