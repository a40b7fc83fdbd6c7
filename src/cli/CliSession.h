#pragma once

#include "app/LocaleTexts.h"
#include "app/WindowState.h"
#include "list/ListContainer.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace dk::cli {

// What every dklist command works on: the window's own state, with one list
// opened exactly as the window opens it (ending with the root folder listed),
// so the commands print and write what the window would.
struct CliSession {
    localeTexts Texts;
    WindowState State;
    ListContainer Container;
    std::ostream* Out = nullptr;
    std::ostream* Err = nullptr;

    // Opens the list and lists its root folder; on failure prints the
    // window's message to Err and returns false.
    bool Open(const std::string& listPath);

    // Record bytes as UTF-8 for printing.
    std::string Show(std::string_view bytes) const { return State.Codec->Decode(bytes); }
    // A UTF-8 argument in the list's code page.
    std::string Bytes(std::string_view utf8) const { return State.Codec->Encode(utf8); }

    // A path below the root as typed (components separated by "/" or "\",
    // UTF-8), as the components' Names in the list's code page.
    std::vector<std::string> PathComponents(std::string_view utf8Path) const;
    // The entry such a path names, or null.
    ListNode* Resolve(std::string_view utf8Path);

    // Saves the list in place as the Save button does (the list file is left
    // as it was when that fails); returns the exit status.
    int Save();

    // Prints "dklist: " and the message to Err; returns the failing exit status.
    int Fail(const std::string& message) const;
};

using Arguments = std::vector<std::string>;

} // namespace dk::cli
