#pragma once

// Shared by the benchmarks: a stopwatch, a scratch folder, and the peak memory
// of work done in a child process (so earlier work does not count).
#include "Synthetic.h"
#include "list/DataOutput.h"
#include "list/ListContainer.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

inline double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Best of `runs`: the figure least disturbed by whatever else the machine does.
inline double BestSeconds(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, Seconds(work));
    return best;
}

// Peak resident memory, in bytes, of a child process that runs `work`.
inline long PeakBytesOf(const std::function<void()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    struct rusage usage {};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss * 1024L;
}

inline std::string ScratchFolder(const char* name) {
    std::string folder = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
                         "/dorvik-bench-" + name + "-" + std::to_string(getpid());
    std::string command = "mkdir -p '" + folder + "'";
    if (std::system(command.c_str()) != 0)
        std::perror("mkdir");
    return folder;
}

// The made-up list the benchmarks share: `records` entries, 30 to a folder,
// eight levels deep, a fifth of them folders.
inline dk::mkdk::SyntheticShape StandardShape(std::uint64_t records) {
    dk::mkdk::SyntheticShape shape;
    shape.records = records;
    shape.fanout = 30;
    shape.depth = 8;
    shape.folderShare = 0.2;
    return shape;
}

// Writes the shape's list data to `dataPath` and packs it as `listPath`.
inline bool MakeSyntheticList(const dk::mkdk::SyntheticShape& shape, const std::string& dataPath,
                              const std::string& listPath) {
    const auto codec = dk::TextCodec::Create(dk::DefaultEncoding);
    dk::FileOutput out;
    std::string error;
    if (!out.Create(dataPath) || !dk::mkdk::WriteSynthetic(shape, *codec, out, &error) ||
        !out.Finish()) {
        std::fprintf(stderr, "cannot make the list: %s\n", error.c_str());
        return false;
    }
    if (dk::PackList(dataPath, listPath) != dk::ContainerError::None) {
        std::fprintf(stderr, "cannot pack the list\n");
        return false;
    }
    return true;
}

inline void RemoveFolder(const std::string& folder) {
    std::string command = "rm -rf '" + folder + "'";
    if (std::system(command.c_str()) != 0)
        std::perror("rm");
}

} // namespace bench
