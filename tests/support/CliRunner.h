#pragma once

// Runs a dklist command in-process, as main() does, with English messages.
#include "app/LocaleTexts.h"
#include "cli/Commands.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
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

// A list file in a scratch folder that is also the temporary folder, for the
// dklist commands to work on.
class ListFileTest : public ::testing::Test {
protected:
    TempDir dir;
    ScopedEnv tmpVar{"TMP", dir.Path().c_str()};
    std::string list = dir / "home.dk";

    void Make(const std::string& description) {
        std::string error;
        ASSERT_TRUE(Describe(description).WriteListFile(list, &error)) << error;
    }
};

} // namespace dk::test
