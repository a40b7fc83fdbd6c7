#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dk {

// What the window is started with. Options come first or anywhere:
// --lang rus|eng, --encoding NAME, --screenshot FILE.png; the first other
// argument, with its blanks trimmed, names a list to open.
struct StartupOptions {
    std::string Language = "rus";
    std::string Encoding;       // empty: the default code page
    std::string Screenshot;     // empty: show the window
    std::string ListArgument;   // trimmed; empty when absent or only blanks
    std::string Error;          // a malformed option
};

StartupOptions ParseStartupOptions(const std::vector<std::string>& args);

// Leading and trailing blanks removed.
std::string Trimmed(const std::string& text);

} // namespace dk
