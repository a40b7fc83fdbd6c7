#pragma once

#include "list/ListNode.h"

#include <cstddef>
#include <span>

namespace dk {

// Puts folders before files in one pass that gives exactly the order of the
// listing's long-standing exchange pass (for each position i, for each j > i:
// exchange when i holds a file ('F') and j a folder ('D')). That pass moves
// into a file's position the first folder after it, and the file to where the
// folder was: F1 D1 F2 D2 becomes D1 D2 F2 F1; entries of other kinds never
// move. Done literally it is quadratic; here the search for the next folder
// resumes where the last one ended (no folder lies between), so the whole
// pass is linear. `kindAt(i)` gives the Kind at position i and
// `exchange(i, j)` swaps positions i and j of everything kept in parallel.
template <typename KindAt, typename Exchange>
void FoldersFirstPass(std::size_t count, KindAt kindAt, Exchange exchange) {
    std::size_t next = 0; // no folder lies in (i, next) once next > i + 1
    for (std::size_t i = 0; i + 1 < count; ++i) {
        if (kindAt(i) != KindFile)
            continue;
        if (next <= i)
            next = i + 1;
        while (next < count && kindAt(next) != KindFolder)
            ++next;
        if (next == count)
            return; // no folder after i, nor after any later position
        exchange(i, next);
    }
}

// The pass over a folder's own children, which keep the new order.
inline void FoldersFirst(std::span<ListNode*> entries) {
    FoldersFirstPass(
        entries.size(), [&](std::size_t i) { return entries[i]->Record->Kind(); },
        [&](std::size_t i, std::size_t j) { std::swap(entries[i], entries[j]); });
}

} // namespace dk
