#pragma once

#include "list/ListRecord.h"

#include <span>
#include <string_view>

namespace dk {

// One record of the loaded tree. The record itself stays in the document's
// data block (Record points into it); the node only links it into the tree.
// Children is the node's ordered child list, in file order until a folder
// listing puts its folders first; a node never changes parent.
struct ListNode {
    ListRecord* Record = nullptr;
    ListNode* Parent = nullptr;
    std::span<ListNode*> Children;
};

// The first child whose Name is exactly `name`, or null.
inline ListNode* FindChild(const ListNode& node, std::string_view name) {
    for (ListNode* child : node.Children)
        if (child->Record->Name() == name)
            return child;
    return nullptr;
}

} // namespace dk
