#pragma once

#include "list/ByteBlock.h"

#include <cstdint>
#include <memory>
#include <string>

namespace dk {

// A file's bytes in memory through the operating system's page mapping: the
// list data is used where it lies instead of being copied record by record.
class MappedFile final : public ByteBlock {
public:
    ~MappedFile() override;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // The whole file, readable and writable; changes stay private to this
    // process and never reach the file. The file may be deleted afterwards.
    static std::unique_ptr<MappedFile> OpenPrivate(const std::string& path, int& error);

    // A new file of exactly `size` bytes (truncating an existing one), with its
    // disk space reserved up front, so a full disk is an error here rather than
    // a fault while the mapping is written. Writes go to the file. A symbolic
    // link at `path` is refused, so a planted link cannot redirect the write.
    static std::unique_ptr<MappedFile> CreateShared(const std::string& path, std::uint64_t size,
                                                    int& error);

    // A file that already exists, read-only.
    static std::unique_ptr<MappedFile> OpenReadOnly(const std::string& path, int& error);

    std::span<std::uint8_t> Bytes() override { return {data_, size_}; }

private:
    MappedFile(std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    static std::unique_ptr<MappedFile> Map(int fd, std::uint64_t size, int protection, int flags,
                                           int& error);

    std::uint8_t* data_;
    std::size_t size_;
};

} // namespace dk
