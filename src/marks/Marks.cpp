#include "marks/Marks.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace dk {

namespace {

bool HasName(const ListRecord& record) {
    return record.Raw[ListRecord::NameOffset] != 0;
}

// The counter wraps around like the producing program's 32-bit integer, so
// sums are taken modulo 2^32: adding n at once is the same as n steps of 1.
void AddToCounter(ListRecord& record, std::uint32_t amount) {
    record.SetMarkedBelow(
        static_cast<std::int32_t>(static_cast<std::uint32_t>(record.MarkedBelow()) + amount));
}

void AddAbove(ListNode& node, std::uint32_t amount) {
    for (ListNode* above = node.Parent; above && HasName(*above->Record); above = above->Parent)
        AddToCounter(*above->Record, amount);
}

// What one entry does under each command, given the mark it has when its
// turn comes.
struct Step {
    bool subtree = false; // SetSubtreeMark(entry, value)
    bool write = false;   // Mark = value on the entry alone
    std::uint8_t value = mark::None;
    std::int32_t delta = 0; // AdjustMarkedBelow(entry, delta)
};

Step Decide(MarkCommand command, bool folder, std::uint8_t before) {
    switch (command) {
    case MarkCommand::Needed:
        if (folder)
            return {true, false, before == mark::Needed ? mark::None : mark::Needed, 0};
        switch (before) {
        case mark::None:
            return {false, true, mark::Needed, +1};
        case mark::Needed:
            return {false, true, mark::None, -1};
        case mark::NotNeeded:
            return {false, true, mark::Needed, 0};
        default:
            return {};
        }
    case MarkCommand::NotNeeded:
        if (folder)
            return {true, false,
                    before == mark::None || before == mark::Needed ? mark::NotNeeded : mark::None,
                    0};
        switch (before) {
        case mark::None:
            return {false, true, mark::NotNeeded, +1};
        case mark::Needed:
            return {false, true, mark::NotNeeded, -1};
        case mark::NotNeeded:
            return {false, true, mark::None, 0}; // the counters stay: not -1
        default:
            return {};
        }
    case MarkCommand::Clear:
        if (folder)
            return before == mark::None ? Step{} : Step{true, false, mark::None, 0};
        return {false, true, mark::None, -1}; // -1 even when nothing was marked
    }
    return {};
}

} // namespace

std::vector<ListNode*> SelectedEntries(const ShownList& shown,
                                       const std::vector<std::size_t>& selectedRows) {
    std::vector<std::size_t> rows(selectedRows);
    if (!std::is_sorted(rows.begin(), rows.end()))
        std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<ListNode*> entries;
    entries.reserve(rows.size());
    for (const std::size_t row : rows)
        if (ListNode* entry = shown.EntryAt(row))
            entries.push_back(entry);
    return entries;
}

bool RunMarkCommand(WindowState& state, MarkCommand command,
                    const std::vector<std::size_t>& selectedRows) {
    const std::vector<ListNode*> entries = SelectedEntries(state.Shown, selectedRows);
    if (entries.empty() || !state.Document)
        return false;
    state.ListChanged = true;
    ApplyMarkCommand(*state.Document, command, entries);
    return true;
}

bool MarkNeeded(WindowState& state, const std::vector<std::size_t>& selectedRows) {
    return RunMarkCommand(state, MarkCommand::Needed, selectedRows);
}

bool MarkNotNeeded(WindowState& state, const std::vector<std::size_t>& selectedRows) {
    return RunMarkCommand(state, MarkCommand::NotNeeded, selectedRows);
}

bool ClearMarks(WindowState& state, const std::vector<std::size_t>& selectedRows) {
    return RunMarkCommand(state, MarkCommand::Clear, selectedRows);
}

