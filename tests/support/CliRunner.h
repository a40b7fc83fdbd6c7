#pragma once

// Runs a dklist command in-process, as main() does, with English messages.
#include "app/LocaleTexts.h"
#include "cli/Commands.h"

#include <sstream>

namespace dk::test {

struct CliOutcome {
    int status;
    std::string out;
    std::string err;
};

inline CliOutcome RunDklist(int (*command)(cli::CliSession&, const cli::Arguments&),
                            const cli::Arguments& args) {
    std::ostringstream out, err;
    cli::CliSession session;
    session.Out = &out;
    session.Err = &err;
    const std::string language = currentLanguage;
    currentLanguage = "eng";
    BuildInterfaceTexts(session.Texts);
    session.State.Codec = TextCodec::Create(DefaultEncoding);
    const int status = command(session, args);
    currentLanguage = language;
    return {status, out.str(), err.str()};
}

} // namespace dk::test
