#pragma once

#include "app/WindowState.h"

#include <cstddef>
#include <optional>

namespace dk {

// A button's hint as navigation sets it: a text of the hint table, the caption
// of a folder-tree node, or an entry's Name.
struct Hint {
    enum class Kind { Text, Folder, Entry, Empty };
    Kind kind = Kind::Text;
    int text = 0;
    const FolderTreeNode* folder = nullptr;
    const ListNode* entry = nullptr;

    static Hint Table(int index) { return {Kind::Text, index, nullptr, nullptr}; }
    static Hint Of(const FolderTreeNode* node) { return {Kind::Folder, 0, node, nullptr}; }
    static Hint Of(const ListNode* node) { return {Kind::Entry, 0, nullptr, node}; }
    static Hint None() { return {Kind::Empty, 0, nullptr, nullptr}; }
    bool operator==(const Hint&) const = default;
};

// What navigation asks of the window: the selection in the folder tree and in
// the detail list, and the hints of Back and Forward. Selecting here never
// runs the navigation handlers.
class NavigationView {
public:
    virtual ~NavigationView() = default;
    virtual FolderTreeNode* SelectedTreeNode() const = 0;
    virtual void SelectTreeNode(FolderTreeNode* node) = 0; // selects and reveals
    virtual void ExpandTreeNode(FolderTreeNode* node) = 0;
    virtual void CollapseTreeNode(FolderTreeNode* node) = 0;
    // The rows were replaced: show them, with no row selected.
    virtual void RowsReplaced() = 0;
    virtual std::optional<std::size_t> FirstSelectedRow() const = 0;
    // Adds a row to the selection (rows that do not exist are ignored).
    virtual void SelectRow(std::size_t row, bool focus) = 0;
    virtual void SetBackHint(const Hint& hint) = 0;
    virtual void SetForwardHint(const Hint& hint) = 0;
    // A click on the tree lets pending window events run and repaints.
    virtual void RepaintAfterTreeClick() = 0;
};

// Walking the list: the folder tree, double click and Enter on rows, Up,
// Back and Forward, with the history of visited folders. The same handlers
// serve the result view of a search, which Up, Back and Forward show again.
class Navigation {
public:
    Navigation(WindowState& state, NavigationView& view) : state_(state), view_(view) {}

    // The mouse button was released over `node` of the folder tree, then the
    // click: `searchModeBefore` is the search mode as it was before the click.
    void TreeMouseUp(FolderTreeNode* node, bool searchModeBefore);
    void TreeClick();
    void OpenSelectedRow(); // double click, or Enter
    void Up();
    void Back();
    void Forward();
    // A row became selected.
    void RowSelected();

    // After a list is loaded: the root listed and selected, no history.
    void ShowLoadedList();
    // Before the Open dialog: the move a click on the selected tree node makes,
    // then the root node selected and no Forward history.
    void BeforeOpen();

    void ClearForward();
    void UpdateForwardHint();

private:
    FolderTreeNode* TreeRoot() { return state_.Tree.Root(); }
    void List(const std::string& folderPath, std::string localPath);
    void ListingStep(FolderTreeNode& target);
    void PushCurrentFolder();
    void ShowResultsAgain();
    void SelectNamedRow(std::string_view caption, std::size_t from, bool ignoreCase, bool focus);
    void OpenResultRow(std::size_t row);
    void OpenListingRow(std::size_t row, FolderTreeNode& selected);
    void TreeNavigate(FolderTreeNode& node);
    // The last steps of Back and Forward: list `target` and select the row of
    // the folder left.
    void ReturnTo(FolderTreeNode& target);

    WindowState& state_;
    NavigationView& view_;
};

} // namespace dk
