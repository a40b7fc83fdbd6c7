#include "browse/FolderTree.h"

#include <algorithm>

namespace dk {

void FolderTree::Clear() {
    records_.clear();
    parents_.clear();
    nodes_.clear();
    children_.clear();
    rootCaption_.clear();
}

FolderSink::Handle FolderTree::AddRootFolder(std::uint32_t record) {
    Clear();
    records_.push_back(record);
    parents_.push_back(0);
    return 0;
}

FolderSink::Handle FolderTree::AddFolder(Handle parent, std::uint32_t record) {
    records_.push_back(record);
    parents_.push_back(parent);
    return static_cast<Handle>(records_.size() - 1);
}

void FolderTree::Attach(ListDocument& document, std::string listFileName) {
    const std::size_t count = records_.size();
    nodes_.assign(count, FolderTreeNode{});
    rootCaption_ = std::move(listFileName);
    if (count == 0)
        return;
    // Nodes arrive in pre-order, children after their parent, so one counting
    // pass lays out each child list contiguously (as the document does).
    std::vector<std::uint32_t> cursor(count + 1, 0);
    for (std::size_t i = 1; i < count; ++i)
        ++cursor[parents_[i] + 1];
    for (std::size_t i = 1; i <= count; ++i)
        cursor[i] += cursor[i - 1];
    children_.assign(count - 1, nullptr);
    for (std::size_t i = 0; i < count; ++i) {
        FolderTreeNode& node = nodes_[i];
        node.Entry = &document.Node(records_[i]);
        node.Children = {children_.data() + cursor[i], cursor[i + 1] - cursor[i]};
    }
    nodes_[0].ImageIndex = nodes_[0].SelectedImageIndex = treeimage::Drive;
    for (std::size_t i = 1; i < count; ++i) {
        FolderTreeNode& node = nodes_[i];
        FolderTreeNode& parent = nodes_[parents_[i]];
        node.Parent = &parent;
        const std::uint32_t slot = cursor[parents_[i]]++;
        node.Row = slot - static_cast<std::uint32_t>(parent.Children.data() - children_.data());
        children_[slot] = &node;
    }
    records_ = {};
    parents_ = {};
}

std::string_view FolderTree::Caption(const FolderTreeNode& node) const {
    return node.IsRoot() ? std::string_view(rootCaption_) : node.Entry->Record->Name();
}

namespace {

// The nodes from just below the root down to `node`.
std::vector<const FolderTreeNode*> PathBelowRoot(const FolderTreeNode& node) {
    std::vector<const FolderTreeNode*> path;
    for (const FolderTreeNode* n = &node; !n->IsRoot(); n = n->Parent)
        path.push_back(n);
    std::reverse(path.begin(), path.end());
    return path;
}

const FolderTreeNode& TreeRoot(const FolderTreeNode& node) {
    const FolderTreeNode* n = &node;
    while (!n->IsRoot())
        n = n->Parent;
    return *n;
}

} // namespace

std::string FolderPath(const FolderTree& tree, const FolderTreeNode& node) {
    std::string path(TreeRoot(node).Entry->Record->Name());
    for (const FolderTreeNode* n : PathBelowRoot(node)) {
        path += '*';
        path += tree.Caption(*n);
    }
    path += '*';
    return path;
}

std::string RootLocalPath(std::string_view rootName) {
    std::string path(rootName);
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path;
}

std::string LocalPath(const FolderTree& tree, const FolderTreeNode& node) {
    // Unlike the root's own LocalPath, a "\" follows even an empty root Name.
    std::string path(TreeRoot(node).Entry->Record->Name());
    if (path.empty() || path.back() != '\\')
        path += '\\';
    for (const FolderTreeNode* n : PathBelowRoot(node)) {
        path += tree.Caption(*n);
        path += '\\';
    }
    return path;
}

FolderTreeNode* FindTreeNode(const FolderTree& tree, FolderTreeNode* start,
                             std::string_view relative) {
    FolderTreeNode* node = start;
    while (node) {
        const auto star = relative.find('*');
        const std::string_view component = relative.substr(0, star);
        FolderTreeNode* found = nullptr;
        for (FolderTreeNode* child : node->Children)
            if (tree.Caption(*child) == component) {
                found = child;
                break;
            }
        node = found;
        if (star == std::string_view::npos || star + 1 >= relative.size())
            break;
        relative.remove_prefix(star + 1);
    }
    return node;
}

} // namespace dk
