#pragma once

#include "app/LocaleTexts.h"
#include "list/ListContainer.h"
#include "list/ListDocument.h"
#include "list/TextCodec.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace dk::cli {

// What every dklist command works on: one list, opened exactly as the window
// opens it, and the code page its texts are in.
struct CliSession {
    localeTexts Texts;
    std::unique_ptr<TextCodec> Codec;
    ListContainer Container;
    std::string ListPath;
    std::unique_ptr<ListDocument> Document;
    std::ostream* Out = nullptr;
    std::ostream* Err = nullptr;

    // Opens the list; on failure prints the window's message to Err and
    // returns false.
    bool Open(const std::string& listPath);

    // Record bytes as UTF-8 for printing.
    std::string Show(std::string_view bytes) const { return Codec->Decode(bytes); }

    // Prints "dklist: " and the message to Err; returns the failing exit status.
    int Fail(const std::string& message) const;
};

using Arguments = std::vector<std::string>;

} // namespace dk::cli
