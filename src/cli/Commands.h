#pragma once

#include "cli/CliSession.h"

namespace dk::cli {

// Each command takes the session (list not yet opened) and its own arguments,
// and returns the exit status.
int RunInfo(CliSession& session, const Arguments& args);
int RunSave(CliSession& session, const Arguments& args);

} // namespace dk::cli
