#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace dk {

// Where list data is written. A failed write is remembered and reported by
// Write and Finish, so a save can tell a full disk from a complete file.
class DataOutput {
public:
    virtual ~DataOutput() = default;
    virtual bool Write(const void* bytes, std::size_t size) = 0;
};

class MemoryOutput final : public DataOutput {
public:
    bool Write(const void* bytes, std::size_t size) override;
    std::vector<std::uint8_t> Bytes;
};

// A file written through a large buffer: one system call per megabyte, not
// per record.
class FileOutput final : public DataOutput {
public:
    FileOutput() = default;
    ~FileOutput() override;
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    // Creates the file, or truncates it when it exists; refuses a symbolic link.
    bool Create(const std::string& path);
    bool Write(const void* bytes, std::size_t size) override;
    // Flushes and closes; false when any write or the close failed.
    bool Finish();

private:
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    bool failed_ = false;
};

} // namespace dk
