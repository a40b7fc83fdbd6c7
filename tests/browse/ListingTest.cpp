#include "TestSupport.h"
#include "browse/FolderTree.h"
#include "browse/FoldersFirst.h"
#include "browse/ListFolder.h"
#include "browse/ListingTexts.h"
#include "list/ExtendedSize.h"
#include "list/ReadNode.h"

#include <gtest/gtest.h>
#include <random>

namespace dk {
namespace {

using test::Enc;

TEST(ListingTexts, SizeInKibibytes) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0"},        {1, "1"},    {512, "1"},     {1024, "1"},       {1536, "2"},
        {2560, "2"},     {3584, "4"}, {1048576, "1024"}, {1572864, "1536"},
        {1ull << 50, "1099511627776"}};
    for (const auto& [bytes, text] : cases) {
        std::uint8_t size[10];
        EncodeExtended(bytes, size);
        EXPECT_EQ(SizeText(size), text) << bytes;
    }
}

TEST(ListingTexts, AttributeLetters) {
    const std::pair<int, const char*> cases[] = {
        {0x00, "----"}, {0x21, "RT"}, {0x80, "E"}, {0x81, "RE"}, {0xFF, "RHSVATCE"}};
    for (const auto& [bits, text] : cases)
        EXPECT_EQ(AttributesText(static_cast<std::uint8_t>(bits)), text) << bits;
}

TEST(ListingTexts, EmptyTimesAndCommentsShowDashes) {
    ListRecord r;
    EXPECT_EQ(ColumnText(r, CreatedColumn), "----");
    EXPECT_EQ(ColumnText(r, ModifiedColumn), "----");
    EXPECT_EQ(ColumnText(r, CommentColumn), "----");
    r.SetComment("note");
    EXPECT_EQ(ColumnText(r, CommentColumn), "note");
}

// The exchange pass exactly as it has always been written: quadratic.
std::string ExchangePass(std::string kinds) {
    for (std::size_t i = 0; i + 1 < kinds.size(); ++i)
        for (std::size_t j = i + 1; j < kinds.size(); ++j)
            if (kinds[i] == 'F' && kinds[j] == 'D')
                std::swap(kinds[i], kinds[j]);
    return kinds;
}

TEST(FoldersFirst, GivesTheExchangePassOrder) {
    // Entries are tagged with their original position, so a permutation
    // that merely sorts the kinds right but moves files differently fails.
    std::mt19937 random(11);
    for (int trial = 0; trial < 3000; ++trial) {
        const std::size_t count = random() % 14;
        std::vector<std::pair<char, int>> entries;
        for (std::size_t i = 0; i < count; ++i)
            entries.push_back({"DFFX"[random() % 4], static_cast<int>(i)});
        // The reference, with positions carried along.
        auto expected = entries;
        for (std::size_t i = 0; i + 1 < count; ++i)
            for (std::size_t j = i + 1; j < count; ++j)
                if (expected[i].first == 'F' && expected[j].first == 'D')
                    std::swap(expected[i], expected[j]);
        FoldersFirstPass(
            count, [&](std::size_t i) { return entries[i].first; },
            [&](std::size_t i, std::size_t j) { std::swap(entries[i], entries[j]); });
        ASSERT_EQ(entries, expected) << "trial " << trial;
    }
    EXPECT_EQ(ExchangePass("FDFD"), "DDFF");
}

TEST(FoldersFirst, TheExamplesAndASecondPass) {
    auto doc = test::LoadDescription("F F1\nD D1\nF F2\nD D2\n");
    FoldersFirst(doc->Root()->Children);
    std::string order;
    for (const ListNode* n : doc->Root()->Children)
        order += std::string(n->Record->Name()) + " ";
    EXPECT_EQ(order, "D1 D2 F2 F1 ");
    FoldersFirst(doc->Root()->Children);
    order.clear();
    for (const ListNode* n : doc->Root()->Children)
        order += std::string(n->Record->Name()) + " ";
    EXPECT_EQ(order, "D1 D2 F2 F1 ") << "a second pass changes nothing";
}

class Listing : public ::testing::Test {
protected:
    std::unique_ptr<ListDocument> doc = test::LoadDescription(R"(
root "C:\"
F readme.txt
D Windows
  F win.ini
  D System
    F a.dll
  D Empty
D Data
  D DATA
)");
    ListNode& root = *doc->Root();
    ShownList shown;

    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (std::size_t row = 0; row < shown.RowCount(); ++row)
            captions.emplace_back(shown.Caption(row));
        return captions;
    }
};

