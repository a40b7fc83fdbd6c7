#include "list/ParallelDeflate.h"

#include <algorithm>
#include <cstring>
#include <libdeflate.h>
#include <new>
#include <system_error>
#include <thread>
#include <zlib.h>

namespace dk {
namespace {

// Below this a chunk is not worth a thread of its own.
constexpr std::size_t MinimumChunk = 8u << 20;

struct Chunk {
    std::span<const std::uint8_t> input;
    DeflatedData::Piece piece;
    std::uint32_t crc = 0;
    bool ok = false;
};

// Where the final block of a complete raw deflate stream starts and where the
// stream ends, in bits from its first byte. zlib's Z_BLOCK mode stops at
// every block boundary and tells how many bits of the last byte it read are
// still unused, which is all it takes to locate the boundaries.
bool FindFinalBlock(const std::uint8_t* stream, std::size_t size, std::uint64_t& finalHeader,
                    std::uint64_t& end) {
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK)
        return false;
    z.next_in = const_cast<std::uint8_t*>(stream);
    z.avail_in = static_cast<uInt>(std::min<std::size_t>(size, 1u << 30));
    std::size_t fed = z.avail_in;
    std::vector<std::uint8_t> sink(1 << 16);
    finalHeader = 0; // the first block starts at bit 0
    end = 0;
    bool ok = false;
    for (;;) {
        if (z.avail_in == 0 && fed < size) {
            const std::size_t more = std::min<std::size_t>(size - fed, 1u << 30);
            z.next_in = const_cast<std::uint8_t*>(stream + fed);
            z.avail_in = static_cast<uInt>(more);
            fed += more;
        }
        z.next_out = sink.data();
        z.avail_out = static_cast<uInt>(sink.size());
        const int status = inflate(&z, Z_BLOCK);
        const std::uint64_t consumed = fed - z.avail_in;
        const std::uint64_t bit = consumed * 8 - static_cast<unsigned>(z.data_type & 7);
        if (status == Z_STREAM_END) {
            ok = end != 0;
            break;
        }
        if (status != Z_OK && status != Z_BUF_ERROR)
            break;
        if (status == Z_BUF_ERROR && z.avail_in == 0 && fed >= size)
            break; // the stream ended without a final block
        // At a boundary, bit 64 tells whether the block just ended was the
        // final one; if not, the next block may be. (At the stream's end
        // zlib skips to a byte boundary, so the end is taken here.)
        if (z.data_type & 128) {
            if (z.data_type & 64)
                end = bit;
            else
                finalHeader = bit;
        }
    }
    inflateEnd(&z);
    return ok;
}

// Clears the final bit of the last block and appends an empty stored block
// (3 header bits, padding to a byte, LEN 0, NLEN 0xFFFF), so that another
// stream can follow byte-aligned.
bool MakeNonFinal(DeflatedData::Piece& piece) {
    std::uint64_t finalHeader = 0, end = 0;
    if (!FindFinalBlock(piece.bytes.get(), piece.size, finalHeader, end))
        return false;
    std::uint8_t* bytes = piece.bytes.get();
    bytes[finalHeader / 8] &= static_cast<std::uint8_t>(~(1u << (finalHeader % 8)));
    const std::size_t headerEnd = static_cast<std::size_t>((end + 3 + 7) / 8);
    // The bits from `end` on become the stored block's zero header and padding.
    if (end % 8 != 0)
        bytes[end / 8] &= static_cast<std::uint8_t>((1u << (end % 8)) - 1);
    for (std::size_t i = (end + 7) / 8; i < headerEnd; ++i)
        bytes[i] = 0;
    static const std::uint8_t emptyStored[] = {0x00, 0x00, 0xFF, 0xFF};
    std::memcpy(bytes + headerEnd, emptyStored, sizeof emptyStored);
    piece.size = headerEnd + sizeof emptyStored;
    return true;
}

void Compress(Chunk& chunk, int level, bool last) {
    libdeflate_compressor* compressor = libdeflate_alloc_compressor(level);
    if (!compressor)
        return;
    // Room for the stored block that MakeNonFinal may append. Pages of the
    // bound that deflate never reaches are never touched.
    const std::size_t bound =
        libdeflate_deflate_compress_bound(compressor, chunk.input.size()) + 16;
    chunk.piece.bytes.reset(new (std::nothrow) std::uint8_t[bound]);
    if (chunk.piece.bytes) {
        chunk.piece.size = libdeflate_deflate_compress(compressor, chunk.input.data(),
                                                       chunk.input.size(),
                                                       chunk.piece.bytes.get(), bound - 16);
        chunk.ok = chunk.piece.size != 0 && (last || MakeNonFinal(chunk.piece));
    }
    libdeflate_free_compressor(compressor);
    chunk.crc = static_cast<std::uint32_t>(libdeflate_crc32(0, chunk.input.data(), chunk.input.size()));
}

} // namespace

DeflatedData ParallelDeflate(std::span<const std::uint8_t> data, int level, unsigned threads) {
    const std::size_t wanted = std::max<std::size_t>(1, std::min<std::size_t>(
                                                            threads, data.size() / MinimumChunk));
    std::vector<Chunk> chunks(wanted);
    const std::size_t step = data.size() / wanted;
    for (std::size_t i = 0; i < wanted; ++i) {
        const std::size_t begin = i * step;
        const std::size_t end = i + 1 == wanted ? data.size() : begin + step;
        chunks[i].input = data.subspan(begin, end - begin);
    }

    std::vector<std::thread> workers;
    std::size_t inline_from = wanted;
    for (std::size_t i = 1; i < wanted; ++i) {
        try {
            workers.emplace_back(Compress, std::ref(chunks[i]), level, i + 1 == wanted);
        } catch (const std::system_error&) {
            inline_from = i; // no more threads to be had: do the rest here
            break;
        }
    }
    Compress(chunks[0], level, wanted == 1);
    for (std::size_t i = inline_from; i < wanted; ++i)
        Compress(chunks[i], level, i + 1 == wanted);
    for (std::thread& worker : workers)
        worker.join();

    DeflatedData result;
    result.size = data.size();
    result.ok = true;
    for (std::size_t i = 0; i < wanted; ++i) {
        Chunk& chunk = chunks[i];
        result.ok = result.ok && chunk.ok;
        result.crc = i == 0 ? chunk.crc
                            : static_cast<std::uint32_t>(crc32_combine(
                                  result.crc, chunk.crc, static_cast<z_off_t>(chunk.input.size())));
        result.packedSize += chunk.piece.size;
        result.pieces.push_back(std::move(chunk.piece));
    }
    return result;
}

} // namespace dk
