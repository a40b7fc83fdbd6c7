#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace dk {

// A contiguous, writable run of bytes that outlives its users: the list data
// behind a loaded tree (a mapping of the data file, or a buffer built in memory).
class ByteBlock {
public:
    virtual ~ByteBlock() = default;
    virtual std::span<std::uint8_t> Bytes() = 0;
};

class BufferBlock final : public ByteBlock {
public:
    explicit BufferBlock(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::span<std::uint8_t> Bytes() override { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace dk
