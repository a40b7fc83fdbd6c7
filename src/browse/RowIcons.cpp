#include "browse/RowIcons.h"

#include "list/ListPaths.h"
#include "list/TextCodec.h"

#include <algorithm>

namespace dk {

std::string PlatformPath(std::string_view listPath) {
    std::string path(listPath);
    std::replace(path.begin(), path.end(), '\\', PathSeparator);
    return path;
}

std::string LowerExtension(std::string_view path) {
    const auto separator = path.find_last_of("\\/");
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator))
        return {};
    return LowerUtf8(path.substr(dot));
}

RowIcon ChooseRowIcon(const ListRecord& entry, std::string_view localFilePath, IconLookup& lookup) {
    const std::string path = PlatformPath(localFilePath);
    if (!path.empty() && lookup.Exists(path))
        return {RowIcon::Source::LocalPath, path};
    if (entry.Kind() == KindFolder)
        return {RowIcon::Source::Folder, {}};
    if (entry.Kind() == KindFile) {
        std::string extension = LowerExtension(localFilePath);
        if (lookup.HasFileTypeIcon(extension))
            return {RowIcon::Source::FileType, std::move(extension)};
    }
    return {RowIcon::Source::GenericFile, {}};
}

} // namespace dk
