// Opening and saving a synthetic list of a million records, each against the
// plain zlib work on the same bytes, measured in this same run.
#include "BenchUtil.h"

#include "Synthetic.h"
#include "list/DataOutput.h"
#include "list/ListContainer.h"
#include "list/ListLoader.h"
#include "list/ListSaver.h"
#include "output/ProgressRun.h"

#include <cstdlib>
#include <fcntl.h>
#include <vector>
#include <zip.h>
#include <zlib.h>

namespace {

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::vector<unsigned char> bytes;
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

// What `unzip` does: libzip inflating with zlib, the output written to a file.
void ExtractWithLibzip(const std::string& listPath, const std::string& outPath) {
    zip_t* archive = zip_open(listPath.c_str(), ZIP_RDONLY, nullptr);
    zip_file_t* entry = zip_fopen_index(archive, 0, 0);
    FILE* out = std::fopen(outPath.c_str(), "wb");
    std::vector<char> buffer(1 << 20);
    zip_int64_t n;
    while ((n = zip_fread(entry, buffer.data(), buffer.size())) > 0)
        std::fwrite(buffer.data(), 1, static_cast<std::size_t>(n), out);
    std::fclose(out);
    zip_fclose(entry);
    zip_discard(archive);
}

std::size_t DeflateWithZlib(const std::vector<unsigned char>& data) {
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::vector<unsigned char> out(deflateBound(&stream, data.size()));
    stream.next_in = const_cast<unsigned char*>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    const std::size_t size = stream.total_out;
    deflateEnd(&stream);
    return size;
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t records = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
    const std::string folder = bench::ScratchFolder("list");
    const std::string dataPath = folder + "/synthetic.data";
    const std::string listPath = folder + "/synthetic.dk";

    if (!bench::MakeSyntheticList(bench::StandardShape(records), dataPath, listPath))
        return 1;
    // Measured first, while this process holds nothing big that a child would share.
    const long peak = bench::PeakBytesOf([&] {
        dk::ListContainer container;
        dk::LoadResult loaded = dk::LoadList(container, listPath, nullptr);
        (void)loaded;
    });
    const std::vector<unsigned char> data = ReadFile(dataPath);
    std::printf("list: %llu records, %zu bytes of data\n",
                static_cast<unsigned long long>(records), data.size());

    // Opening. The two take turns, after a round that is not counted: on a
    // virtual machine, memory touched for the first time costs the host a
    // fault, and whichever ran first would pay for both.
    // Only the opening is timed: the list is let go of afterwards, as the
    // extracted file of the baseline is left on disk.
    dk::LoadResult opened;
    auto openList = [&] {
        dk::ListContainer container;
        opened = dk::LoadList(container, listPath, nullptr);
        if (opened.Error != dk::LoadError::None)
            std::abort();
    };
    auto extractList = [&] { ExtractWithLibzip(listPath, dataPath); };
    double extract = 1e300, open = 1e300;
    for (int round = 0; round < 4; ++round) {
        const double e = bench::Seconds(extractList);
        const double o = bench::Seconds(openList);
        opened = {};
        if (round > 0) {
            extract = std::min(extract, e);
            open = std::min(open, o);
        }
    }
    std::printf("open:  %.3f s, libzip+zlib extraction %.3f s, ratio %.3f (goal <= 0.4)\n", open,
                extract, open / extract);

    std::printf("memory: peak %.1f MB while open, %.0f bytes per record (goal <= 700)\n",
                peak / 1e6, double(peak) / double(records));

    // Saving.
    dk::ListContainer container;
    dk::LoadResult loaded = dk::LoadList(container, listPath, nullptr);
    std::size_t zlibSize = 0;
    const double zlib = bench::Seconds([&] { zlibSize = DeflateWithZlib(data); });
    // The whole Save command: a progress run over every record, then packing.
    const double save = bench::BestSeconds(2, [&] {
        dk::ProgressRun run;
        run.Start(dk::ProgressKindSaving,
                  static_cast<std::int64_t>(dk::CountNodesBelow(*loaded.Document->Root())), nullptr);
        if (dk::SaveList(*loaded.Document, listPath, &run).Error != dk::SaveError::None)
            std::abort();
        run.End();
    });
    std::printf("save:  %.3f s, zlib level 9 deflate %.3f s, ratio %.3f (goal <= 0.25)\n", save,
                zlib, save / zlib);
    std::printf("sizes: list file %zu bytes, zlib level 9 %zu bytes\n", ReadFile(listPath).size(),
                zlibSize);
    bench::RemoveFolder(folder);
    return 0;
}
