#pragma once

#include "ListBuilder.h"
#include "list/TextCodec.h"

#include <optional>
#include <string>

namespace dk::mkdk {

// A list of a real directory tree, as the producing tool would make it: the
// root named by its full path (with "\" between components), every folder and
// file with size, times and attributes. Folder sizes are the totals below them.
std::optional<ListBuilder> ScanDirectory(const std::string& path, const TextCodec& codec,
                                         std::string* error = nullptr);

} // namespace dk::mkdk
