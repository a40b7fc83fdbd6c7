#include "list/ListContainer.h"

#include "list/ListPaths.h"
#include "list/MappedFile.h"
#include "list/ParallelDeflate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <libdeflate.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <zip.h>

namespace dk {

const char* ContainerErrorText(ContainerError error) {
    switch (error) {
    case ContainerError::None:
        return "no error";
    case ContainerError::ArchiveUnreadable:
        return "the file is missing, cannot be read or is not a ZIP archive";
    case ContainerError::EntryCount:
        return "the archive does not hold exactly one entry";
    case ContainerError::EntryIsFolder:
        return "the archive's entry is a folder";
    case ContainerError::EntryEncrypted:
        return "the archive's entry is encrypted";
    case ContainerError::EntryTooLarge:
        return "the entry declares more data than its compressed bytes can hold";
    case ContainerError::EntryCorrupt:
        return "the entry's data is damaged";
    case ContainerError::EntryUnsupported:
        return "the entry is compressed with an unsupported method";
    case ContainerError::OutOfMemory:
        return "not enough memory";
    case ContainerError::DataFileUnwritable:
        return "the data file cannot be written";
    case ContainerError::DataFileUnreadable:
        return "the data file cannot be read";
    case ContainerError::ListReadOnly:
        return "the list file is read-only";
    case ContainerError::ArchiveWriteFailed:
        return "the list file cannot be written";
    }
    return "unknown error";
}

namespace {

// Deflate turns at most 2 bits into a 258-byte match: about 1032 to 1.
constexpr std::uint64_t MaxDeflateRatio = 1032;
constexpr std::size_t CopyChunk = 1 << 20;

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

struct DecompressorFree {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

std::string ZipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

struct Outcome {
    ContainerError error = ContainerError::None;
    std::string detail;
    bool fileCreated = false; // a failure after this point leaves a file to remove
};

Outcome Fail(ContainerError error, std::string detail = {}) { return {error, std::move(detail)}; }

// Reads the raw deflate stream and inflates it in one call straight into the
// data file's mapping; the CRC is checked here, as libzip does not see the data.
Outcome ExtractDeflated(zip_t* archive, const zip_stat_t& st, std::uint64_t archiveSize,
                        const std::string& dataPath) {
    const std::uint64_t packed = st.comp_size;
    const std::uint64_t size = st.size;
    if (packed > archiveSize)
        return Fail(ContainerError::EntryCorrupt, "compressed size beyond the end of the file");
    if (size > (packed + 1) * MaxDeflateRatio)
        return Fail(ContainerError::EntryTooLarge);

    std::unique_ptr<std::uint8_t[]> input(new (std::nothrow) std::uint8_t[packed + 1]);
    if (!input)
        return Fail(ContainerError::OutOfMemory);
    Entry entry(zip_fopen_index(archive, 0, ZIP_FL_COMPRESSED));
    if (!entry)
        return Fail(ContainerError::EntryCorrupt, zip_strerror(archive));
    std::uint64_t got = 0;
    while (got < packed) {
        const zip_int64_t n = zip_fread(entry.get(), input.get() + got, packed - got);
        if (n <= 0)
            return Fail(ContainerError::EntryCorrupt, "compressed data ends early");
        got += static_cast<std::uint64_t>(n);
    }
    entry.reset();

    int error = 0;
    auto output = MappedFile::CreateShared(dataPath, size, error);
    if (!output)
        return Fail(ContainerError::DataFileUnwritable, std::strerror(error));
    Outcome outcome;
    outcome.fileCreated = true;
    std::unique_ptr<libdeflate_decompressor, DecompressorFree> inflater(
        libdeflate_alloc_decompressor());
    if (!inflater) {
        outcome.error = ContainerError::OutOfMemory;
        return outcome;
    }
    std::uint8_t spare = 0; // libdeflate wants a buffer even for empty data
    std::uint8_t* out = size ? output->Bytes().data() : &spare;
    std::size_t actual = 0;
    const auto status = libdeflate_deflate_decompress(inflater.get(), input.get(), packed, out,
                                                      static_cast<std::size_t>(size), &actual);
    if (status != LIBDEFLATE_SUCCESS || actual != size) {
        outcome.error = ContainerError::EntryCorrupt;
        outcome.detail = "the data does not inflate to its declared size";
    } else if ((st.valid & ZIP_STAT_CRC) && libdeflate_crc32(0, out, actual) != st.crc) {
        outcome.error = ContainerError::EntryCorrupt;
        outcome.detail = "CRC mismatch";
    }
    return outcome;
}

// Any other method goes through libzip, which inflates and checks the CRC; the
// bytes are written as they arrive, so no declared size is trusted.
Outcome ExtractStreamed(zip_t* archive, const zip_stat_t& st, const std::string& dataPath) {
    Entry entry(zip_fopen_index(archive, 0, 0));
    if (!entry) {
        const int code = zip_error_code_zip(zip_get_error(archive));
        if (code == ZIP_ER_COMPNOTSUPP)
            return Fail(ContainerError::EntryUnsupported);
        if (code == ZIP_ER_ENCRNOTSUPP || code == ZIP_ER_NOPASSWD)
            return Fail(ContainerError::EntryEncrypted);
        return Fail(ContainerError::EntryCorrupt, zip_strerror(archive));
    }
    const int fd =
        ::open(dataPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return Fail(ContainerError::DataFileUnwritable, std::strerror(errno));
    std::vector<char> buffer(CopyChunk);
    std::uint64_t total = 0;
    Outcome outcome;
    outcome.fileCreated = true;
    for (;;) {
        const zip_int64_t n = zip_fread(entry.get(), buffer.data(), buffer.size());
        if (n == 0)
            break;
        if (n < 0) {
            outcome.error = ContainerError::EntryCorrupt;
            outcome.detail = zip_error_strerror(zip_file_get_error(entry.get()));
            break;
        }
        for (zip_int64_t done = 0; done < n;) {
            const ssize_t w = ::write(fd, buffer.data() + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0) {
                outcome.error = ContainerError::DataFileUnwritable;
                outcome.detail = std::strerror(errno);
                break;
            }
            done += w;
        }
        if (outcome.error != ContainerError::None)
            break;
        total += static_cast<std::uint64_t>(n);
    }
    if (::close(fd) != 0 && outcome.error == ContainerError::None) {
        outcome.error = ContainerError::DataFileUnwritable;
        outcome.detail = std::strerror(errno);
    }
    if (outcome.error == ContainerError::None && (st.valid & ZIP_STAT_SIZE) && total != st.size) {
        outcome.error = ContainerError::EntryCorrupt;
        outcome.detail = "the data does not have its declared size";
    }
    return outcome;
}

Outcome Extract(zip_t* archive, const zip_stat_t& st, std::uint64_t archiveSize,
                const std::string& dataPath) {
    const auto needed = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD;
    Outcome outcome;
    if ((st.valid & needed) == needed && st.comp_method == ZIP_CM_DEFLATE)
        outcome = ExtractDeflated(archive, st, archiveSize, dataPath);
    else
        outcome = ExtractStreamed(archive, st, dataPath);
    if (outcome.error != ContainerError::None && outcome.fileCreated)
        ::unlink(dataPath.c_str());
    return outcome;
}

} // namespace

UnpackResult ListContainer::UnpackList(const std::string& givenPath) {
    const std::string listPath = AbsolutePath(givenPath);
    const std::string base = BaseName(listPath);
    const std::string listFolder = FolderOf(listPath);
    if (IsFolder(listFolder + base))
        baseDir_ = TempFolder();

    struct stat info {};
    if (::stat(listPath.c_str(), &info) != 0)
        return {ContainerError::ArchiveUnreadable, {}, std::strerror(errno)};
    if (S_ISDIR(info.st_mode))
        return {ContainerError::ArchiveUnreadable, {}, std::strerror(EISDIR)};
    int code = 0;
    Archive archive(zip_open(listPath.c_str(), ZIP_RDONLY, &code));
    if (!archive)
        return {ContainerError::ArchiveUnreadable, {}, ZipErrorText(code)};

    if (zip_get_num_entries(archive.get(), 0) != 1)
        return {ContainerError::EntryCount, {}, {}};
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive.get(), 0, 0, &st) != 0)
        return {ContainerError::EntryCorrupt, {}, zip_strerror(archive.get())};
    if ((st.valid & ZIP_STAT_NAME) && st.name && *st.name &&
        st.name[std::strlen(st.name) - 1] == '/')
        return {ContainerError::EntryIsFolder, {}, {}};
    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
        return {ContainerError::EntryEncrypted, {}, {}};

