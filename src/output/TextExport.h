#pragma once

#include "app/LocaleTexts.h"
#include "list/DataOutput.h"
#include "list/ListNode.h"
#include "output/ProgressSink.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace dk {

// The text export: one line per file of the list, its path below the root
// with "*" in front for each status flag, an empty line between runs of files
// from different folders, CR LF line ends, Name bytes as stored.

enum class ExportStatus {
    Done,
    Cancelled,    // the user stopped it; the lines written so far are kept
    CreateFailed, // the file cannot be created
    WriteFailed,  // writing stopped halfway (disk full, file removed...)
};

struct ExportResult {
    ExportStatus Status = ExportStatus::Done;
    std::string Detail; // the system's reason for a failure
};

// The folder path of the file line most recently written by any export in
// this run of the program. No export resets it, so a second export starts
// with an empty line unless its first file lies where the last one did.
std::string& LastExportFolder();

// Writes the lines of every file in `entries` and below, in pre-order and in
// the entries' current order. An entry whose Kind is not 'D' is a file, and
// what lies below it is not visited. One progress step per entry, folders
// included; when the user has asked to cancel, nothing more is written.
// Stops at the first write that fails.
ExportStatus WriteTextLines(std::span<ListNode* const> entries, DataOutput& out,
                            std::string& lastExportFolder, ProgressSink* progress);

// The export's output file, written through a large buffer. A failed write is
// remembered, so the end of the export can tell a full disk from a complete
// file.
class ExportFile final : public DataOutput {
public:
    ExportFile() = default;
    ~ExportFile() override;
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    // Creates the file, or empties it when it exists.
    ExportResult Create(const std::string& path);
    bool Write(const void* bytes, std::size_t size) override;
    // Writes what is buffered and closes the file; WriteFailed when any write
    // failed, the close failed, or the file was removed meanwhile.
    ExportResult Finish();

private:
    bool Flush();
    void Fail(const std::string& reason);

    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
    std::string detail_;
};

// Writes the lines of the whole tree below `root` to a created file and
// closes it. Done, Cancelled (the file holds the lines written until then)
// or WriteFailed.
ExportResult WriteTextExport(const ListNode& root, ExportFile& file, std::string& lastExportFolder,
                             ProgressSink* progress);

// Create, then WriteTextExport: the export without a window between the two.
ExportResult ExportTextFile(const ListNode& root, const std::string& path,
                            std::string& lastExportFolder, ProgressSink* progress);

// What the user is told when an export fails: "Error in creating file!", and
// for a file that could not be written to the end, " - " and its path.
// Empty for Done and Cancelled.
std::string ExportMessage(const localeTexts& texts, const ExportResult& result,
                          const std::string& path);

// The name the export dialog proposes for a list file (a path or a bare
// name): the list's name without its last extension, then ".txt"
// (backup.dk gives backup.txt, my.list.dk gives my.list.txt).
std::string DefaultExportName(const std::string& listPath);

// The name chosen in the export dialog, with ".txt" added when its last
// component has no "." at all; "out." and "out.csv" stay as they are.
std::string ExportFileName(const std::string& chosen);

} // namespace dk
