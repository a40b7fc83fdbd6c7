#pragma once

#include <cstdint>
#include <optional>

namespace dk {

// Receives the folders of a list while it is read, so the window's folder tree
// is filled in the same pass. Records are named by their position in the data.
class FolderSink {
public:
    using Handle = std::uint32_t;
    virtual ~FolderSink() = default;
    // The root record; always called first, once.
    virtual Handle AddRootFolder(std::uint32_t record) = 0;
    // A folder record whose parent record is the folder behind `parent`.
    virtual Handle AddFolder(Handle parent, std::uint32_t record) = 0;
};

} // namespace dk
