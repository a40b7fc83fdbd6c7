#include "browse/ListFolder.h"

#include "browse/FoldersFirst.h"

namespace dk {

namespace {

ListNode* Resolve(std::string_view path, ListNode& root) {
    // The first component is the root whatever it says.
    auto star = path.find('*');
    if (star == std::string_view::npos)
        return &root;
    path.remove_prefix(star + 1);
    ListNode* folder = &root;
    while (!path.empty()) {
        star = path.find('*');
        ListNode* match = FindChild(*folder, path.substr(0, star));
        if (!match)
            return nullptr;
        folder = match;
        path.remove_prefix(star == std::string_view::npos ? path.size() : star + 1);
    }
    return folder;
}

} // namespace

bool ListFolder(ShownList& shown, std::string_view path, ListNode& root, std::string local) {
    ListNode* folder = Resolve(path, root);
    if (!folder) {
        shown.HasEntries = false;
        shown.CurrentEntries = {};
        return false;
    }
    FoldersFirst(folder->Children);
    shown.CurrentEntries = folder->Children;
    shown.HasEntries = true;
    shown.HasParentRow = folder->Record->Name() != root.Record->Name();
    shown.ResultPaths = nullptr;
    shown.CaptionSkip = 0;
    shown.LocalPath = std::move(local);
    return true;
}

} // namespace dk
