#include "output/TextExport.h"
#include "TestSupport.h"
#include "output/ProgressRun.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace dk {
namespace {

// The export of a described list's whole tree, starting from `lastFolder`.
std::string Export(const std::string& description, std::string& lastFolder) {
    const auto document = test::LoadDescription(description);
    MemoryOutput out;
    EXPECT_EQ(WriteTextLines(document->Root()->Children, out, lastFolder, nullptr),
              ExportStatus::Done);
    return {out.Bytes.begin(), out.Bytes.end()};
}

std::string Export(const std::string& description) {
    std::string lastFolder;
    return Export(description, lastFolder);
}

const char* const WorkedExample = "D Docs\n"
                                  "  F a.txt\n"
                                  "  D Old\n"
                                  "    F b.doc attr=0x80\n"
                                  "F c.bin strike=1\n"
                                  "D Empty\n"
                                  "F d strike=1 attr=0x80\n";

TEST(TextExport, WritesTheWorkedExampleByteForByte) {
    std::string lastFolder;
    EXPECT_EQ(Export(WorkedExample, lastFolder),
              "\r\nDocs\\a.txt\r\n\r\n*Docs\\Old\\b.doc\r\n\r\n*c.bin\r\n**d\r\n");
    EXPECT_EQ(lastFolder, "");
}

TEST(TextExport, SeparatesRunsOfFilesFromDifferentFolders) {
    struct Case {
        const char* name;
        const char* lastFolder; // left by an earlier export in the run
        const char* description;
        const char* expected;
    };
    const Case cases[] = {
        {"first file below the root", "", "F x\nD A\n  F y\n", "x\r\n\r\nA\\y\r\n"},
        {"first file in a subfolder", "", "D A\n  F y\nF x\n", "\r\nA\\y\r\n\r\nx\r\n"},
        {"second export, same folder first", "A\\B", "D A\n  D B\n    F y\n", "A\\B\\y\r\n"},
        {"second export, other folder first", "A", "F x\n", "\r\nx\r\n"},
        {"letter case counts", "a", "D A\n  F y\n", "\r\nA\\y\r\n"},
        {"a subfolder with files between two files", "",
         "D A\n  F x\n  D S\n    D T\n      F y\n  F z\n",
         "\r\nA\\x\r\n\r\nA\\S\\T\\y\r\n\r\nA\\z\r\n"},
        {"folders without files between two files", "", "F x\nD E\nD S\n  D T\nF z\n",
         "x\r\nz\r\n"},
        {"only folders", "", "D A\n  D B\nD C\n", ""},
        {"nothing below the root", "", "", ""},
    };
    for (const Case& c : cases) {
        std::string lastFolder = c.lastFolder;
        EXPECT_EQ(Export(c.description, lastFolder), c.expected) << c.name;
    }
}

TEST(TextExport, MarksStatusFlagsAndWritesNameBytesAsStored) {
    EXPECT_EQ(Export("F a strike=1\nF b strike=2\nF c attr=0x80\nF d attr=0x80 strike=1\n"
                     "F e attr=0x7f strike=255\n"),
              "*a\r\nb\r\n*c\r\n**d\r\ne\r\n");
    EXPECT_EQ(Export("D Фото\n  F \"отпуск 1.jpg\"\n"),
              "\r\n" + test::Enc("Фото") + "\\" + test::Enc("отпуск 1.jpg") + "\r\n");
}

TEST(TextExport, AnyKindButAFolderIsAFileWhoseChildrenAreNotVisited) {
    EXPECT_EQ(Export("X odd\n  F inside\nF after\n"), "odd\r\nafter\r\n");
    EXPECT_EQ(Export("D A\n  L link\n    F inside\n"), "\r\nA\\link\r\n");
}

TEST(TextExport, TheFolderOfTheLastLineCarriesOverToTheNextExport) {
    std::string lastFolder;
    Export(WorkedExample, lastFolder);
    Export("D Docs\n  D Old\n    F x\n", lastFolder);
    EXPECT_EQ(lastFolder, "Docs\\Old");
    EXPECT_EQ(Export("D Docs\n  D Old\n    F y\n", lastFolder), "Docs\\Old\\y\r\n");
}

TEST(TextExport, ADeepChainIsWalkedWithoutRecursion) {
    mkdk::ListBuilder builder;
    auto folder = builder.Root();
    for (int depth = 0; depth < 100'000; ++depth)
        folder = builder.Folder(folder, "d");
    builder.File(folder, "f");
    const auto document = test::Load(builder);
    MemoryOutput out;
    std::string lastFolder;
    ASSERT_EQ(WriteTextLines(document->Root()->Children, out, lastFolder, nullptr),
              ExportStatus::Done);
    ASSERT_EQ(out.Bytes.size(), 2 + 100'000 * 2 + 1 + 2);
    EXPECT_EQ(std::string(out.Bytes.end() - 6, out.Bytes.end()), "\\d\\f\r\n");
}

// Accepts `room` bytes, then fails every write, like a disk that fills up.
struct FillingOutput : DataOutput {
    std::size_t room;
    std::size_t writes = 0;
    std::string Bytes;
    explicit FillingOutput(std::size_t bytes) : room(bytes) {}
    bool Write(const void* bytes, std::size_t size) override {
        ++writes;
        if (size > room)
            return false;
        Bytes.append(static_cast<const char*>(bytes), size);
        room -= size;
        return true;
    }
};

TEST(TextExport, StopsAtTheFirstWriteThatFails) {
    const auto document = test::LoadDescription("F a\nF b\nF c\nF d\n");
    FillingOutput out(5);
    std::string lastFolder;
    EXPECT_EQ(WriteTextLines(document->Root()->Children, out, lastFolder, nullptr),
              ExportStatus::WriteFailed);
    EXPECT_EQ(out.Bytes, "a\r\n");
    EXPECT_EQ(out.writes, 2u);
}

class ExportToFile : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir / "out.txt";
    std::unique_ptr<ListDocument> document = test::LoadDescription(WorkedExample);
    std::string lastFolder;
    localeTexts texts;
    void SetUp() override {
        currentLanguage = "eng";
        BuildInterfaceTexts(texts);
    }
    void TearDown() override { currentLanguage = "rus"; }
};

TEST_F(ExportToFile, ReplacesAnExistingFileWithTheExport) {
    test::WriteBytes(path, std::vector<std::uint8_t>(100'000, 'x'));
    const ExportResult result = ExportTextFile(*document->Root(), path, lastFolder, nullptr);
    EXPECT_EQ(result.Status, ExportStatus::Done) << result.Detail;
    EXPECT_EQ(test::ReadText(path),
              "\r\nDocs\\a.txt\r\n\r\n*Docs\\Old\\b.doc\r\n\r\n*c.bin\r\n**d\r\n");
    EXPECT_EQ(ExportMessage(texts, result, path), "");
}

TEST_F(ExportToFile, ACancelledExportKeepsTheLinesWrittenSoFar) {
    ProgressRun run;
    struct ClosingWindow : ProgressWindow {
        ProgressRun* run;
        void ShowPosition(int percent) override {
            if (percent >= 70)
                run->RequestCancel();
        }
    } window;
    window.run = &run;
    // Seven entries below the root; the step for the fifth, c.bin, cancels.
    run.Start(ProgressKindExport, static_cast<std::int64_t>(CountNodesBelow(*document->Root())),
              &window);
    const ExportResult result = ExportTextFile(*document->Root(), path, lastFolder, &run);
    EXPECT_EQ(result.Status, ExportStatus::Cancelled);
    EXPECT_EQ(test::ReadText(path), "\r\nDocs\\a.txt\r\n\r\n*Docs\\Old\\b.doc\r\n");
    EXPECT_EQ(ExportMessage(texts, result, path), "");
}

TEST_F(ExportToFile, AFileThatCannotBeCreatedIsReported) {
    const std::string missing = dir / "no/such/folder/out.txt";
    const ExportResult result = ExportTextFile(*document->Root(), missing, lastFolder, nullptr);
    EXPECT_EQ(result.Status, ExportStatus::CreateFailed);
    EXPECT_FALSE(result.Detail.empty());
    EXPECT_EQ(ExportMessage(texts, result, missing), "Error in creating file!");
}

TEST_F(ExportToFile, AWriteThatFailsHalfwayIsReportedWithTheFilesName) {
    const ExportResult full = ExportTextFile(*document->Root(), "/dev/full", lastFolder, nullptr);
    EXPECT_EQ(full.Status, ExportStatus::WriteFailed);
    EXPECT_FALSE(full.Detail.empty());
    EXPECT_EQ(ExportMessage(texts, full, "/dev/full"), "Error in creating file! - /dev/full");

    // The file removed while the export runs: nothing is left to show for it.
    struct RemovingSink : ProgressSink {
        std::string path;
        int steps = 0;
        void Step() override {
            if (++steps == 2)
                ::unlink(path.c_str());
        }
        bool CancelRequested() const override { return false; }
    } removing;
    removing.path = path;
    const ExportResult removed = ExportTextFile(*document->Root(), path, lastFolder, &removing);
    EXPECT_EQ(removed.Status, ExportStatus::WriteFailed);
    EXPECT_EQ(ExportMessage(texts, removed, path), "Error in creating file! - " + path);
}

TEST(ExportNames, ProposedAndChosenNames) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (const Case& c : {Case{"backup.dk", "backup.txt"}, Case{"my.list.dk", "my.list.txt"},
                          Case{"/home/u/lists.d/photos.dk", "photos.txt"},
                          Case{"noextension", "noextension.txt"}, Case{".dk", ".dk.txt"}})
        EXPECT_EQ(DefaultExportName(c.in), c.out) << c.in;
    for (const Case& c : {Case{"out", "out.txt"}, Case{"out.csv", "out.csv"}, Case{"out.", "out."},
                          Case{"/home/u/a.b/out", "/home/u/a.b/out.txt"},
                          Case{"/home/u/a.b/out.txt", "/home/u/a.b/out.txt"}})
        EXPECT_EQ(ExportFileName(c.in), c.out) << c.in;
}

} // namespace
} // namespace dk
