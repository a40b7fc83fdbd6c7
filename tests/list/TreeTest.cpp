#include "TestSupport.h"
#include "list/MappedFile.h"
#include "list/ReadNode.h"
#include "list/WriteNode.h"

#include <gtest/gtest.h>

namespace dk {
namespace {

using test::Describe;
using test::Enc;

// Records the folders the reader reports, as (parent handle, record) pairs;
// the root comes as parent -1.
struct RecordingSink : FolderSink {
    std::vector<std::pair<std::int64_t, std::uint32_t>> folders;
    Handle AddRootFolder(std::uint32_t record) override {
        folders.push_back({-1, record});
        return 0;
    }
    Handle AddFolder(Handle parent, std::uint32_t record) override {
        folders.push_back({parent, record});
        return static_cast<Handle>(folders.size() - 1);
    }
};

ReadResult Read(const std::vector<std::uint8_t>& data, FolderSink* sink = nullptr) {
    return ReadNode(std::make_unique<BufferBlock>(data), sink);
}

std::vector<std::uint8_t> Write(ListDocument& document) {
    MemoryOutput out;
    EXPECT_EQ(WriteListData(document, out, nullptr), WriteResult::Done);
    return out.Bytes;
}

TEST(ReadNode, BuildsTheTreeAndReportsOnlyFoldersBelowFolders) {
    auto builder = Describe(R"(
D Docs
  F a.txt
  D Old
    F b.doc
F weird.bin lci=0
  D InsideAFile
F c.bin
D Empty
)");
    RecordingSink sink;
    ReadResult read = Read(builder.Data(), &sink);
    ASSERT_EQ(read.Error, ReadError::None);
    ListDocument& doc = *read.Document;
    ASSERT_EQ(doc.NodeCount(), 9u);
    ListNode& root = *doc.Root();
    ASSERT_EQ(root.Children.size(), 4u);
    ListNode& docs = *root.Children[0];
    EXPECT_EQ(docs.Record->Name(), "Docs");
    EXPECT_EQ(docs.Parent, &root);
    ASSERT_EQ(docs.Children.size(), 2u);
    EXPECT_EQ(docs.Children[1]->Children[0]->Record->Name(), "b.doc");
    EXPECT_EQ(docs.Children[1]->Children[0]->Parent, docs.Children[1]);
    // The file's child is kept in the tree...
    ListNode& weird = *root.Children[1];
    ASSERT_EQ(weird.Children.size(), 1u);
    EXPECT_EQ(weird.Children[0]->Record->Name(), "InsideAFile");
    // ...but neither it nor anything below it has a folder-tree node.
    // Records in data order: 0 root, 1 Docs, 2 a.txt, 3 Old, 4 b.doc, 5 weird,
    // 6 InsideAFile, 7 c.bin, 8 Empty.
    const std::vector<std::pair<std::int64_t, std::uint32_t>> expected = {
        {-1, 0}, {0, 1}, {1, 3}, {0, 8}};
    EXPECT_EQ(sink.folders, expected);
}

TEST(ReadNode, HeaderAndChildCountEdgeCases) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> data;
        ReadError error;
        std::size_t nodes;
    };
    mkdk::ListBuilder single;
    mkdk::ListBuilder negative;
    negative.File(negative.Root(), "ignored");
    negative.PinLastChildIndex(negative.Root(), -5);
    mkdk::ListBuilder tooMany;
    tooMany.File(tooMany.Root(), "only");
    tooMany.PinLastChildIndex(tooMany.Root(), 5);
    std::vector<std::uint8_t> trailing = single.Data();
    trailing.insert(trailing.end(), 1000, 0xAB);
    std::vector<std::uint8_t> cutRecord = single.Data();
    cutRecord.pop_back();
    const Case cases[] = {
        {"root alone", single.Data(), ReadError::None, 1},
        {"negative LastChildIndex means no children", negative.Data(), ReadError::None, 1},
        {"bytes after the tree are ignored", trailing, ReadError::None, 1},
        {"empty data", {}, ReadError::HeaderTruncated, 0},
        {"data ends inside the header", std::vector<std::uint8_t>(100, 'h'),
         ReadError::HeaderTruncated, 0},
        {"header only", std::vector<std::uint8_t>(256, 'h'), ReadError::RecordTruncated, 0},
        {"data ends inside a record", cutRecord, ReadError::RecordTruncated, 0},
        {"more children declared than records follow", tooMany.Data(), ReadError::RecordTruncated,
         0},
    };
    for (const Case& c : cases) {
        ReadResult read = Read(c.data);
        EXPECT_EQ(read.Error, c.error) << c.what;
        EXPECT_EQ(read.Document ? read.Document->NodeCount() : 0u, c.nodes) << c.what;
    }
}

