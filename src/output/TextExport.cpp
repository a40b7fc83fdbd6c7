#include "output/TextExport.h"

#include "list/ListPaths.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dk {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::size_t BufferBytes = 1 << 20;

// How far ahead in a folder the records to come are fetched into the cache.
constexpr std::size_t PrefetchDistance = 8;

// A walk over millions of records waits mostly on memory: each record is
// touched once, at the name and at the kind and flags further in.
void Prefetch(const ListNode* node) {
    const auto* bytes = node->Record->Raw.data();
    __builtin_prefetch(bytes);
    __builtin_prefetch(bytes + ListRecord::KindOffset);
    __builtin_prefetch(bytes + ListRecord::StrikeOutOffset);
}

struct Frame {
    std::span<ListNode* const> Entries;
    std::size_t Next = 0;
    std::size_t PathLength = 0; // the path's length outside this folder
};

} // namespace

std::string& LastExportFolder() {
    static std::string folder;
    return folder;
}

ExportStatus WriteTextLines(std::span<ListNode* const> entries, DataOutput& out,
                            std::string& lastExportFolder, ProgressSink* progress) {
    std::vector<Frame> pending{{entries, 0, 0}};
    std::string path; // folder names below the root, joined by "\"
    std::string line;
    while (!pending.empty()) {
        Frame& frame = pending.back();
        if (frame.Next == frame.Entries.size()) {
            path.resize(frame.PathLength);
            pending.pop_back();
            continue;
        }
        if (frame.Next + PrefetchDistance < frame.Entries.size())
            Prefetch(frame.Entries[frame.Next + PrefetchDistance]);
        const ListNode& entry = *frame.Entries[frame.Next++];
        if (progress) {
            progress->Step();
            if (progress->CancelRequested())
                return ExportStatus::Cancelled;
        }
        const ListRecord& record = *entry.Record;
        if (record.Kind() == KindFolder) {
            const std::size_t outside = path.size();
            if (!path.empty())
                path += '\\';
            path += record.Name();
            pending.push_back({entry.Children, 0, outside});
            continue;
        }

        line.clear();
        if (path != lastExportFolder) {
            line += LineEnd;
            lastExportFolder = path;
        }
        if (record.StrikeOut() == 1)
            line += '*';
        if (record.IsDamaged())
            line += '*';
        if (!path.empty()) {
            line += path;
            line += '\\';
        }
        line += record.Name();
        line += LineEnd;
        if (!out.Write(line.data(), line.size()))
            return ExportStatus::WriteFailed;
    }
    return ExportStatus::Done;
}

ExportFile::~ExportFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

ExportResult ExportFile::Create(const std::string& path) {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0)
        return {ExportStatus::CreateFailed, std::strerror(errno)};
    buffer_.resize(BufferBytes);
    used_ = 0;
    failed_ = false;
    detail_.clear();
    return {};
}

void ExportFile::Fail(const std::string& reason) {
    if (!failed_)
        detail_ = reason;
    failed_ = true;
}

bool ExportFile::Flush() {
    std::size_t written = 0;
    while (written < used_) {
        const ssize_t n = ::write(fd_, buffer_.data() + written, used_ - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            Fail(n < 0 ? std::strerror(errno) : "nothing was written");
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    used_ = 0;
    return true;
}

bool ExportFile::Write(const void* bytes, std::size_t size) {
    if (fd_ < 0 || failed_)
        return false;
    const auto* p = static_cast<const char*>(bytes);
    while (size > 0) {
        if (used_ == buffer_.size() && !Flush())
            return false;
        const std::size_t part = std::min(size, buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, p, part);
        used_ += part;
        p += part;
        size -= part;
    }
    return true;
}

ExportResult ExportFile::Finish() {
    if (fd_ < 0)
        return {ExportStatus::WriteFailed, "the file is not open"};
    if (!failed_)
        Flush();
    // A file removed while it was written leaves no export behind, however
    // well the writes went.
    struct stat info {};
    if (!failed_ && ::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 0)
        Fail("the file was removed while it was written");
    if (::close(fd_) != 0)
        Fail(std::strerror(errno));
    fd_ = -1;
    buffer_.clear();
    buffer_.shrink_to_fit();
    if (failed_)
        return {ExportStatus::WriteFailed, detail_};
    return {};
}

ExportResult WriteTextExport(const ListNode& root, ExportFile& file, std::string& lastExportFolder,
                             ProgressSink* progress) {
    const ExportStatus written = WriteTextLines(root.Children, file, lastExportFolder, progress);
    // A cancelled export keeps what it wrote, so that much must still reach
    // the disk.
    ExportResult finished = file.Finish();
    if (finished.Status == ExportStatus::Done && written == ExportStatus::Cancelled)
        finished.Status = ExportStatus::Cancelled;
    return finished;
}

ExportResult ExportTextFile(const ListNode& root, const std::string& path,
                            std::string& lastExportFolder, ProgressSink* progress) {
    ExportFile file;
    ExportResult created = file.Create(path);
    if (created.Status != ExportStatus::Done)
        return created;
    return WriteTextExport(root, file, lastExportFolder, progress);
}

std::string ExportMessage(const localeTexts& texts, const ExportResult& result,
                          const std::string& path) {
    switch (result.Status) {
    case ExportStatus::Done:
    case ExportStatus::Cancelled:
        return {};
    case ExportStatus::CreateFailed:
        return Text(texts.MessageTexts, message::CreateFileError);
    case ExportStatus::WriteFailed:
        return Text(texts.MessageTexts, message::CreateFileError) + " - " + path;
    }
    return {};
}

std::string DefaultExportName(const std::string& listPath) {
    const std::string name = FileNameOf(listPath);
    const auto dot = name.rfind('.');
    // A leading dot starts a hidden name, not an extension.
    if (dot == std::string::npos || dot == 0)
        return name + ".txt";
    return name.substr(0, dot) + ".txt";
}

std::string ExportFileName(const std::string& chosen) {
    const auto slash = chosen.rfind(PathSeparator);
    const auto start = slash == std::string::npos ? 0 : slash + 1;
    if (chosen.find('.', start) == std::string::npos)
        return chosen + ".txt";
    return chosen;
}

} // namespace dk
