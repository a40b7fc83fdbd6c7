#pragma once

#include "list/ListRecord.h"

#include <string>
#include <string_view>

namespace dk {

// Which icon a row of the detail list shows. An entry of a list may no longer
// exist on this machine, so the choice goes: the icon of the real file or
// folder at the entry's local path, else a folder icon for folders, else the
// icon of the file type for the lower-cased extension, else the generic file
// icon.
struct RowIcon {
    enum class Source { LocalPath, Folder, FileType, GenericFile };
    Source source = Source::GenericFile;
    std::string key; // the platform path (LocalPath) or the extension (FileType)
    bool operator==(const RowIcon&) const = default;
};

// What the choice asks of the platform.
class IconLookup {
public:
    virtual ~IconLookup() = default;
    virtual bool Exists(const std::string& path) = 0;                 // file or folder
    virtual bool HasFileTypeIcon(const std::string& extension) = 0;  // ".txt", lower case
};

// `localFilePath` is where the entry would lie, as the list spells it (UTF-8,
// "\" between components).
RowIcon ChooseRowIcon(const ListRecord& entry, std::string_view localFilePath, IconLookup& lookup);

// A list's "\"-separated path as a path of this platform.
std::string PlatformPath(std::string_view listPath);

// The extension from the last "." after the last separator, dot included, in
// lower case; empty when there is none.
std::string LowerExtension(std::string_view path);

} // namespace dk
