#pragma once

#include "list/DataOutput.h"
#include "list/TextCodec.h"

#include <cstdint>
#include <string>

namespace dk::mkdk {

// The shape of a made-up list for benchmarks and stress tests. Folders are
// filled breadth first: every folder above `depth` gets `fanout` entries
// (fewer at the very end), and each entry below the deepest level is a folder
// with probability `folderShare`. Files are named doc_N.ext and img_N.ext in
// turn, so the mask "doc" finds about half of them.
struct SyntheticShape {
    std::uint64_t records = 1000;
    std::uint32_t fanout = 10;
    std::uint32_t depth = 4;
    double folderShare = 0.1;
    std::uint32_t seed = 1;
    std::string rootName = "D:\\Synthetic";
};

// Streams the list data (header and records in pre-order) to `out` without
// holding the records in memory. False with `error` set when the shape cannot
// hold that many records, or a write fails.
bool WriteSynthetic(const SyntheticShape& shape, const TextCodec& codec, DataOutput& out,
                    std::string* error = nullptr);

} // namespace dk::mkdk
