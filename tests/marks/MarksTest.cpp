#include "marks/Marks.h"
#include "TestSupport.h"
#include "browse/ListFolder.h"
#include "list/ListContainer.h"
#include "list/ListLoader.h"
#include "list/ListSaver.h"
#include "search/ShowSearchResults.h"

#include <gtest/gtest.h>
#include <random>

namespace dk {
namespace {

// A list loaded into the window's state with one folder listed, as the
// window has it when a mark command runs.
struct Window {
    WindowState state;

    explicit Window(const std::string& description, const std::string& folder = "") {
        state.Document = test::LoadDescription(description);
        state.Codec = TextCodec::Create(DefaultEncoding);
        List(folder);
    }
    ListNode& Root() { return *state.Root(); }
    ListNode& At(const std::string& path) {
        ListNode* node = test::At(Root(), path);
        EXPECT_TRUE(node) << path;
        return *node;
    }
    // `folder`: "/"-separated names below the root.
    void List(const std::string& folder) {
        std::string path = std::string(Root().Record->Name()) + "*";
        for (std::size_t start = 0; start < folder.size();) {
            const std::size_t end = std::min(folder.find('/', start), folder.size());
            path += test::Enc(folder.substr(start, end - start)) + "*";
            start = end + 1;
        }
        ASSERT_TRUE(ListFolder(state.Shown, path, Root(), ""));
    }
    std::size_t RowOf(const std::string& name) const {
        for (std::size_t row = 0; row < state.Shown.RowCount(); ++row)
            if (state.Shown.Caption(row) == test::Enc(name))
                return row;
        ADD_FAILURE() << "no row " << name;
        return 0;
    }
    std::uint8_t Mark(const std::string& path) { return At(path).Record->Mark(); }
    std::int32_t Counter(const std::string& path) {
        return (path.empty() ? Root() : At(path)).Record->MarkedBelow();
    }
};

// One row of a command's table, tried on an entry e in C:\A\B, with a second
// entry beside it, e's own counter at 30 and the counters of B, A and the
// root at 20, 10 and 5. A folder e holds x (Mark 1) and y (Mark 2).
struct TableRow {
    char kind;
    std::uint8_t before;
    std::uint8_t after;
    bool subtree;       // a folder given one value with all below it
    std::int32_t delta; // files: the change of each ancestor's counter
};

void CheckTable(MarkCommand command, const std::vector<TableRow>& table) {
    for (const TableRow& row : table) {
        SCOPED_TRACE(testing::Message() << "kind " << row.kind << ", Mark " << int(row.before));
        std::string description = "root \"C:\\\" marked=5\nD A marked=10\n  D B marked=20\n";
        description += std::string("    ") + row.kind + " e mark=" + std::to_string(row.before) +
                       " marked=30\n";
        if (row.kind == KindFolder)
            description += "      F x mark=1\n      F y mark=2\n";
        description += "    F other mark=1\n";
        Window window(description, "A/B");
        EXPECT_TRUE(RunMarkCommand(window.state, command, {window.RowOf("e")}));
        EXPECT_TRUE(window.state.ListChanged);

        EXPECT_EQ(window.Mark("A/B/e"), row.after);
        EXPECT_EQ(window.Mark("A/B/other"), 1) << "only the selected entry";
        if (row.kind == KindFolder) {
            EXPECT_EQ(window.Mark("A/B/e/x"), row.subtree ? row.after : 1);
            EXPECT_EQ(window.Mark("A/B/e/y"), row.subtree ? row.after : 2);
        }
        // Marking a folder with k nodes below it adds k to its own counter
        // and k + 1 to each named ancestor's, whatever the value given.
        const std::int32_t above = row.subtree ? 3 : row.delta;
        EXPECT_EQ(window.Counter("A/B/e"), row.subtree ? 32 : 30);
        EXPECT_EQ(window.Counter("A/B"), 20 + above);
        EXPECT_EQ(window.Counter("A"), 10 + above);
        EXPECT_EQ(window.Counter(""), 5 + above);
    }
}

TEST(MarkCommands, NeededTable) {
    CheckTable(MarkCommand::Needed, {
                                        {'D', 1, 0, true, 0},
                                        {'D', 0, 1, true, 0},
                                        {'D', 2, 1, true, 0},
                                        {'D', 7, 1, true, 0},
                                        {'F', 0, 1, false, +1},
                                        {'F', 1, 0, false, -1},
                                        {'F', 2, 1, false, 0},
                                        {'F', 7, 7, false, 0},
                                        {'X', 0, 1, false, +1}, // any Kind but 'D' is no folder
                                    });
}

TEST(MarkCommands, NotNeededTable) {
    CheckTable(MarkCommand::NotNeeded, {
                                           {'D', 0, 2, true, 0},
                                           {'D', 1, 2, true, 0},
                                           {'D', 2, 0, true, 0},
                                           {'D', 9, 0, true, 0},
                                           {'F', 0, 2, false, +1},
                                           {'F', 1, 2, false, -1},
                                           {'F', 2, 0, false, 0},
                                           {'F', 9, 9, false, 0},
                                       });
}

TEST(MarkCommands, ClearTable) {
    CheckTable(MarkCommand::Clear, {
                                       {'D', 0, 0, false, 0}, // nothing below it is visited
                                       {'D', 1, 0, true, 0},
                                       {'D', 2, 0, true, 0},
                                       {'D', 5, 0, true, 0},
                                       {'F', 0, 0, false, -1},
                                       {'F', 1, 0, false, -1},
                                       {'F', 2, 0, false, -1},
                                       {'F', 6, 0, false, -1},
                                   });
}

TEST(MarkCommands, AFolderGivesItsValueThroughFoldersOnly) {
    // Below a record that is not a folder nothing is visited, and the walk up
    // stops at the first ancestor without a name.
    Window window("D A\n"
                  "  D B\n"
                  "    F f mark=2\n"
                  "      F under mark=2\n"
                  "    D \"\" marked=100\n"
                  "      F g\n"
                  "      D h\n"
                  "        F i\n",
                  "A");
    ASSERT_TRUE(MarkNeeded(window.state, {window.RowOf("B")}));
    ListNode& unnamed = *window.At("A/B").Children[1];
    ASSERT_TRUE(unnamed.Record->Name().empty());
    EXPECT_EQ(window.Mark("A/B"), 1);
    EXPECT_EQ(window.Mark("A/B/f"), 1);
    EXPECT_EQ(window.Mark("A/B/f/under"), 2);
    EXPECT_EQ(unnamed.Record->Mark(), 1);
    EXPECT_EQ(unnamed.Children[1]->Children[0]->Record->Mark(), 1);
    // Set: B, f, the unnamed folder, g, h and i. The walks of g and h stop at
    // the unnamed folder at once, that of i after h: only B, f and the
    // unnamed folder reach B and above.
    EXPECT_EQ(unnamed.Record->MarkedBelow(), 100);
    EXPECT_EQ(unnamed.Children[1]->Record->MarkedBelow(), 1);
    EXPECT_EQ(window.Counter("A/B"), 2);
    EXPECT_EQ(window.Counter("A"), 3);
    EXPECT_EQ(window.Counter(""), 3);
}

TEST(MarkCommands, OnlyTheEntriesOfSelectedRowsCount) {
    Window window("D A\n  F r1\n  F r2\n  F r3\n  F r4\n  F r5\n  F r6\n", "A");
    ASSERT_TRUE(window.state.Shown.HasParentRow);

    EXPECT_FALSE(MarkNeeded(window.state, {}));
    EXPECT_FALSE(MarkNeeded(window.state, {0})) << "the \"..\" row alone";
    EXPECT_FALSE(ClearMarks(window.state, {0, 99})) << "and a row beyond the entries";
    EXPECT_FALSE(window.state.ListChanged);
    EXPECT_EQ(window.Counter("A"), 0);

    // Rows 2 and 5, given in any order and twice: r2 and r5, once each.
    EXPECT_TRUE(MarkNeeded(window.state, {5, 0, 2, 5}));
    EXPECT_TRUE(window.state.ListChanged);
    for (const char* name : {"r1", "r3", "r4", "r6"})
        EXPECT_EQ(window.Mark(std::string("A/") + name), 0) << name;
    EXPECT_EQ(window.Mark("A/r2"), 1);
    EXPECT_EQ(window.Mark("A/r5"), 1);
    EXPECT_EQ(window.Counter("A"), 2);
}

TEST(MarkCommands, InTheResultViewLaterRowsSeeTheMarksOfEarlierOnes) {
    // The folder's row first: its subtree becomes 1, then the file switches
    // back to 0. The file's row first: it becomes 1 and the folder's subtree
    // then gives it 1 again. Row 0 is an entry like any other here.
    struct Case {
        std::vector<std::string> results;
        std::uint8_t file;
    };
    for (const Case& c : {Case{{"Docs", "Docs/a.txt"}, 0}, Case{{"Docs/a.txt", "Docs"}, 1}}) {
        Window window("D Docs\n  F a.txt\n  F b.txt\n");
        SearchState search;
        search.SearchBase = "C:";
        for (const std::string& path : c.results) {
            search.SearchResults.push_back(&window.At(path));
            search.ResultPaths.push_back("C:\\" + path);
        }
        ShowSearchResults(window.state.Shown, search);
        ASSERT_TRUE(MarkNeeded(window.state, {1, 0}));
        EXPECT_EQ(window.Mark("Docs"), 1);
        EXPECT_EQ(window.Mark("Docs/b.txt"), 1);
        EXPECT_EQ(window.Mark("Docs/a.txt"), c.file) << c.results[0];
        // Docs' subtree: +2 on Docs, +3 on the root; the file: +1 or -1 more.
        EXPECT_EQ(window.Counter("Docs"), c.file ? 3 : 1);
        EXPECT_EQ(window.Counter(""), c.file ? 4 : 2);
    }
}

TEST(MarkCommands, AfterASaveTheRootsCounterStays) {
    test::TempDir dir;
    test::ScopedEnv tmp("TMP", dir.Path().c_str());
    const std::string list = dir / "home.dk";
    std::string error;
    ASSERT_TRUE(
        test::Describe("root \"D:\\Data\" marked=7\nD A\n  F a\n").WriteListFile(list, &error))
        << error;
    ListContainer container;
    LoadResult loaded = LoadList(container, list, nullptr);
    ASSERT_EQ(loaded.Error, LoadError::None);
    ASSERT_EQ(SaveList(*loaded.Document, list, nullptr).Error, SaveError::None);

    ListNode& root = *loaded.Document->Root();
    ASSERT_TRUE(root.Record->Name().empty());
    ListNode& a = *test::At(root, "A/a");
    std::vector<ListNode*> entries{&a};
    ApplyMarkCommand(*loaded.Document, MarkCommand::Needed, entries);
    EXPECT_EQ(a.Parent->Record->MarkedBelow(), 1);
    EXPECT_EQ(root.Record->MarkedBelow(), 7);
}

// The commands applied literally, one entry after the other, each node set
// walking up on its own: the meaning the fast pass must reproduce.
void LiteralAdjust(ListNode& node, std::int32_t delta) {
    for (ListNode* a = node.Parent; a && !a->Record->Name().empty(); a = a->Parent)
        a->Record->SetMarkedBelow(
            static_cast<std::int32_t>(static_cast<std::uint32_t>(a->Record->MarkedBelow()) +
                                      static_cast<std::uint32_t>(delta)));
}

void LiteralSubtree(ListNode& node, std::uint8_t value) {
    std::vector<ListNode*> pending{&node};
    while (!pending.empty()) {
        ListNode* n = pending.back();
        pending.pop_back();
        n->Record->SetMark(value);
        LiteralAdjust(*n, +1);
        if (n->Record->Kind() == 'D')
            pending.insert(pending.end(), n->Children.begin(), n->Children.end());
    }
}

void LiteralCommand(MarkCommand command, const std::vector<ListNode*>& entries) {
    std::vector<ListNode*> seen;
    for (ListNode* e : entries) {
        if (std::find(seen.begin(), seen.end(), e) != seen.end())
            continue;
        seen.push_back(e);
        const std::uint8_t m = e->Record->Mark();
        const bool folder = e->Record->Kind() == 'D';
        auto file = [&](std::uint8_t value, std::int32_t delta) {
            e->Record->SetMark(value);
            if (delta)
                LiteralAdjust(*e, delta);
        };
        switch (command) {
        case MarkCommand::Needed:
            if (folder)
                LiteralSubtree(*e, m == 1 ? 0 : 1);
            else if (m == 0)
                file(1, +1);
            else if (m == 1)
                file(0, -1);
            else if (m == 2)
                file(1, 0);
            break;
        case MarkCommand::NotNeeded:
            if (folder)
                LiteralSubtree(*e, m == 0 || m == 1 ? 2 : 0);
            else if (m == 0)
                file(2, +1);
            else if (m == 1)
                file(2, -1);
            else if (m == 2)
                file(0, 0);
            break;
        case MarkCommand::Clear:
            if (folder) {
                if (m != 0)
                    LiteralSubtree(*e, 0);
            } else {
                file(0, -1);
            }
            break;
        }
    }
}

TEST(MarkCommands, MatchTheLiteralRulesOnRandomTreesAndSelections) {
    // Nested selected folders in any order, files with children, other kinds,
    // unnamed entries, odd marks and counters about to wrap.
    std::mt19937 random(20240611);
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    for (int round = 0; round < 400; ++round) {
        mkdk::ListBuilder builder(pick(4) == 0 ? "" : "C:\\");
        const std::size_t size = 2 + pick(40);
        for (std::size_t i = 1; i < size; ++i) {
            const char kinds[] = {'D', 'D', 'D', 'F', 'F', 'X'};
            const char kind = kinds[pick(6)];
            const auto id = builder.Add(pick(i), kind, pick(8) == 0 ? "" : "n" + std::to_string(i));
            const std::uint8_t marks[] = {0, 0, 1, 2, 5};
            builder.Record(id).SetMark(marks[pick(5)]);
            const std::int32_t counters[] = {0, 3, -2, INT32_MAX, INT32_MIN};
            builder.Record(id).SetMarkedBelow(counters[pick(5)]);
        }
        const auto data = builder.Data();
        auto fast = test::Load(data);
        auto literal = test::Load(data);
        std::vector<ListNode*> fastEntries, literalEntries;
        for (std::size_t n = pick(size + 2); n > 0; --n) {
            const std::size_t index = pick(size);
            fastEntries.push_back(&fast->Node(index));
            literalEntries.push_back(&literal->Node(index));
        }
        const auto command = static_cast<MarkCommand>(round % 3);
        ApplyMarkCommand(*fast, command, fastEntries);
        LiteralCommand(command, literalEntries);
        const std::size_t one = pick(size);
        SetSubtreeMark(fast->Node(one), static_cast<std::uint8_t>(round % 4));
        LiteralSubtree(literal->Node(one), static_cast<std::uint8_t>(round % 4));
        for (std::size_t i = 0; i < size; ++i)
            ASSERT_EQ(fast->Node(i).Record->Raw, literal->Node(i).Record->Raw)
                << "round " << round << ", node " << i;
    }
}

TEST(MarkCommands, ADeepChainOfSelectedFoldersTakesOnePass) {
    // A list that is one chain of folders, every one of them selected top
    // down, as a result view of everything would have it. Folder j (from 1)
    // sees the value its parent's turn gave it and flips it: odd depths end
    // needed. Each node is set once by every selected folder above it and by
    // itself, so folder j's counter grows by the sum of the depths below it.
    constexpr std::uint32_t depth = 100000;
    mkdk::ListBuilder builder;
    for (std::uint32_t j = 1; j <= depth; ++j)
        builder.Folder(j - 1, "d");
    auto document = test::Load(builder);
    std::vector<ListNode*> chain;
    for (ListNode* node = document->Root(); !node->Children.empty();)
        chain.push_back(node = node->Children[0]);
    ASSERT_EQ(chain.size(), depth);
    ApplyMarkCommand(*document, MarkCommand::Needed, chain);

    std::uint32_t below = 0; // the sum of the depths below the one looked at, wrapping
    for (std::uint32_t j = depth; j >= 1; --j) {
        const ListRecord& record = *chain[j - 1]->Record;
        ASSERT_EQ(record.Mark(), j % 2) << j;
        ASSERT_EQ(static_cast<std::uint32_t>(record.MarkedBelow()), below) << j;
        below += j;
    }
    EXPECT_EQ(static_cast<std::uint32_t>(document->Root()->Record->MarkedBelow()), below);
}

TEST(MarkCommands, ContextMenu) {
    Window window("D A\n  F a\n  F b\n", "A");
    EXPECT_EQ(ContextMenuFor(window.state.Shown, {}), (ContextMenuDecision{true, false}));
    EXPECT_EQ(ContextMenuFor(window.state.Shown, {2, 0}), (ContextMenuDecision{false, false}))
        << "\"..\" is the first selected row";
    EXPECT_EQ(ContextMenuFor(window.state.Shown, {2, 1}), (ContextMenuDecision{false, true}));
    window.List("");
    EXPECT_EQ(ContextMenuFor(window.state.Shown, {0}), (ContextMenuDecision{false, true}));
    EXPECT_FALSE(window.state.ListChanged);
}

} // namespace
} // namespace dk