// Taking the entries one by one, each with walks of its own, goes through a
// folder's subtree again for every selected folder above it and up the
// ancestors again for every entry: quadratic in a result view of a deep
// list. Instead one depth-first pass over the nodes that matter settles
// everything:
//
// - A node's mark is the value of the latest event that reaches it: a
//   SetSubtreeMark of a folder above it (or of itself) through folders only,
//   or the entry's own write. The mark an entry sees when its turn comes is
//   the latest such event earlier than its turn, or its mark as read. Events
//   come from ancestors only, so the pass knows them when it reaches a node:
//   the SetSubtreeMark calls on the path down to it are kept by turn.
// - Counters are sums, so their order does not matter. Every SetSubtreeMark
//   that reaches a node is one AdjustMarkedBelow(node, +1); an entry's own
//   delta is another. On the way back up, each node hands its parent what it
//   owes the ancestors, and a named node keeps what passes through it.
void ApplyMarkCommand(ListDocument& document, MarkCommand command,
                      std::span<ListNode* const> entries) {
    const std::size_t count = document.NodeCount();
    // turn[i]: 1 + the place of node i among the entries; 0 when it is none.
    std::vector<std::uint32_t> turn(count, 0);
    // onPath[i]: node i is an entry or lies above one.
    std::vector<bool> onPath(count, false);
    std::uint32_t turns = 0;
    for (ListNode* entry : entries) {
        std::uint32_t& slot = turn[document.IndexOf(*entry)];
        if (slot != 0)
            continue;
        slot = ++turns;
        for (ListNode* node = entry; node; node = node->Parent) {
            const std::size_t index = document.IndexOf(*node);
            if (onPath[index])
                break;
            onPath[index] = true;
        }
    }
    if (turns == 0)
        return;

    // The SetSubtreeMark calls that reach the nodes being visited, by turn. A
    // record that is not a folder stops them: its children start a new scope.
    using Scope = std::map<std::uint32_t, std::uint8_t>;
    std::vector<Scope> scopes(1);

    struct Frame {
        ListNode* node;
        std::size_t next = 0;      // next child to look at
        std::uint32_t arrived = 0; // counter amounts coming up from the children
        std::uint32_t owed = 0;    // what this node's own events owe its ancestors
        std::uint32_t subtree = 0; // turn of its own SetSubtreeMark, 0 if none
        bool allChildren = false;  // a call reaches every child
        bool ownScope = false;     // its children are out of reach of the calls above
    };
    std::vector<Frame> stack;

    const auto enter = [&](ListNode& node) {
        Scope& scope = scopes.back();
        ListRecord& record = *node.Record;
        Frame frame{&node};
        std::uint32_t written = 0; // turn of the entry's own write
        std::uint8_t writtenValue = 0;
        if (const std::uint32_t own = turn[document.IndexOf(node)]) {
            const auto later = scope.lower_bound(own);
            const std::uint8_t before =
                later == scope.begin() ? record.Mark() : std::prev(later)->second;
            const Step step = Decide(command, record.IsFolder(), before);
            if (step.subtree) {
                scope.emplace(own, step.value);
                frame.subtree = own;
            }
            if (step.write) {
                written = own;
                writtenValue = step.value;
            }
            frame.owed = static_cast<std::uint32_t>(step.delta);
        }
        frame.owed += static_cast<std::uint32_t>(scope.size());
        if (!scope.empty() && scope.rbegin()->first > written)
            record.SetMark(scope.rbegin()->second);
        else if (written)
            record.SetMark(writtenValue);
        frame.allChildren = record.IsFolder() && !scope.empty();
        if (!record.IsFolder() && !node.Children.empty()) {
            scopes.emplace_back();
            frame.ownScope = true;
        }
        stack.push_back(frame);
    };

    enter(*document.Root());
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.node->Children.size()) {
            ListNode* child = top.node->Children[top.next++];
            if (top.allChildren || onPath[document.IndexOf(*child)])
                enter(*child);
            continue;
        }
        const Frame done = top;
        stack.pop_back();
        ListRecord& record = *done.node->Record;
        const bool named = HasName(record);
        if (named)
            AddToCounter(record, done.arrived);
        if (done.ownScope)
            scopes.pop_back();
        if (done.subtree)
            scopes.back().erase(done.subtree);
        if (!stack.empty())
            stack.back().arrived += done.owed + (named ? done.arrived : 0);
    }
}

void SetSubtreeMark(ListNode& node, std::uint8_t value) {
    // Depth first; on the way back up each node hands its parent the number
    // of nodes whose walk up reaches the parent, so no node walks up itself.
    struct Frame {
        ListNode* node;
        std::size_t next = 0;
        std::uint32_t arrived = 0;
    };
    std::vector<Frame> stack{{&node}};
    node.Record->SetMark(value);
    std::uint32_t reachingAbove = 0;
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.node->Record->IsFolder() && top.next < top.node->Children.size()) {
            ListNode* child = top.node->Children[top.next++];
            child->Record->SetMark(value);
            stack.push_back({child});
            continue;
        }
        const Frame done = top;
        stack.pop_back();
        const bool named = HasName(*done.node->Record);
        if (named)
            AddToCounter(*done.node->Record, done.arrived);
        const std::uint32_t carry = 1 + (named ? done.arrived : 0);
        if (stack.empty())
            reachingAbove = carry;
        else
            stack.back().arrived += carry;
    }
    AddAbove(node, reachingAbove);
}

void AdjustMarkedBelow(ListNode& node, std::int32_t delta) {
    AddAbove(node, static_cast<std::uint32_t>(delta));
}

ContextMenuDecision ContextMenuFor(const ShownList& shown,
                                   const std::vector<std::size_t>& selectedRows) {
    if (selectedRows.empty())
        return {true, false};
    const std::size_t first = *std::min_element(selectedRows.begin(), selectedRows.end());
    if (shown.Caption(first) == "..")
        return {false, false};
    return {false, true};
}

} // namespace dk
