#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace dk {

// Raw deflate data, possibly in several pieces that together form one valid
// deflate stream.
struct DeflatedData {
    struct Piece {
        std::unique_ptr<std::uint8_t[]> bytes;
        std::size_t size = 0;
    };
    std::vector<Piece> pieces;
    std::uint64_t packedSize = 0;
    std::uint64_t size = 0; // bytes before compression
    std::uint32_t crc = 0;  // CRC-32 of those bytes
    bool ok = false;        // false: out of memory
};

// Compresses `data` as one raw deflate stream at `level` (libdeflate's scale),
// using up to `threads` cores: the data is cut into chunks that are
// compressed independently, and every chunk but the last is turned into a
// non-final part of the stream (its last block's final bit cleared and an
// empty stored block appended to reach a byte boundary), so the pieces
// concatenate into a single stream any inflater reads. The caller waits for
// the result; nothing else runs meanwhile.
DeflatedData ParallelDeflate(std::span<const std::uint8_t> data, int level, unsigned threads);

} // namespace dk
