#include "cli/Commands.h"

namespace dk::cli {

int RunFind(CliSession& session, const Arguments&) {
    return session.Fail("find: not built yet");
}

} // namespace dk::cli