    if (baseDir_.empty())
        baseDir_ = listFolder;
    const auto archiveSize = static_cast<std::uint64_t>(info.st_size);
    Outcome outcome = Extract(archive.get(), st, archiveSize, baseDir_ + base);
    if (outcome.error == ContainerError::DataFileUnwritable && baseDir_ != TempFolder()) {
        // The list's own folder may be read-only media or a shared folder.
        baseDir_ = TempFolder();
        outcome = Extract(archive.get(), st, archiveSize, baseDir_ + base);
    }
    if (outcome.error != ContainerError::None)
        return {outcome.error, {}, outcome.detail};
    return {ContainerError::None, baseDir_ + base, {}};
}

namespace {

// Hands libzip data that is already deflated: the stat names the method and
// both sizes, so libzip stores the bytes as they are instead of recompressing.
struct DeflatedSource {
    const DeflatedData* data;
    std::size_t piece = 0;
    std::size_t offset = 0; // within the piece
    zip_error_t error;
};

zip_int64_t DeflatedSourceCallback(void* state, void* data, zip_uint64_t length,
                                   zip_source_cmd_t command) {
    auto* source = static_cast<DeflatedSource*>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        source->piece = 0;
        source->offset = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        auto* out = static_cast<std::uint8_t*>(data);
        zip_uint64_t done = 0;
        const auto& pieces = source->data->pieces;
        while (done < length && source->piece < pieces.size()) {
            const auto& piece = pieces[source->piece];
            const std::size_t n = static_cast<std::size_t>(
                std::min<zip_uint64_t>(length - done, piece.size - source->offset));
            std::memcpy(out + done, piece.bytes.get() + source->offset, n);
            done += n;
            source->offset += n;
            if (source->offset == piece.size) {
                ++source->piece;
                source->offset = 0;
            }
        }
        return static_cast<zip_int64_t>(done);
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* st = static_cast<zip_stat_t*>(data);
        zip_stat_init(st);
        st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC |
                    ZIP_STAT_MTIME | ZIP_STAT_ENCRYPTION_METHOD;
        st->size = source->data->size;
        st->comp_size = source->data->packedSize;
        st->comp_method = ZIP_CM_DEFLATE;
        st->crc = source->data->crc;
        st->mtime = std::time(nullptr);
        st->encryption_method = ZIP_EM_NONE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&source->error, data, length);
    case ZIP_SOURCE_FREE:
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_READABLE;
    default:
        zip_error_set(&source->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

bool SyncPath(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return (::close(fd) == 0) && synced;
}

ContainerError Report(ContainerError error, std::string* detail, std::string text) {
    if (detail)
        *detail = std::move(text);
    return error;
}

} // namespace

ContainerError PackList(const std::string& dataPath, const std::string& givenListPath,
                        std::string* detail) {
    const std::string listPath = AbsolutePath(givenListPath);
    struct stat listInfo {};
    const bool listExists = ::stat(listPath.c_str(), &listInfo) == 0;
    if (listExists && ::access(listPath.c_str(), W_OK) != 0)
        return Report(ContainerError::ListReadOnly, detail, std::strerror(errno));

    int error = 0;
    auto data = MappedFile::OpenReadOnly(dataPath, error);
    if (!data)
        return Report(ContainerError::DataFileUnreadable, detail, std::strerror(error));
    // Level 9, the maximum the list format has always been written with. The
    // cores share the work; the caller waits, as for any other long step.
    const DeflatedData packed =
        ParallelDeflate(data->Bytes(), 9, std::max(1u, std::thread::hardware_concurrency()));
    data.reset();
    if (!packed.ok)
        return Report(ContainerError::OutOfMemory, detail, {});
    DeflatedSource source{&packed, 0, 0, {}};
    zip_error_init(&source.error);

    // The archive is made under a name of its own beside the list, flushed to
    // disk, and only then renamed over the list.
    std::string temporary = FolderOf(listPath) + "." + FileNameOf(listPath) + ".XXXXXX";
    const int reserved = ::mkstemp(temporary.data());
    if (reserved < 0)
        return Report(ContainerError::ArchiveWriteFailed, detail, std::strerror(errno));
    ::close(reserved);
    auto cleanUp = [&](std::string text) {
        ::unlink(temporary.c_str());
        zip_error_fini(&source.error);
        return Report(ContainerError::ArchiveWriteFailed, detail, std::move(text));
    };

    int code = 0;
    zip_t* archive = zip_open(temporary.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return cleanUp(ZipErrorText(code));
    zip_source_t* entry = zip_source_function(archive, DeflatedSourceCallback, &source);
    std::string name = BaseName(listPath);
    if (name.empty())
        name = "data";
    if (!entry || zip_file_add(archive, name.c_str(), entry, ZIP_FL_ENC_UTF_8) < 0) {
        std::string text = zip_strerror(archive);
        if (entry)
            zip_source_free(entry);
        zip_discard(archive);
        return cleanUp(text);
    }
    if (zip_close(archive) != 0) {
        std::string text = zip_strerror(archive);
        zip_discard(archive);
        return cleanUp(text);
    }
    // mkstemp makes the file private; the list keeps the permissions it had.
    if (listExists) {
        ::chmod(temporary.c_str(), listInfo.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(temporary.c_str(), 0666 & ~mask);
    }
    if (!SyncPath(temporary, O_RDONLY))
        return cleanUp(std::strerror(errno));
    if (::rename(temporary.c_str(), listPath.c_str()) != 0)
        return cleanUp(std::strerror(errno));
    zip_error_fini(&source.error);
    const std::string folder = FolderOf(listPath);
    SyncPath(folder.empty() ? "." : folder, O_RDONLY | O_DIRECTORY);
    return ContainerError::None;
}

} // namespace dk
