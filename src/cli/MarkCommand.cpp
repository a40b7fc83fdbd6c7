#include "cli/Commands.h"

namespace dk::cli {

int RunMark(CliSession& session, const Arguments&) {
    return session.Fail("mark: not built yet");
}

} // namespace dk::cli
