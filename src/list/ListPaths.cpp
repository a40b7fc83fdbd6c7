#include "list/ListPaths.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace dk {

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind(PathSeparator);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.rfind(PathSeparator);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string BaseName(const std::string& listPath) {
    const std::string name = FileNameOf(listPath);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos)
        return name;
    return name.substr(0, name.find(name.substr(dot)));
}

std::string TempFolder() {
    std::string folder;
    for (const char* variable : {"TMP", "TEMP", "TMPDIR"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            folder = value;
            break;
        }
    }
    if (folder.empty())
        folder = "/tmp";
    if (folder.back() != PathSeparator)
        folder += PathSeparator;
    return folder;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path.front() == PathSeparator)
        return path;
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

} // namespace dk
