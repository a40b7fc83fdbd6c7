#include "output/TextExport.h"

#include "list/ListPaths.h"
#include "output/FolderWalk.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dk {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::size_t BufferBytes = 1 << 20;

} // namespace

std::string& LastExportFolder() {
    static std::string folder;
    return folder;
}

ExportStatus WriteTextLines(std::span<ListNode* const> entries, DataOutput& out,
                            std::string& lastExportFolder, ProgressSink* progress) {
    ExportStatus status = ExportStatus::Done;
    std::string line;
    WalkWithFolderPath(entries, [&](const ListNode& entry, std::string_view path) {
        // One step per entry, folders too; cancelling stops before the next line.
        if (progress) {
            progress->Step();
            if (progress->CancelRequested()) {
                status = ExportStatus::Cancelled;
                return false;
            }
        }
        const ListRecord& record = *entry.Record;
        if (record.Kind() == KindFolder)
            return true;
        line.clear();
        if (path != lastExportFolder) {
            line += LineEnd;
            lastExportFolder = path;
        }
        if (record.StrikeOut() == 1)
            line += '*';
        if (record.IsDamaged())
            line += '*';
        AppendEntryPath(line, path, record.Name());
        line += LineEnd;
        if (!out.Write(line.data(), line.size())) {
            status = ExportStatus::WriteFailed;
            return false;
        }
        return true;
    });
    return status;
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
