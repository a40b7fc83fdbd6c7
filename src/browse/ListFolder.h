#pragma once

#include "browse/ShownList.h"
#include "list/ListNode.h"

#include <string>
#include <string_view>

namespace dk {

// Shows the folder that `path` names (a FolderPath: components each followed
// by "*", the first standing for `root`; each further one matches a child's
// Name exactly). The folder's children are put folders first, for good; a
// ".." row leads the rows unless the folder's Name is the root's. `local` is
// where the folder lies on this disk. When a component names no child the
// listing fails: false, and nothing shows.
bool ListFolder(ShownList& shown, std::string_view path, ListNode& root, std::string local);

} // namespace dk
