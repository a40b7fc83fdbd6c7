#include "browse/Navigation.h"

#include "app/LocaleTexts.h"
#include "browse/ListFolder.h"
#include "search/ShowSearchResults.h"

#include <algorithm>

namespace dk {

void Navigation::List(const std::string& folderPath, std::string localPath) {
    ListNode* root = state_.Root();
    if (!root)
        return;
    ListFolder(state_.Shown, folderPath, *root, std::move(localPath));
    view_.RowsReplaced();
}

void Navigation::ListingStep(FolderTreeNode& target) {
    List(FolderPath(state_.Tree, target), LocalPath(state_.Tree, target));
}

void Navigation::PushCurrentFolder() {
    FolderTreeNode* current = state_.History.CurrentFolderNode;
    if (!current)
        return;
    state_.History.BackStack.push_back(current);
    view_.SetBackHint(Hint::Of(current));
}

void Navigation::ClearForward() {
    state_.History.ForwardStack.clear();
    UpdateForwardHint();
}

void Navigation::UpdateForwardHint() {
    const std::optional<std::size_t> row = view_.FirstSelectedRow();
    const ShownList& shown = state_.Shown;
    if (!row || *row >= shown.RowCount()) {
        view_.SetForwardHint(Hint::Table(hint::Forward));
        return;
    }
    if (shown.Caption(*row) == "..") {
        const FolderTreeNode* selected = view_.SelectedTreeNode();
        view_.SetForwardHint(selected && selected->Parent ? Hint::Of(selected->Parent)
                                                          : Hint::None());
        return;
    }
    const std::size_t index = *row - (shown.Caption(0) == ".." ? 1 : 0);
    const ListNode* entry =
        index < shown.CurrentEntries.size() ? shown.CurrentEntries[index] : nullptr;
    view_.SetForwardHint(entry && entry->Record->IsFolder() ? Hint::Of(entry)
                                                            : Hint::Table(hint::Forward));
}

void Navigation::SelectNamedRow(std::string_view caption, std::size_t from, bool ignoreCase,
                                bool focus) {
    const ShownList& shown = state_.Shown;
    for (std::size_t row = from; row < shown.RowCount(); ++row) {
        const std::string_view candidate = shown.Caption(row);
        const bool same = ignoreCase ? state_.Codec->EqualIgnoringCase(candidate, caption)
                                     : candidate == caption;
        if (same) {
            view_.SelectRow(row, focus);
            return;
        }
    }
    view_.SelectRow(shown.FirstEntryRow(), focus);
}

void Navigation::ShowResultsAgain() {
    ShowSearchResults(state_.Shown, state_.Search);
    view_.RowsReplaced();
    const int row = state_.History.LastResultRow;
    if (row >= 0 && static_cast<std::size_t>(row) < state_.Shown.RowCount())
        view_.SelectRow(static_cast<std::size_t>(row), false);
}

void Navigation::TreeNavigate(FolderTreeNode& node) {
    NavigationHistory& history = state_.History;
    state_.Shown.SearchMode = false;
    if (history.BackStack.empty() || history.BackStack.back() != history.CurrentFolderNode)
        PushCurrentFolder();
    history.CurrentFolderNode = &node;
    ListingStep(node);
    ClearForward();
}

void Navigation::TreeMouseUp(FolderTreeNode* node, bool searchModeBefore) {
    if (!node)
        return;
    if (!searchModeBefore &&
        (node != view_.SelectedTreeNode() || node == state_.History.CurrentFolderNode))
        return;
    TreeNavigate(*node);
}

void Navigation::TreeClick() {
    FolderTreeNode* selected = view_.SelectedTreeNode();
    if (state_.Shown.SearchMode) {
        state_.Shown.SearchMode = false;
        if (selected)
            selected->SelectedImageIndex = treeimage::OpenFolder;
        return;
    }
    if (selected) {
        selected->SelectedImageIndex = treeimage::OpenFolder;
        view_.RepaintAfterTreeClick();
    }
}

void Navigation::OpenSelectedRow() {
    FolderTreeNode* selected = view_.SelectedTreeNode();
    const std::optional<std::size_t> row = view_.FirstSelectedRow();
    if (!selected || !row || *row >= state_.Shown.RowCount())
        return;
    if (state_.Shown.SearchMode) {
        OpenResultRow(*row);
        return;
    }
    if (!state_.Shown.HasEntries)
        return;
    OpenListingRow(*row, *selected);
    // The node selected now: the folder opened, or S when nothing moved.
    if (FolderTreeNode* now = view_.SelectedTreeNode())
        now->SelectedImageIndex = treeimage::OpenFolder;
}

void Navigation::OpenResultRow(std::size_t row) {
    state_.History.LastResultRow = static_cast<int>(row);
    const ListNode* entry = state_.Shown.EntryAt(row);
    if (!entry || !entry->Record->IsFolder())
        return;
    // The caption is the folder's path below the search base, "\" between
    // components; the tree and the listing both want it "*"-separated.
    const std::string caption(state_.Shown.Caption(row));
    std::string relative = caption;
    std::replace(relative.begin(), relative.end(), '\\', '*');
    relative += '*';
    if (FolderTreeNode* node = FindTreeNode(state_.Tree, TreeRoot(), relative))
        view_.SelectTreeNode(node);
    const std::string folderPath = std::string(state_.Root()->Record->Name()) + "*" + relative;
    List(folderPath, state_.Search.SearchBase + "\\" + caption + "\\");
    view_.SelectRow(state_.Shown.FirstEntryRow(), false);
    state_.Shown.SearchMode = false;
}

void Navigation::OpenListingRow(std::size_t row, FolderTreeNode& selected) {
    ShownList& shown = state_.Shown;
    NavigationHistory& history = state_.History;
    if (shown.IsParentRow(row)) {
        FolderTreeNode* parent = selected.Parent;
        if (!parent)
            return;
        ListingStep(*parent);
        SelectNamedRow(state_.Tree.Caption(selected), 1, true, true);
        PushCurrentFolder();
        history.CurrentFolderNode = parent;
        view_.SelectTreeNode(parent);
        view_.CollapseTreeNode(&selected);
        ClearForward();
        return;
    }
    const ListNode* entry = shown.EntryAt(row);
    if (!entry || !entry->Record->IsFolder())
        return;
    const std::string name(entry->Record->Name());
    if (shown.HasParentRow || selected.IsRoot())
        List(FolderPath(state_.Tree, selected) + name + "*",
             LocalPath(state_.Tree, selected) + name + "\\");
    else // a listing without ".." below the root: the selected folder is listed again
        ListingStep(selected);
    view_.SelectRow(state_.Shown.FirstEntryRow(), true);

    FolderTreeNode* target = nullptr;
    for (FolderTreeNode* child : selected.Children)
        if (state_.Tree.Caption(*child) == name) {
            target = child;
            break;
        }
    if (!target)
        return;
    // Every descent records the folder left, the root listing included, so
    // Back always returns to where the user was.
    PushCurrentFolder();
    history.CurrentFolderNode = target;
    view_.ExpandTreeNode(target);
    view_.SelectTreeNode(target);
    ClearForward();
}

void Navigation::Up() {
    if (state_.Shown.SearchMode) {
        ShowResultsAgain();
        return;
    }
    FolderTreeNode* selected = view_.SelectedTreeNode();
    if (!selected || selected->IsRoot())
        return;
    FolderTreeNode* parent = selected->Parent;
    view_.SelectTreeNode(parent);
    view_.CollapseTreeNode(selected);
    PushCurrentFolder();
    state_.History.CurrentFolderNode = parent;
    ListingStep(*parent);
    ClearForward();
    SelectNamedRow(state_.Tree.Caption(*selected), 1, true, false);
}

void Navigation::ReturnTo(FolderTreeNode& target) {
    NavigationHistory& history = state_.History;
    view_.SelectTreeNode(&target);
    const std::string left(history.CurrentFolderNode
                               ? state_.Tree.Caption(*history.CurrentFolderNode)
                               : std::string_view());
    history.CurrentFolderNode = &target;
    ListingStep(target);
    // The folder left, matched exactly and from row 0.
    SelectNamedRow(left, 0, false, false);
}

void Navigation::Back() {
    NavigationHistory& history = state_.History;
    if (state_.Shown.SearchMode) {
        ShowResultsAgain();
        return;
    }
    if (history.BackStack.empty())
        return;
    FolderTreeNode* target = history.BackStack.back();
    if (history.CurrentFolderNode) {
        history.ForwardStack.push_back(history.CurrentFolderNode);
        view_.SetForwardHint(Hint::Of(history.CurrentFolderNode));
    }
    history.BackStack.pop_back();
    view_.SetBackHint(history.BackStack.empty() ? Hint::Table(hint::Back)
                                                : Hint::Of(history.BackStack.back()));
    ReturnTo(*target);
}

void Navigation::Forward() {
    NavigationHistory& history = state_.History;
    if (history.ForwardStack.empty()) {
        // Forward then goes where its hint points: into the selected folder
        // row, or up through "..", as a double click would.
        const std::optional<std::size_t> row = view_.FirstSelectedRow();
        if (!row)
            return;
        const ListNode* entry = state_.Shown.EntryAt(*row);
        if (state_.Shown.IsParentRow(*row) || (entry && entry->Record->IsFolder()))
            OpenSelectedRow();
        return;
    }
    if (state_.Shown.SearchMode) {
        ShowResultsAgain();
        return;
    }
    FolderTreeNode* target = history.ForwardStack.back();
    PushCurrentFolder();
    history.ForwardStack.pop_back();
    if (history.ForwardStack.empty())
        UpdateForwardHint();
    else
        view_.SetForwardHint(Hint::Of(history.ForwardStack.back()));
    ReturnTo(*target);
}

void Navigation::RowSelected() {
    if (state_.History.ForwardStack.empty())
        UpdateForwardHint();
}

void Navigation::ShowLoadedList() {
    FolderTreeNode* root = TreeRoot();
    state_.Shown.SearchMode = false;
    if (root) {
        view_.ExpandTreeNode(root);
        view_.SelectTreeNode(root);
    }
    state_.History.CurrentFolderNode = root;
    List(std::string(state_.Root()->Record->Name()) + "*",
         RootLocalPath(state_.Root()->Record->Name()));
    state_.History.BackStack.clear();
    ClearForward();
    view_.SetBackHint(Hint::Table(hint::Back));
}

void Navigation::BeforeOpen() {
    FolderTreeNode* selected = view_.SelectedTreeNode();
    if (!selected)
        return;
    TreeNavigate(*selected);
    view_.SelectTreeNode(TreeRoot());
    ClearForward();
}

} // namespace dk
