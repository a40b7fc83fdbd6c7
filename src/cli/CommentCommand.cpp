#include "cli/Commands.h"

namespace dk::cli {

int RunComment(CliSession& session, const Arguments&) {
    return session.Fail("comment: not built yet");
}

} // namespace dk::cli