TEST(ReadNode, KeepsTheHeaderUpToItsFirstZero) {
    mkdk::ListBuilder builder("Disk");
    std::vector<std::uint8_t> full = builder.Data();
    std::fill(full.begin(), full.begin() + 256, 'H');
    ReadResult read = Read(full);
    ASSERT_TRUE(read.Document);
    EXPECT_EQ(read.Document->HeaderText(), std::string(256, 'H'));
    EXPECT_EQ(Write(*read.Document), full) << "256 non-zero bytes come back unchanged";

    std::vector<std::uint8_t> short_ = full;
    short_[3] = 0;
    read = Read(short_);
    EXPECT_EQ(read.Document->HeaderText(), "HHH");
    std::vector<std::uint8_t> expected = short_;
    std::fill(expected.begin() + 3, expected.begin() + 256, 0);
    EXPECT_EQ(Write(*read.Document), expected) << "bytes after the zero are not kept";
}

TEST(WriteNode, RoundTripsEveryByteButBackslashNames) {
    auto builder = Describe(R"(
root "C:\Data" reserved=0102030405FF marked=7
D "Отчёты" size=123 created="01.02.2003 04:05:06" attr=0xFF mark=9 strike=3 level=42
  F "a\b.txt" comment="kept"
  F "ёлка.txt" size=18446744073709551615 lci=-7
)");
    const std::vector<std::uint8_t> original = builder.Data();
    auto doc = test::Load(original);
    std::vector<std::uint8_t> expected = original;
    // Only names with a backslash are emptied: the root's and "a\b.txt".
    std::fill(expected.begin() + 256, expected.begin() + 256 + 256, 0);
    const std::size_t third = 256 + 2 * 600;
    std::fill(expected.begin() + third, expected.begin() + third + 256, 0);
    EXPECT_EQ(Write(*doc), expected);
    EXPECT_EQ(doc->Root()->Record->Name(), "") << "the tree in memory is emptied too";
    EXPECT_EQ(doc->Root()->Children[0]->Record->Name(), Enc("Отчёты"));
}

TEST(WriteNode, WritesChildrenInTheirCurrentOrder) {
    auto doc = test::LoadDescription("F one\nF two\n");
    std::swap(doc->Root()->Children[0], doc->Root()->Children[1]);
    const std::vector<std::uint8_t> out = Write(*doc);
    ASSERT_EQ(out.size(), 256u + 3 * 600);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&out[256 + 600])), "two");
}

struct CancelAfter : ProgressSink {
    int left;
    int steps = 0;
    explicit CancelAfter(int n) : left(n) {}
    void Step() override {
        ++steps;
        --left;
    }
    bool CancelRequested() const override { return left <= 0; }
};

TEST(WriteNode, StepsOncePerRecordAndStopsWhenCancelled) {
    auto doc = test::LoadDescription("D A\n  F a1\n  F a2\nF b\n");
    CancelAfter never(100);
    MemoryOutput all;
    EXPECT_EQ(WriteNode(*doc->Root(), all, &never), WriteResult::Done);
    EXPECT_EQ(never.steps, 5);
    CancelAfter two(2);
    MemoryOutput part;
    EXPECT_EQ(WriteNode(*doc->Root(), part, &two), WriteResult::Cancelled);
    EXPECT_EQ(part.Bytes.size(), 2u * 600);
}

// A chain of a million folders, each inside the one before: reading, writing
// and freeing must not recurse.
TEST(DeepChain, MillionFoldersLoadSaveAndFree) {
    constexpr std::uint32_t depth = 1'000'000;
    test::TempDir dir;
    const std::string dataPath = dir / "chain.data";
    {
        FileOutput out;
        ASSERT_TRUE(out.Create(dataPath));
        const std::vector<std::uint8_t> header(HeaderBytes, 0);
        out.Write(header.data(), header.size());
        ListRecord link;
        link.SetKind(KindFolder);
        link.SetName("link");
        link.SetLastChildIndex(0);
        for (std::uint32_t i = 0; i + 1 < depth; ++i)
            out.Write(link.Raw.data(), link.Raw.size());
        link.SetLastChildIndex(-1);
        out.Write(link.Raw.data(), link.Raw.size());
        ASSERT_TRUE(out.Finish());
    }
    int error = 0;
    auto block = MappedFile::OpenPrivate(dataPath, error);
    ASSERT_TRUE(block);
    RecordingSink sink;
    ReadResult read = ReadNode(std::move(block), &sink);
    ASSERT_EQ(read.Error, ReadError::None);
    EXPECT_EQ(read.Document->NodeCount(), depth);
    EXPECT_EQ(sink.folders.size(), depth);
    EXPECT_EQ(CountNodesBelow(*read.Document->Root()), depth - 1);

    FileOutput out;
    ASSERT_TRUE(out.Create(dir / "again.data"));
    EXPECT_EQ(WriteListData(*read.Document, out, nullptr), WriteResult::Done);
    ASSERT_TRUE(out.Finish());
    EXPECT_EQ(test::ReadBytes(dir / "again.data").size(), HeaderBytes + 600u * depth);
    FreeTree(read.Document);
    EXPECT_FALSE(read.Document);
}

} // namespace
} // namespace dk
