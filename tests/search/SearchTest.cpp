#include "search/Search.h"
#include "TestSupport.h"
#include "browse/ListFolder.h"

#include <gtest/gtest.h>
#include <random>

namespace dk {
namespace {

using test::Enc;

// The window's state with a list loaded, before any search.
struct Window {
    WindowState state;

    explicit Window(std::unique_ptr<ListDocument> document) {
        state.Document = std::move(document);
        state.Codec = TextCodec::Create(DefaultEncoding);
    }
    explicit Window(const std::string& description) : Window(test::LoadDescription(description)) {}

    SearchOutcome Search(const std::string& utf8Mask) { return RunSearch(state, Enc(utf8Mask)); }

    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (std::size_t row = 0; row < state.Shown.RowCount(); ++row)
            captions.push_back(state.Codec->Decode(state.Shown.Caption(row)));
        return captions;
    }
    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (std::size_t i = 0; i < state.Search.ResultPaths.size(); ++i)
            paths.push_back(state.Codec->Decode(state.Search.ResultPaths[i]));
        return paths;
    }
};

using Texts = std::vector<std::string>;

TEST(Search, PathsStartAtTheRootsNameAndCaptionsAreRelativeToIt) {
    struct Case {
        const char* root;
        const char* base;
        const char* path;
    };
    const Case cases[] = {
        {"C:\\", "C:", "C:\\Docs\\readme.txt"},
        {"D:\\Data", "D:\\Data", "D:\\Data\\Docs\\readme.txt"},
        {"", "", "\\Docs\\readme.txt"}, // a saved list's root has no Name
        {"\\", "", "\\Docs\\readme.txt"},
        {"E:\\Фото\\", "E:\\Фото", "E:\\Фото\\Docs\\readme.txt"},
    };
    for (const Case& c : cases) {
        Window window("root \"" + std::string(c.root) + "\"\nD Docs\n  F readme.txt\nF other\n");
        ASSERT_EQ(window.Search("readme"), SearchOutcome::Shown);
        EXPECT_EQ(window.state.Search.SearchBase, Enc(c.base)) << c.root;
        EXPECT_EQ(window.Paths(), Texts{c.path}) << c.root;
        EXPECT_EQ(window.Captions(), Texts{"Docs\\readme.txt"}) << c.root;
        ASSERT_EQ(window.Search("docs"), SearchOutcome::Shown);
        EXPECT_EQ(window.Captions(), Texts{"Docs"})
            << "an entry below the root shows its bare Name";
    }
}

TEST(Search, FindsEveryEntryBelowTheRootFoldersFirst) {
    Window window(R"(root "D:\Docs"
F mydocs.txt
D Docs
  F Docs.txt
  D Old
    F olddocs.bak
D Archive
  D Docs
    F unrelated
  F weird.docs
    F inside.docs
X docs.odd
)");
    ASSERT_EQ(window.Search("DOCS"), SearchOutcome::Shown);
    // Found in pre-order: F mydocs, D Docs, F Docs.txt, F olddocs, D Archive\Docs, F weird,
    // F inside, X odd. The exchange pass brings each next folder into the first file's place.
    EXPECT_EQ(
        window.Captions(),
        (Texts{"Docs", "Archive\\Docs", "Docs\\Docs.txt", "Docs\\Old\\olddocs.bak", "mydocs.txt",
               "Archive\\weird.docs", "Archive\\weird.docs\\inside.docs", "docs.odd"}));
    EXPECT_EQ(window.Paths().front(), "D:\\Docs\\Docs");
    const WindowState& state = window.state;
    EXPECT_TRUE(state.Shown.SearchMode);
    EXPECT_FALSE(state.Shown.HasParentRow);
    EXPECT_EQ(state.Shown.EntryAt(0), state.Search.SearchResults[0]);
    EXPECT_EQ(state.Shown.EntryAt(0)->Record->Name(), "Docs");
    EXPECT_EQ(state.Search.SearchMask, "DOCS");
    // Only the result lists are reordered, never a folder's own Children.
    EXPECT_EQ(state.Document->Root()->Children[0]->Record->Name(), "mydocs.txt");
}

TEST(Search, TheWalkFollowsTheCurrentOrderOfChildren) {
    Window window("F a1\nD a2\nF a3\nD a4\n  F a5\n");
    ListNode& root = *window.state.Root();
    ASSERT_TRUE(ListFolder(window.state.Shown, "C:\\*", root, "C:\\"));
    ASSERT_EQ(window.Search("a"), SearchOutcome::Shown);
    // The listing already made the root's children D a2, D a4, F a3, F a1.
    EXPECT_EQ(window.Captions(), (Texts{"a2", "a4", "a4\\a5", "a3", "a1"}));
}

TEST(Search, MasksThatFindNothingStillShowTheEmptyResultView) {
    for (const char* mask : {"*", "data", "Docs\\readme", "zzz"}) {
        Window window("root \"D:\\Data\"\nD Docs\n  F readme.txt\n");
        ListNode& root = *window.state.Root();
        ASSERT_TRUE(ListFolder(window.state.Shown, "D:\\Data*Docs*", root, "D:\\Data\\Docs\\"));
        ASSERT_EQ(window.Search(mask), SearchOutcome::Shown) << mask;
        EXPECT_TRUE(window.state.Shown.SearchMode) << mask;
        EXPECT_TRUE(window.state.Shown.HasEntries) << mask;
        EXPECT_EQ(window.state.Shown.RowCount(), 0u) << mask << ": not even a \"..\" row";
    }
}

