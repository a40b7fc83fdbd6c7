#include "browse/Navigation.h"
#include "TestSupport.h"
#include "app/LocaleTexts.h"
#include "list/ReadNode.h"
#include "search/ShowSearchResults.h"

#include <gtest/gtest.h>
#include <set>

namespace dk {
namespace {

// The window as navigation sees it: a tree selection, selected rows, hints.
struct FakeView : NavigationView {
    FolderTreeNode* selectedNode = nullptr;
    std::set<std::size_t> selectedRows;
    std::optional<std::size_t> focusedRow;
    std::set<const FolderTreeNode*> expanded, collapsed;
    Hint back = Hint::Table(hint::Back), forward = Hint::Table(hint::Forward);
    int listings = 0;

    FolderTreeNode* SelectedTreeNode() const override { return selectedNode; }
    void SelectTreeNode(FolderTreeNode* node) override { selectedNode = node; }
    void ExpandTreeNode(FolderTreeNode* node) override { expanded.insert(node); }
    void CollapseTreeNode(FolderTreeNode* node) override { collapsed.insert(node); }
    void RowsReplaced() override {
        selectedRows.clear();
        focusedRow.reset();
        ++listings;
    }
    std::optional<std::size_t> FirstSelectedRow() const override {
        if (selectedRows.empty())
            return std::nullopt;
        return *selectedRows.begin();
    }
    void SelectRow(std::size_t row, bool focus) override {
        selectedRows.insert(row);
        if (focus)
            focusedRow = row;
    }
    void SetBackHint(const Hint& hint) override { back = hint; }
    void SetForwardHint(const Hint& hint) override { forward = hint; }
    void RepaintAfterTreeClick() override {}
};

class Navigate : public ::testing::Test {
protected:
    WindowState state;
    FakeView view;
    Navigation nav{state, view};

    void SetUp() override {
        state.Codec = TextCodec::Create(DefaultEncoding);
        const auto data = test::Describe(test::SampleTree).Data();
        ReadResult read = ReadNode(std::make_unique<BufferBlock>(data), &state.Tree);
        state.Document = std::move(read.Document);
        state.Tree.Attach(*state.Document, "list.dk");
        nav.ShowLoadedList();
    }

