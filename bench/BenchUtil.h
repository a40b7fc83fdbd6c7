#pragma once

// Shared by the benchmarks: a stopwatch, a scratch folder, and the peak memory
// of work done in a child process (so earlier work does not count).
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

inline void RemoveFolder(const std::string& folder) {
    std::string command = "rm -rf '" + folder + "'";
    if (std::system(command.c_str()) != 0)
        std::perror("rm");
}

} // namespace bench
