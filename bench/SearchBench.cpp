// A search over a synthetic list of a million records (walk, folders first,
// result view) against a plain case-folded byte search over the same names
// kept in one flat array, measured in this same run; and the memory the
// search needs on top of the open list.
#include "BenchUtil.h"

#include "Synthetic.h"
#include "browse/FolderTree.h"
#include "browse/ListViewModel.h"
#include "browse/ListFolder.h"
#include "list/DataOutput.h"
#include "list/ListContainer.h"
#include "list/ListLoader.h"
#include "search/NameMask.h"
#include "search/Search.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string.h>
#include <vector>

namespace {

const char* const Mask = "doc"; // about half the files: names are doc_... and img_... in turn

// The window's state as it is right after opening: the root folder listed.
bool Open(dk::ListContainer& container, const std::string& listPath, dk::WindowState& state) {
    dk::LoadResult loaded = dk::LoadList(container, listPath, nullptr);
    if (loaded.Error != dk::LoadError::None)
        return false;
    state.Document = std::move(loaded.Document);
    state.Codec = dk::TextCodec::Create(dk::DefaultEncoding);
    dk::ListNode& root = *state.Root();
    return dk::ListFolder(state.Shown, std::string(root.Record->Name()) + "*", root,
                          dk::RootLocalPath(root.Record->Name()));
}

// The window's share of a search, timed with it: resetting the detail list's
// model over the new rows (a model as the window has it, over the same rows).
void ResetResultModel(dk::WindowState& state) {
    static dk::ListViewModel model(state.Shown);
    model.SetCodec(state.Codec.get());
    model.RowsReplaced();
    if (model.rowCount() != static_cast<int>(state.Shown.RowCount()))
        std::abort();
}

std::size_t SearchAsTheWindowDoes(dk::WindowState& state) {
    if (dk::RunSearch(state, Mask) != dk::SearchOutcome::Shown)
        std::abort();
    ResetResultModel(state);
    return state.Shown.RowCount();
}

// Every name below the root, back to back, with where each one ends.
struct FlatNames {
    std::string bytes;
    std::vector<std::size_t> ends;
};

FlatNames Flatten(const dk::ListDocument& document) {
    FlatNames flat;
    for (std::size_t i = 1; i < document.NodeCount(); ++i) {
        flat.bytes += document.Node(i).Record->Name();
        flat.ends.push_back(flat.bytes.size());
    }
    return flat;
}

// The floor: fold each name through the code page's table and look for the
// folded mask in it, nothing else.
std::size_t PlainSearch(const FlatNames& flat, const dk::ByteTable& upper) {
    std::string mask = Mask;
    for (char& c : mask)
        c = static_cast<char>(upper[static_cast<unsigned char>(c)]);
    std::size_t found = 0, begin = 0;
    char folded[256];
    for (const std::size_t end : flat.ends) {
        const std::size_t length = end - begin;
        for (std::size_t i = 0; i < length; ++i)
            folded[i] = static_cast<char>(upper[static_cast<unsigned char>(flat.bytes[begin + i])]);
        if (::memmem(folded, length, mask.data(), mask.size()))
            ++found;
        begin = end;
    }
    return found;
}

long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::atol(line.c_str() + std::strlen(field));
    return -1;
}

// In a child, so earlier work does not count: open the list, reset the peak
// resident size, search, and report how far the peak rose above the size
// before. Negative when the system cannot reset the peak.
long SearchPeakExtraBytes(const std::string& listPath) {
    int channel[2];
    if (pipe(channel) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        long extra = -1;
        dk::ListContainer container;
        dk::WindowState state;
        if (Open(container, listPath, state)) {
            std::ofstream reset("/proc/self/clear_refs");
            reset << "5" << std::flush;
            const long before = StatusKilobytes("VmRSS:");
            // Reading the status file costs a few pages of its own.
            if (reset && StatusKilobytes("VmHWM:") <= before + 1024) {
                SearchAsTheWindowDoes(state);
                extra = (StatusKilobytes("VmHWM:") - before) * 1024L;
            }
        }
        if (write(channel[1], &extra, sizeof extra) != sizeof extra)
            _exit(1);
        _exit(0);
    }
    close(channel[1]);
    long extra = -1;
    if (read(channel[0], &extra, sizeof extra) != sizeof extra)
        extra = -1;
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return extra;
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t records = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
    const std::string folder = bench::ScratchFolder("search");
    const std::string dataPath = folder + "/synthetic.data";
    const std::string listPath = folder + "/synthetic.dk";

    auto codec = dk::TextCodec::Create(dk::DefaultEncoding);
    if (!bench::MakeSyntheticList(bench::StandardShape(records), dataPath, listPath))
        return 1;
    // Measured first, while this process holds nothing big that a child would share.
    const long extra = SearchPeakExtraBytes(listPath);

    dk::ListContainer container;
    dk::WindowState state;
    if (!Open(container, listPath, state)) {
        std::fprintf(stderr, "cannot open the list\n");
        return 1;
    }
    const FlatNames flat = Flatten(*state.Document);

    std::size_t plainFound = 0, rows = 0;
    const double plain =
        bench::BestSeconds(5, [&] { plainFound = PlainSearch(flat, codec->UpperTable()); });
    const double search = bench::BestSeconds(5, [&] { rows = SearchAsTheWindowDoes(state); });
    if (rows != plainFound) {
        std::fprintf(stderr, "the search found %zu, the plain search %zu\n", rows, plainFound);
        return 1;
    }

    const std::size_t held = state.Search.SearchResults.capacity() * sizeof(dk::ListNode*) +
                             state.Search.ResultPaths.bytes();
    std::printf("list: %llu records, %zu found by \"%s\"\n",
                static_cast<unsigned long long>(records), rows, Mask);
    std::printf("search: %.3f s, plain folded search over a flat array of the names %.3f s, "
                "ratio %.2f (goal < 3)\n",
                search, plain, search / plain);
    if (extra >= 0)
        std::printf("memory: peak %.1f MB above the open list, %.0f bytes per result; "
                    "results and paths hold %.1f MB\n",
                    extra / 1e6, double(extra) / double(rows ? rows : 1), held / 1e6);
    else
        std::printf("memory: the peak cannot be reset here; results and paths hold %.1f MB\n",
                    held / 1e6);
    bench::RemoveFolder(folder);
    return 0;
}