    FolderTreeNode* Node(const std::string& path) { return test::TreeNode(state.Tree, path); }
    // A click on a tree node: it becomes selected, then the button is released.
    void ClickTree(FolderTreeNode* node) {
        const bool searchMode = state.Shown.SearchMode;
        view.SelectTreeNode(node);
        nav.TreeMouseUp(node, searchMode);
        nav.TreeClick();
    }
    void SelectOnly(std::size_t row) {
        view.selectedRows = {row};
        nav.RowSelected();
    }
    void DoubleClick(std::size_t row) {
        SelectOnly(row);
        nav.OpenSelectedRow();
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (std::size_t r = 0; r < state.Shown.RowCount(); ++r)
            rows.emplace_back(state.Shown.Caption(r));
        return rows;
    }
    std::string Shown() const { // the listed folder, by its first entry's parent
        const ListNode* entry =
            state.Shown.CurrentEntries.empty() ? nullptr : state.Shown.CurrentEntries[0];
        return entry ? std::string(entry->Parent->Record->Name()) : "?";
    }
};

TEST_F(Navigate, AfterLoadingTheRootIsListedWithNoHistory) {
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A", "Z", "top.txt"}));
    EXPECT_EQ(view.selectedNode, state.Tree.Root());
    EXPECT_TRUE(view.expanded.count(state.Tree.Root()));
    EXPECT_EQ(state.History.CurrentFolderNode, state.Tree.Root());
    EXPECT_TRUE(state.History.BackStack.empty());
    EXPECT_EQ(view.back, Hint::Table(hint::Back));
    nav.Back();
    nav.Forward();
    EXPECT_EQ(view.listings, 1) << "Back and Forward have nowhere to go";
}

TEST_F(Navigate, TreeClicksThenBackAndForwardThreeTimes) {
    ClickTree(Node("A"));
    ClickTree(Node("AB"));
    ClickTree(Node("ABC"));
    EXPECT_EQ(Shown(), "C");
    EXPECT_TRUE(view.selectedRows.empty()) << "tree navigation selects no row";
    EXPECT_EQ(view.back, Hint::Of(Node("AB")));

    nav.Back();
    EXPECT_EQ(Shown(), "B");
    EXPECT_EQ(view.selectedRows, std::set<std::size_t>{1}) << "row C, the folder left";
    EXPECT_EQ(view.forward, Hint::Of(Node("ABC")));
    nav.Back();
    EXPECT_EQ(Shown(), "A");
    nav.Back();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A", "Z", "top.txt"}));
    EXPECT_EQ(view.selectedRows, std::set<std::size_t>{0}) << "row A";
    EXPECT_EQ(view.back, Hint::Table(hint::Back));

    nav.Forward();
    EXPECT_EQ(Shown(), "A");
    nav.Forward();
    EXPECT_EQ(Shown(), "B");
    nav.Forward();
    EXPECT_EQ(Shown(), "C");
    EXPECT_EQ(view.selectedNode, Node("ABC"));
    EXPECT_TRUE(state.History.ForwardStack.empty());
}

TEST_F(Navigate, ClickingTheShownFolderAgainDoesNothing) {
    ClickTree(Node("A"));
    const int listings = view.listings;
    ClickTree(Node("A"));
    EXPECT_EQ(view.listings, listings);
    EXPECT_EQ(state.History.BackStack.size(), 1u);
}

TEST_F(Navigate, EveryOtherMoveEmptiesTheForwardHistory) {
    // From A, reached by Back from B: each move below empties Forward.
    const std::pair<const char*, std::function<void()>> moves[] = {
        {"tree click", [&] { ClickTree(Node("Z")); }},
        {"double click on a folder", [&] { DoubleClick(1); }},
        {"double click on ..", [&] { DoubleClick(0); }},
        {"Up", [&] { nav.Up(); }},
    };
    for (const auto& [what, move] : moves) {
        ClickTree(Node("A"));
        ClickTree(Node("AB"));
        nav.Back();
        ASSERT_EQ(Shown(), "A");
        ASSERT_FALSE(state.History.ForwardStack.empty());
        move();
        EXPECT_TRUE(state.History.ForwardStack.empty()) << what;
    }
}

TEST_F(Navigate, DoubleClickingFoldersAndParentRows) {
    DoubleClick(0); // A, from the root listing
    EXPECT_EQ(Shown(), "A");
    EXPECT_EQ(view.selectedNode, Node("A"));
    EXPECT_EQ(state.History.CurrentFolderNode, Node("A"));
    EXPECT_EQ(state.History.BackStack, std::vector<FolderTreeNode*>{state.Tree.Root()})
        << "the root is recorded like any folder left";
    EXPECT_EQ(view.focusedRow, 1u) << "first entry row, after ..";
    EXPECT_EQ(Node("A")->SelectedImageIndex, treeimage::OpenFolder);

    DoubleClick(1); // B (folders first: B, a.txt)
    EXPECT_EQ(Shown(), "B");
    EXPECT_TRUE(view.expanded.count(Node("AB")));

    DoubleClick(0); // ".."
    EXPECT_EQ(Shown(), "A");
    EXPECT_EQ(view.selectedRows, std::set<std::size_t>{1});
    EXPECT_EQ(view.focusedRow, 1u);
    EXPECT_TRUE(view.collapsed.count(Node("AB")));
    EXPECT_EQ(view.selectedNode, Node("A"));

    const int listings = view.listings;
    const auto back = state.History.BackStack;
    DoubleClick(2); // a.txt
    EXPECT_EQ(view.listings, listings) << "a file row opens nothing";
    EXPECT_EQ(state.History.BackStack, back);
}

TEST_F(Navigate, UpSelectsTheFolderLeftIgnoringCase) {
    nav.Up();
    EXPECT_EQ(view.listings, 1) << "Up at the root does nothing";
    ClickTree(Node("A"));
    nav.Up();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A", "Z", "top.txt"}));
    EXPECT_EQ(view.selectedRows, std::set<std::size_t>{0})
        << "A is row 0, found by FirstEntryRow as the search starts at row 1";
    EXPECT_TRUE(view.collapsed.count(Node("A")));
    ClickTree(Node("AB"));
    nav.Up();
    EXPECT_EQ(Shown(), "A");
    EXPECT_EQ(view.selectedRows, std::set<std::size_t>{1});
    EXPECT_EQ(state.History.BackStack.back(), Node("AB"));
}

TEST_F(Navigate, KeyboardMovesInTheTreeListNothing) {
    view.SelectTreeNode(Node("AB")); // selection moved without a click
    EXPECT_EQ(view.listings, 1);
    nav.Up();
    EXPECT_EQ(Shown(), "A") << "Up works from the node now selected";
}

TEST_F(Navigate, TheForwardHintFollowsTheSelectedRow) {
    SelectOnly(0);
    EXPECT_EQ(view.forward, Hint::Of(state.Shown.EntryAt(0)));
    SelectOnly(2);
    EXPECT_EQ(view.forward, Hint::Table(hint::Forward));
    ClickTree(Node("A"));
    SelectOnly(0);
    EXPECT_EQ(view.forward, Hint::Of(state.Tree.Root())) << "the parent's caption for ..";
    view.selectedRows.clear();
    nav.UpdateForwardHint();
    EXPECT_EQ(view.forward, Hint::Table(hint::Forward));
}

TEST_F(Navigate, ForwardWithoutHistoryGoesWhereItsHintPoints) {
    SelectOnly(2); // a file: nothing
    nav.Forward();
    EXPECT_EQ(view.listings, 1);
    SelectOnly(1); // Z
    nav.Forward();
    EXPECT_EQ(Shown(), "Z");
    SelectOnly(0); // ".."
    nav.Forward();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A", "Z", "top.txt"}));
}

class NavigateResults : public Navigate {
protected:
    // Results as a search for "b" finds them: the folder B and the file b.txt.
    void ShowResults() {
        SearchState& search = state.Search;
        search.SearchBase = "C:";
        search.SearchResults = {test::At(*state.Root(), "A/B"),
                                test::At(*state.Root(), "A/B/b.txt")};
        search.ResultPaths.clear();
        search.ResultPaths.push_back("C:\\A\\B");
        search.ResultPaths.push_back("C:\\A\\B\\b.txt");
        state.Shown.SearchMode = true;
        ShowSearchResults(state.Shown, search);
        view.RowsReplaced();
    }
};

TEST_F(NavigateResults, OpeningAFoundFolderLeavesTheHistoryAlone) {
    ClickTree(Node("Z"));
    ShowResults();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A\\B", "A\\B\\b.txt"}));
    DoubleClick(1); // the file: only remembered
    EXPECT_EQ(state.History.LastResultRow, 1);
    EXPECT_TRUE(state.Shown.SearchMode);
    DoubleClick(0);
    EXPECT_EQ(Shown(), "B");
    EXPECT_FALSE(state.Shown.SearchMode);
    EXPECT_EQ(view.selectedNode, Node("AB"));
    EXPECT_EQ(view.selectedRows, std::set<std::size_t>{1});
    EXPECT_FALSE(view.focusedRow);
    EXPECT_EQ(state.Shown.LocalPath, "C:\\A\\B\\");
    EXPECT_EQ(state.History.CurrentFolderNode, Node("Z"));

    nav.Back(); // the folder on top of BackStack; Z goes forward
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A", "Z", "top.txt"}));
    EXPECT_EQ(state.History.ForwardStack, std::vector<FolderTreeNode*>{Node("Z")});
}

TEST_F(NavigateResults, UpBackAndForwardShowTheResultsAgain) {
    ShowResults();
    DoubleClick(1);
    for (auto move : {&Navigation::Up, &Navigation::Back}) {
        view.RowsReplaced();
        state.Shown.Clear();
        state.Shown.SearchMode = true;
        (nav.*move)();
        EXPECT_EQ(Rows(), (std::vector<std::string>{"A\\B", "A\\B\\b.txt"}));
        EXPECT_EQ(view.selectedRows, std::set<std::size_t>{1}) << "the last row double-clicked";
        EXPECT_TRUE(state.Shown.SearchMode);
    }
    // A tree click leaves the result view.
    ClickTree(Node("A"));
    EXPECT_FALSE(state.Shown.SearchMode);
    EXPECT_EQ(Shown(), "A");
}

} // namespace
} // namespace dk
