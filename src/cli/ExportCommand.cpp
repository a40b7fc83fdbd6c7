#include "cli/Commands.h"

namespace dk::cli {

int RunExport(CliSession& session, const Arguments&) {
    return session.Fail("export: not built yet");
}

} // namespace dk::cli
