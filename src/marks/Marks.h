#pragma once

#include "app/WindowState.h"
#include "browse/ShownList.h"
#include "list/ListDocument.h"
#include "list/ListNode.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace dk {

// Values of ListRecord::Mark the commands write. A record may arrive with any
// other value: a file keeps it under Needed and Not needed; a folder holding
// one is marked needed by Needed and unmarked by Not needed.
namespace mark {
constexpr std::uint8_t None = 0;
constexpr std::uint8_t Needed = 1;
constexpr std::uint8_t NotNeeded = 2;
} // namespace mark

// The three commands of the toolbar and the context menu.
enum class MarkCommand { Needed, NotNeeded, Clear };

// The entries of the selected rows, in ascending row order, each once. Rows
// may come in any order and more than once; ".." and rows beyond the entries
// contribute nothing.
std::vector<ListNode*> SelectedEntries(const ShownList& shown,
                                       const std::vector<std::size_t>& selectedRows);

// N1Click, N2Click, N6Click: run the command over SelectedEntries, each entry
// seeing the marks the entries before it have set. When there is at least one
// entry, ListChanged is set (even if no mark ends up different) and the
// answer is true; otherwise nothing happens.
bool MarkNeeded(WindowState& state, const std::vector<std::size_t>& selectedRows);
bool MarkNotNeeded(WindowState& state, const std::vector<std::size_t>& selectedRows);
bool ClearMarks(WindowState& state, const std::vector<std::size_t>& selectedRows);
bool RunMarkCommand(WindowState& state, MarkCommand command,
                    const std::vector<std::size_t>& selectedRows);

// The work of a command on entries of `document`, in the order given; an
// entry named twice counts once, at its first place. Linear in the nodes it
// reaches (the selected entries, the subtrees the command gives a value, the
// paths up to the root), whatever the depth of the tree and however the
// selected folders nest.
void ApplyMarkCommand(ListDocument& document, MarkCommand command,
                      std::span<ListNode* const> entries);

// Gives `value` to the node and to every node below it, not looking below a
// record that is not a folder. Each node set adds 1 to the counters of its
// named ancestors, whatever the value and its mark before (the producing
// program reads the counter; its arithmetic is kept as it is). Linear in the
// subtree plus the depth of the node.
void SetSubtreeMark(ListNode& node, std::uint8_t value);

// Adds `delta` to MarkedBelow of the node's parent, its parent and so on,
// stopping at the first ancestor whose Name is empty (the root's, once a save
// has emptied it). The node's own counter is never touched. The counter wraps
// around at 32 bits like the producing program's.
void AdjustMarkedBelow(ListNode& node, std::int32_t delta);

// What happens when the context menu of the detail list is about to open:
// with no row selected, the message "No selected files" (message::NoSelection)
// and then no item; with ".." as the first selected row, no item; otherwise
// all four items (Needed, Not needed, Clear, Comment).
struct ContextMenuDecision {
    bool ShowNoSelectionMessage = false;
    bool ItemsVisible = true;
    bool operator==(const ContextMenuDecision&) const = default;
};
ContextMenuDecision ContextMenuFor(const ShownList& shown,
                                   const std::vector<std::size_t>& selectedRows);

} // namespace dk
