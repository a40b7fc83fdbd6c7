#include "DirectoryScan.h"

#include "list/ExtendedSize.h"
#include "list/ListPaths.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace dk::mkdk {
namespace {

std::string Time(std::time_t when) {
    std::tm parts{};
    localtime_r(&when, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &parts);
    return text;
}

void Describe(ListRecord& record, const fs::path& path, const std::string& name) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return;
    record.SetCreated(Time(info.st_ctime));
    record.SetModified(Time(info.st_mtime));
    std::uint8_t bits = S_ISDIR(info.st_mode) ? 0 : attr::Archive;
    if (!name.empty() && name.front() == '.')
        bits |= attr::Hidden;
    if (::access(path.c_str(), W_OK) != 0)
        bits |= attr::ReadOnly;
    record.SetAttributes(bits);
}

} // namespace

std::optional<ListBuilder> ScanDirectory(const std::string& path, const TextCodec& codec,
                                         std::string* error) {
    std::error_code failure;
    const fs::path top = fs::absolute(path, failure);
    if (failure || !fs::is_directory(top, failure)) {
        if (error)
            *error = path + " is not a folder";
        return std::nullopt;
    }
    std::string rootName = top.lexically_normal().string();
    if (rootName.size() > 1 && rootName.back() == '/')
        rootName.pop_back();
    std::replace(rootName.begin(), rootName.end(), '/', '\\');
    ListBuilder builder(codec.Encode(rootName), "Dorvik list of " + top.string());
    Describe(builder.Record(builder.Root()), top, {});

    std::vector<std::uint64_t> sizes{0};
    std::vector<ListBuilder::Id> parents{builder.Root()};
    const auto options = fs::directory_options::skip_permission_denied;
    for (auto it = fs::recursive_directory_iterator(top, options, failure);
         !failure && it != fs::recursive_directory_iterator(); it.increment(failure)) {
        parents.resize(static_cast<std::size_t>(it.depth()) + 1);
        const bool folder = it->is_directory(failure) && !it->is_symlink(failure);
        const std::string name = it->path().filename().string();
        const ListBuilder::Id id = builder.Add(parents.back(), folder ? KindFolder : KindFile,
                                               codec.Encode(name));
        Describe(builder.Record(id), it->path(), name);
        sizes.push_back(folder ? 0 : it->is_regular_file(failure) ? it->file_size(failure) : 0);
        failure.clear();
        if (folder)
            parents.push_back(id);
        else
            it.disable_recursion_pending();
    }
    // Children come after their parents, so one backward pass sums the folders.
    for (std::size_t id = builder.Count(); id-- > 1;)
        sizes[builder.ParentOf(id)] += sizes[id];
    for (std::size_t id = 0; id < builder.Count(); ++id)
        builder.Size(id, sizes[id]);
    return builder;
}

} // namespace dk::mkdk
