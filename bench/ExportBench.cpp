// The text export of a synthetic list of a million records, against writing
// the same bytes to a file through one buffered stream, measured in this same
// run.
#include "BenchUtil.h"

#include "Synthetic.h"
#include "list/DataOutput.h"
#include "list/ListContainer.h"
#include "list/ListLoader.h"
#include "output/ProgressRun.h"
#include "output/TextExport.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

std::vector<char> ReadFile(const std::string& path) {
    std::vector<char> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return bytes;
    std::fseek(f, 0, SEEK_END);
    bytes.resize(static_cast<std::size_t>(std::ftell(f)));
    std::fseek(f, 0, SEEK_SET);
    if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size())
        bytes.clear();
    std::fclose(f);
    return bytes;
}

// The baseline: the bytes already in memory, handed to stdio a line's worth
// at a time, as any program that writes a text file line by line does.
void WriteBuffered(const std::vector<char>& bytes, const std::string& path) {
    FILE* out = std::fopen(path.c_str(), "wb");
    std::vector<char> buffer(1 << 20);
    std::setvbuf(out, buffer.data(), _IOFBF, buffer.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            std::fwrite(bytes.data() + start, 1, i + 1 - start, out);
            start = i + 1;
        }
    std::fwrite(bytes.data() + start, 1, bytes.size() - start, out);
    if (std::fclose(out) != 0)
        std::abort();
}

// Takes the lines and keeps nothing: the walk and the line building alone.
struct CountingOutput final : dk::DataOutput {
    std::size_t Bytes = 0;
    bool Write(const void*, std::size_t size) override {
        Bytes += size;
        return true;
    }
};

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t records = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
    const std::string folder = bench::ScratchFolder("export");
    const std::string dataPath = folder + "/synthetic.data";
    const std::string listPath = folder + "/synthetic.dk";
    const std::string exportPath = folder + "/synthetic.txt";
    const std::string copyPath = folder + "/copy.txt";

    if (!bench::MakeSyntheticList(bench::StandardShape(records), dataPath, listPath))
        return 1;
    dk::ListContainer container;
    dk::LoadResult loaded = dk::LoadList(container, listPath, nullptr);
    if (loaded.Error != dk::LoadError::None) {
        std::fprintf(stderr, "cannot open the list\n");
        return 1;
    }
    const dk::ListNode& root = *loaded.Document->Root();
    const auto total = static_cast<std::int64_t>(dk::CountNodesBelow(root));

    const auto exportOnce = [&] {
        dk::ProgressRun run;
        run.Start(dk::ProgressKindExport, total, nullptr);
        std::string lastExportFolder;
        if (dk::ExportTextFile(root, exportPath, lastExportFolder, &run).Status !=
            dk::ExportStatus::Done)
            std::abort();
        run.End();
    };
    exportOnce();
    const std::vector<char> bytes = ReadFile(exportPath);
    // Taken in turns, so a busy moment of the machine does not land on one side only.
    double exportTime = 1e300, writeTime = 1e300, walkTime = 1e300;
    for (int round = 0; round < 5; ++round) {
        exportTime = std::min(exportTime, bench::Seconds(exportOnce));
        writeTime = std::min(writeTime, bench::Seconds([&] { WriteBuffered(bytes, copyPath); }));
        walkTime = std::min(walkTime, bench::Seconds([&] {
                                CountingOutput out;
                                std::string lastExportFolder;
                                dk::WriteTextLines(root.Children, out, lastExportFolder, nullptr);
                                if (out.Bytes != bytes.size())
                                    std::abort();
                            }));
    }

    std::printf("list: %llu records, export %zu bytes\n", static_cast<unsigned long long>(records),
                bytes.size());
    std::printf("export: %.3f s, buffered write of the same bytes %.3f s, ratio %.2f (goal < 2)\n",
                exportTime, writeTime, exportTime / writeTime);
    std::printf("of which the walk and the lines alone: %.3f s\n", walkTime);
    bench::RemoveFolder(folder);
    return 0;
}
