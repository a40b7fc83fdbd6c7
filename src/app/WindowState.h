#pragma once

#include "browse/FolderTree.h"
#include "browse/History.h"
#include "browse/ShownList.h"
#include "list/ListDocument.h"
#include "list/TextCodec.h"
#include "search/SearchState.h"

#include <memory>
#include <string>

namespace dk {

// What the main window owns beyond one command: the loaded list, what the
// folder tree and the detail list show, the history, the last search. It is
// plain data, so every command's logic can be tested without a window.
struct WindowState {
    std::unique_ptr<ListDocument> Document; // the loaded list; none when empty
    std::string ListPath;
    bool ListChanged = false; // marks or comments changed since the last load or save
    FolderTree Tree;
    ShownList Shown;
    NavigationHistory History;
    SearchState Search;
    std::unique_ptr<TextCodec> Codec;

    ListNode* Root() { return Document ? Document->Root() : nullptr; }
};

} // namespace dk
