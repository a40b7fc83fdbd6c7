#pragma once

#include "list/ByteBlock.h"
#include "list/ListNode.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace dk {

// A loaded list: its header text and its node tree. The records stay in one
// data block; nodes and child lists are two flat arrays, so a tree of millions
// of records costs two allocations and is freed without walking it.
class ListDocument {
public:
    ListDocument(std::unique_ptr<ByteBlock> data, std::string headerText,
                 const std::vector<std::uint32_t>& parents, std::size_t recordOffset);
    ListDocument(const ListDocument&) = delete;
    ListDocument& operator=(const ListDocument&) = delete;

    // The 256-byte header up to its first zero byte.
    const std::string& HeaderText() const { return headerText_; }

    ListNode* Root() { return nodes_.empty() ? nullptr : &nodes_.front(); }
    const ListNode* Root() const { return nodes_.empty() ? nullptr : &nodes_.front(); }

    // Nodes by their position in the list data (pre-order as read); the
    // folder tree refers to records this way while the list is being read.
    std::size_t NodeCount() const { return nodes_.size(); }
    ListNode& Node(std::size_t index) { return nodes_[index]; }
    const ListNode& Node(std::size_t index) const { return nodes_[index]; }
    std::size_t IndexOf(const ListNode& node) const {
        return static_cast<std::size_t>(&node - nodes_.data());
    }

private:
    std::unique_ptr<ByteBlock> data_;
    std::string headerText_;
    std::vector<ListNode> nodes_;
    std::vector<ListNode*> children_;
};

// Releases a tree and everything below it; the owner's pointer becomes empty.
void FreeTree(std::unique_ptr<ListDocument>& root);

// Nodes below `node` (children, grandchildren...), the node itself not counted.
std::size_t CountNodesBelow(const ListNode& node);

} // namespace dk
