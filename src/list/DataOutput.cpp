#include "list/DataOutput.h"

#include <fcntl.h>
#include <unistd.h>

namespace dk {

bool MemoryOutput::Write(const void* bytes, std::size_t size) {
    if (size == 0)
        return true;
    const auto* p = static_cast<const std::uint8_t*>(bytes);
    Bytes.insert(Bytes.end(), p, p + size);
    return true;
}

FileOutput::~FileOutput() {
    if (file_)
        std::fclose(file_);
}

bool FileOutput::Create(const std::string& path) {
    // A symbolic link planted at a temporary path must not redirect the write.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        ::close(fd);
        return false;
    }
    buffer_.resize(1 << 20);
    std::setvbuf(file_, buffer_.data(), _IOFBF, buffer_.size());
    failed_ = false;
    return true;
}

bool FileOutput::Write(const void* bytes, std::size_t size) {
    if (!file_ || failed_)
        return false;
    if (size == 0)
        return true;
    if (std::fwrite(bytes, 1, size, file_) != size)
        failed_ = true;
    return !failed_;
}

bool FileOutput::Finish() {
    if (!file_)
        return false;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed && !failed_;
}

} // namespace dk