TEST_F(Listing, TheRootHasNoParentRowAndOtherFoldersDo) {
    ASSERT_TRUE(ListFolder(shown, "C:\\*", root, "C:\\"));
    EXPECT_FALSE(shown.HasParentRow);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Windows", "Data", "readme.txt"}));
    EXPECT_EQ(root.Children[0]->Record->Name(), "Windows") << "the new order stays in the tree";
    EXPECT_EQ(shown.EntryAt(2), root.Children[2]);

    ASSERT_TRUE(ListFolder(shown, "C:\\*Windows*System*", root, "C:\\Windows\\System\\"));
    EXPECT_TRUE(shown.HasParentRow);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"..", "a.dll"}));
    EXPECT_EQ(shown.EntryAt(0), nullptr);
    EXPECT_EQ(shown.EntryAt(1)->Record->Name(), "a.dll");
    EXPECT_EQ(shown.LocalPath, "C:\\Windows\\System\\");
}

TEST_F(Listing, EmptyFolders) {
    ASSERT_TRUE(ListFolder(shown, "C:\\*Windows*Empty*", root, ""));
    EXPECT_EQ(Captions(), std::vector<std::string>{".."});
    EXPECT_EQ(shown.FirstEntryRow(), 0u);
    auto empty = test::LoadDescription("");
    ASSERT_TRUE(ListFolder(shown, "C:\\*", *empty->Root(), ""));
    EXPECT_EQ(shown.RowCount(), 0u);
}

TEST_F(Listing, NamesMatchExactlyAndAMissingFolderFails) {
    EXPECT_FALSE(ListFolder(shown, "C:\\*windows*", root, ""));
    EXPECT_FALSE(ListFolder(shown, "C:\\*Windows*Nope*", root, ""));
    EXPECT_FALSE(shown.HasEntries);
    EXPECT_EQ(root.Children[0]->Children[0]->Record->Name(), "win.ini") << "nothing reordered";
    ASSERT_TRUE(ListFolder(shown, "C:\\*Data*DATA*", root, ""));
    EXPECT_EQ(Captions(), std::vector<std::string>{".."});
}

class Tree : public ::testing::Test {
protected:
    FolderTree tree;
    std::unique_ptr<ListDocument> Load(const std::string& description) {
        ReadResult read = ReadNode(std::make_unique<BufferBlock>(test::Describe(description).Data()),
                                   &tree);
        EXPECT_EQ(read.Error, ReadError::None);
        tree.Attach(*read.Document, "photos.dk");
        return std::move(read.Document);
    }
};

TEST_F(Tree, PathsOfTreeNodes) {
    const auto doc = Load("root \"D:\\Data\"\nD Mail\n  D Old\nF x\n");
    FolderTreeNode& root = *tree.Root();
    EXPECT_EQ(tree.Caption(root), "photos.dk");
    EXPECT_EQ(root.ImageIndex, treeimage::Drive);
    ASSERT_EQ(root.Children.size(), 1u);
    FolderTreeNode& old = *root.Children[0]->Children[0];
    EXPECT_EQ(old.ImageIndex, treeimage::Folder);
    EXPECT_EQ(FolderPath(tree, root), "D:\\Data*");
    EXPECT_EQ(FolderPath(tree, old), "D:\\Data*Mail*Old*");
    EXPECT_EQ(LocalPath(tree, root), "D:\\Data\\");
    EXPECT_EQ(LocalPath(tree, old), "D:\\Data\\Mail\\Old\\");
    EXPECT_EQ(FindTreeNode(tree, &root, "Mail*Old*"), &old);
    EXPECT_EQ(FindTreeNode(tree, &root, "mail*Old*"), nullptr) << "captions match exactly";
    EXPECT_EQ(RootLocalPath("C:"), "C:\\");
    EXPECT_EQ(RootLocalPath("C:\\"), "C:\\");
    EXPECT_EQ(RootLocalPath(""), "");
}

TEST_F(Tree, RowsOfChildrenAreTheirPositions) {
    const auto doc = Load("D A\n  D A1\n  F f\n  D A2\nD B\n");
    FolderTreeNode& a = *tree.Root()->Children[0];
    ASSERT_EQ(a.Children.size(), 2u);
    EXPECT_EQ(a.Children[1]->Row, 1u);
    EXPECT_EQ(tree.Root()->Children[1]->Row, 1u);
    EXPECT_EQ(tree.Caption(*a.Children[1]), "A2");
}

} // namespace
} // namespace dk