TEST(Search, AnEmptyMaskOrNoListChangesNothing) {
    Window window("D Docs\n  F readme.txt\n");
    ListNode& root = *window.state.Root();
    ASSERT_TRUE(ListFolder(window.state.Shown, "C:\\*Docs*", root, "C:\\Docs\\"));
    window.state.Search.SearchMask = "old";
    EXPECT_EQ(window.Search(""), SearchOutcome::NotRun);
    EXPECT_FALSE(window.state.Shown.SearchMode);
    EXPECT_EQ(window.Captions(), (Texts{"..", "readme.txt"}));
    EXPECT_EQ(window.state.Search.SearchMask, "old");

    WindowState empty;
    EXPECT_EQ(RunSearch(empty, "doc"), SearchOutcome::NotRun);
    EXPECT_FALSE(empty.Shown.SearchMode);
}

TEST(Search, ASecondSearchReplacesTheFirst) {
    Window window("D Docs\n  F a.txt\n  F b.txt\nF c.txt\n");
    ASSERT_EQ(window.Search("txt"), SearchOutcome::Shown);
    EXPECT_EQ(window.Captions(), (Texts{"Docs\\a.txt", "Docs\\b.txt", "c.txt"}));
    ASSERT_EQ(window.Search("*B"), SearchOutcome::Shown);
    EXPECT_EQ(window.Captions(), (Texts{"Docs\\b.txt"}));
    EXPECT_EQ(window.state.Search.SearchResults.size(), 1u);
    EXPECT_EQ(window.state.Search.ResultPaths.size(), 1u);
    EXPECT_EQ(window.state.Search.SearchMask, "B");
}

TEST(Search, AChainAsDeepAsTheListIsWalkedWithoutRecursion) {
    mkdk::ListBuilder builder("R:");
    mkdk::ListBuilder::Id parent = builder.Root();
    const int depth = 100'000;
    for (int i = 0; i < depth; ++i)
        parent = builder.Folder(parent, "n");
    builder.File(parent, "deep.txt");
    Window window(test::Load(builder));
    ASSERT_EQ(window.Search("deep"), SearchOutcome::Shown);
    ASSERT_EQ(window.state.Search.ResultPaths.size(), 1u);
    EXPECT_EQ(window.state.Search.ResultPaths[0].size(), 2u + 2u * depth + 9u);

    // Every folder matching would make paths whose bytes grow with the square
    // of the depth: the search gives up cleanly instead of exhausting memory.
    WindowState& state = window.state;
    EXPECT_EQ(RunSearch(state, "n", 1'000'000), SearchOutcome::OutOfMemory);
    EXPECT_TRUE(state.Shown.SearchMode);
    EXPECT_EQ(state.Shown.RowCount(), 0u);
    EXPECT_TRUE(state.Search.SearchResults.empty());
    EXPECT_TRUE(state.Search.ResultPaths.empty());
}

// The exchange pass exactly as first written: quadratic, applied to both lists.
void QuadraticFoldersFirst(std::vector<ListNode*>& results, std::vector<std::string>& paths) {
    const std::size_t n = results.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (results[i]->Record->Kind() == 'F' && results[j]->Record->Kind() == 'D') {
                std::swap(results[i], results[j]);
                std::swap(paths[i], paths[j]);
            }
}

TEST(Search, ResultsAreOrderedAsTheQuadraticExchangePassOrdersThem) {
    std::mt19937 random(7);
    const char kinds[] = {'D', 'F', 'F', 'D', 'X'};
    for (int round = 0; round < 300; ++round) {
        mkdk::ListBuilder builder("Z:\\");
        const int count = static_cast<int>(random() % 40);
        for (int k = 1; k <= count; ++k) {
            const auto parent = static_cast<mkdk::ListBuilder::Id>(random() % k);
            const char* stem = random() % 4 ? "hit" : "miss";
            builder.Add(parent, kinds[random() % std::size(kinds)], stem + std::to_string(k));
        }
        Window window(test::Load(builder));
        ListDocument& document = *window.state.Document;

        // Pre-order is the order of the list data; each path from the parent links.
        std::vector<ListNode*> expected;
        std::vector<std::string> expectedPaths;
        for (std::size_t index = 1; index < document.NodeCount(); ++index) {
            ListNode* node = &document.Node(index);
            if (node->Record->Name().find("hit") == std::string_view::npos)
                continue;
            std::string path;
            for (const ListNode* up = node; up->Parent; up = up->Parent)
                path.insert(0, "\\" + std::string(up->Record->Name()));
            expected.push_back(node);
            expectedPaths.push_back("Z:" + path);
        }
        QuadraticFoldersFirst(expected, expectedPaths);

        ASSERT_EQ(window.Search("HIT"), SearchOutcome::Shown);
        ASSERT_EQ(window.state.Search.SearchResults, expected) << "round " << round;
        ASSERT_EQ(window.Paths(), expectedPaths) << "round " << round;
    }
}

} // namespace
} // namespace dk
