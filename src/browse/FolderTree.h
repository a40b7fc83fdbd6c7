#pragma once

#include "list/FolderSink.h"
#include "list/ListDocument.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dk {

// Image indexes of the folder tree's icons.
namespace treeimage {
constexpr int Drive = 0;      // the root node
constexpr int Folder = 1;     // every other node
constexpr int OpenFolder = 2; // the selected image of a node the user has clicked
} // namespace treeimage

// One node of the folder tree beside the detail list: one per folder of the
// list that lies below folders only. Its caption is its folder's Name; the
// root's caption is the list file's name.
struct FolderTreeNode {
    ListNode* Entry = nullptr;
    FolderTreeNode* Parent = nullptr;
    std::span<FolderTreeNode*> Children;
    std::uint32_t Row = 0; // position among the parent's children
    int ImageIndex = treeimage::Folder;
    int SelectedImageIndex = treeimage::Folder;
    bool IsRoot() const { return Parent == nullptr; }
};

// The folder tree, filled while the list is read (as the reader's sink) and
// linked to the loaded records afterwards. Flat arrays, like the document, so
// 100,000 folders or a chain a million deep cost no recursion and few
// allocations.
class FolderTree : public FolderSink {
public:
    void Clear();

    Handle AddRootFolder(std::uint32_t record) override;
    Handle AddFolder(Handle parent, std::uint32_t record) override;

    // Links the nodes reported while reading to the document's records. The
    // root's caption becomes `listFileName` (the name without its folder).
    void Attach(ListDocument& document, std::string listFileName);

    bool Empty() const { return nodes_.empty(); }
    std::size_t Size() const { return nodes_.size(); }
    FolderTreeNode* Root() { return nodes_.empty() ? nullptr : &nodes_.front(); }
    const FolderTreeNode* Root() const { return nodes_.empty() ? nullptr : &nodes_.front(); }

    // The caption as bytes: the folder's Name in the list's code page, or for
    // the root the list file's name as the file system spells it.
    std::string_view Caption(const FolderTreeNode& node) const;

private:
    std::vector<std::uint32_t> records_; // record of each node, while reading
    std::vector<std::uint32_t> parents_; // parent of each node, while reading
    std::vector<FolderTreeNode> nodes_;
    std::vector<FolderTreeNode*> children_;
    std::string rootCaption_;
};

// The address of a folder-tree node in the list: the root's Name, then the
// caption of each node on the way down, each followed by "*".
std::string FolderPath(const FolderTree& tree, const FolderTreeNode& node);

// Where the node's folder lies on this disk: the root's Name, a "\" unless it
// ends with one, then each caption below the root followed by "\".
std::string LocalPath(const FolderTree& tree, const FolderTreeNode& node);

// The root's LocalPath from its Name alone: "" stays "", else a "\" is added
// unless the Name ends with one.
std::string RootLocalPath(std::string_view rootName);

// The node below `start` named by a relative path whose components each end
// with "*", matching captions exactly; null when a component is missing.
FolderTreeNode* FindTreeNode(const FolderTree& tree, FolderTreeNode* start,
                             std::string_view relative);

} // namespace dk
