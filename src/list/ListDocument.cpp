#include "list/ListDocument.h"

#include <vector>

namespace dk {

ListDocument::ListDocument(std::unique_ptr<ByteBlock> data, std::string headerText,
                           const std::vector<std::uint32_t>& parents, std::size_t recordOffset)
    : data_(std::move(data)), headerText_(std::move(headerText)), nodes_(parents.size()) {
    const std::size_t count = parents.size();
    if (count == 0)
        return;
    std::uint8_t* records = data_->Bytes().data() + recordOffset;

    // parents[i] is the position of record i's parent (record 0 is the root).
    // Pre-order puts every child after its parent and siblings in file order,
    // so one counting pass lays each child list out contiguously.
    std::vector<std::uint32_t> cursor(count + 1, 0);
    for (std::size_t i = 1; i < count; ++i)
        ++cursor[parents[i] + 1];
    for (std::size_t i = 1; i <= count; ++i)
        cursor[i] += cursor[i - 1];
    children_.resize(count - 1);
    for (std::size_t i = 0; i < count; ++i) {
        ListNode& node = nodes_[i];
        node.Record = reinterpret_cast<ListRecord*>(records + i * ListRecord::Bytes);
        node.Children = std::span<ListNode*>(children_.data() + cursor[i], cursor[i + 1] - cursor[i]);
    }
    for (std::size_t i = 1; i < count; ++i) {
        ListNode& node = nodes_[i];
        node.Parent = &nodes_[parents[i]];
        // cursor[p] now runs from the start of p's list to its end.
        children_[cursor[parents[i]]++] = &node;
    }
}

void FreeTree(std::unique_ptr<ListDocument>& root) { root.reset(); }

std::size_t CountNodesBelow(const ListNode& node) {
    std::size_t total = 0;
    std::vector<const ListNode*> pending{&node};
    while (!pending.empty()) {
        const ListNode* current = pending.back();
        pending.pop_back();
        total += current->Children.size();
        for (const ListNode* child : current->Children)
            pending.push_back(child);
    }
    return total;
}

} // namespace dk
