#pragma once

#include "browse/FolderTree.h"

#include <vector>

namespace dk {

// Where the user has been: the folder last navigated to and the two stacks of
// folders that Back and Forward return to.
struct NavigationHistory {
    FolderTreeNode* CurrentFolderNode = nullptr;
    std::vector<FolderTreeNode*> BackStack;
    std::vector<FolderTreeNode*> ForwardStack;
    int LastResultRow = 0; // the row last double-clicked in the result view
};

} // namespace dk
