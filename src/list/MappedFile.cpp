#include "list/MappedFile.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dk {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

MappedFile::~MappedFile() {
    if (size_ != 0)
        ::munmap(data_, size_);
}

std::unique_ptr<MappedFile> MappedFile::Map(int fd, std::uint64_t size, int protection, int flags,
                                            int& error) {
    if (size > std::numeric_limits<std::size_t>::max()) {
        error = ENOMEM;
        return nullptr;
    }
    if (size == 0) // an empty mapping is not allowed; an empty block is
        return std::unique_ptr<MappedFile>(new MappedFile(nullptr, 0));
    void* data = ::mmap(nullptr, static_cast<std::size_t>(size), protection, flags, fd, 0);
    if (data == MAP_FAILED) {
        error = errno;
        return nullptr;
    }
    return std::unique_ptr<MappedFile>(
        new MappedFile(static_cast<std::uint8_t*>(data), static_cast<std::size_t>(size)));
}

std::unique_ptr<MappedFile> MappedFile::OpenPrivate(const std::string& path, int& error) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        error = errno;
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        error = EISDIR;
        return nullptr;
    }
    return Map(fd.get(), static_cast<std::uint64_t>(info.st_size), PROT_READ | PROT_WRITE,
               MAP_PRIVATE, error);
}

std::unique_ptr<MappedFile> MappedFile::OpenReadOnly(const std::string& path, int& error) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        error = errno;
        return nullptr;
    }
    return Map(fd.get(), static_cast<std::uint64_t>(info.st_size), PROT_READ, MAP_SHARED, error);
}

std::unique_ptr<MappedFile> MappedFile::CreateShared(const std::string& path, std::uint64_t size,
                                                     int& error) {
    Descriptor fd(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        error = errno;
        return nullptr;
    }
    error = 0;
    // Past this point the file exists because of us: a failure removes it.
    if (size > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()))
        error = EFBIG;
    else if (size != 0)
        error = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(size));
    std::unique_ptr<MappedFile> mapped;
    if (error == 0)
        mapped = Map(fd.get(), size, PROT_READ | PROT_WRITE, MAP_SHARED, error);
#ifdef MADV_POPULATE_WRITE
    // Faulting the pages in one call costs a fraction of faulting them one by
    // one while the data is written; kernels without it just fault as usual.
    if (mapped && size != 0)
        ::madvise(mapped->data_, mapped->size_, MADV_POPULATE_WRITE);
#endif
    if (!mapped)
        ::unlink(path.c_str());
    return mapped;
}

} // namespace dk
