// Marking a folder of a million entries, and a million selected files, each
// against a plain loop that sets one byte in every record, in this same run.
#include "BenchUtil.h"

#include "list/ReadNode.h"
#include "marks/Marks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Header, the root, one folder under it and `files` files in that folder.
std::vector<std::uint8_t> FolderList(std::uint32_t files) {
    std::vector<std::uint8_t> data(dk::HeaderBytes +
                                   (2 + std::size_t(files)) * dk::ListRecord::Bytes);
    std::memcpy(data.data(), "Mark bench", 10);
    auto record = [&](std::size_t i) {
        dk::ListRecord record;
        std::memcpy(record.Raw.data(), data.data() + dk::HeaderBytes + i * dk::ListRecord::Bytes,
                    dk::ListRecord::Bytes);
        return record;
    };
    auto put = [&](std::size_t i, const dk::ListRecord& record) {
        std::memcpy(data.data() + dk::HeaderBytes + i * dk::ListRecord::Bytes, record.Raw.data(),
                    dk::ListRecord::Bytes);
    };
    dk::ListRecord root = record(0);
    root.SetName("D:\\Bench");
    root.SetKind(dk::KindFolder);
    root.SetLastChildIndex(0);
    put(0, root);
    dk::ListRecord folder = record(1);
    folder.SetName("Folder");
    folder.SetKind(dk::KindFolder);
    folder.SetLevel(1);
    folder.SetLastChildIndex(static_cast<std::int32_t>(files) - 1);
    put(1, folder);
    for (std::uint32_t i = 0; i < files; ++i) {
        dk::ListRecord file;
        file.SetName("file_" + std::to_string(i) + ".dat");
        file.SetKind(dk::KindFile);
        file.SetLevel(2);
        file.SetLastChildIndex(-1);
        put(2 + i, file);
    }
    return data;
}

} // namespace

int main(int argc, char** argv) {
    const auto files =
        static_cast<std::uint32_t>(argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1'000'000);
    dk::ReadResult read =
        dk::ReadNode(std::make_unique<dk::BufferBlock>(FolderList(files)), nullptr);
    if (read.Error != dk::ReadError::None) {
        std::fprintf(stderr, "cannot read the list\n");
        return 1;
    }
    dk::ListDocument& document = *read.Document;
    dk::ListNode& folder = *document.Root()->Children[0];
    std::printf("list: a folder of %u files\n", files);

    std::uint8_t value = 0;
    const double plain = bench::BestSeconds(5, [&] {
        value ^= 1;
        for (dk::ListNode* child : folder.Children)
            child->Record->SetMark(value);
    });

    // Needed on the folder: it and everything in it get one value.
    const std::vector<dk::ListNode*> folderOnly{&folder};
    const double subtree = bench::BestSeconds(
        5, [&] { dk::ApplyMarkCommand(document, dk::MarkCommand::Needed, folderOnly); });
    std::printf("mark the folder: %.3f s, plain loop %.3f s, ratio %.2f (aim: well under a "
                "second)\n",
                subtree, plain, subtree / plain);

    // Needed on every file of a result view, all rows selected.
    dk::WindowState state;
    dk::SearchState search;
    search.SearchResults.assign(folder.Children.begin(), folder.Children.end());
    state.Shown.CurrentEntries = search.SearchResults;
    state.Shown.HasEntries = true;
    std::vector<std::size_t> rows(files);
    for (std::size_t row = 0; row < rows.size(); ++row)
        rows[row] = row;
    state.Document = std::move(read.Document);
    const double selected = bench::BestSeconds(5, [&] { dk::MarkNeeded(state, rows); });
    std::printf("mark every file selected: %.3f s, plain loop %.3f s, ratio %.2f\n", selected,
                plain, selected / plain);
    return 0;
}
