#include "cli/Commands.h"

#include "search/Search.h"

#include <ostream>

namespace dk::cli {

int RunFind(CliSession& session, const Arguments& args) {
    if (args.size() != 2)
        return session.Fail("usage: dklist find LIST MASK");
    // The dialog cannot be confirmed with an empty mask, so no search would run.
    if (!MaskStartsSearch(args[1]))
        return session.Fail("find: the mask is empty");
    if (!session.Open(args[0]))
        return 1;
    if (RunSearch(session.State, session.Bytes(args[1])) == SearchOutcome::OutOfMemory)
        return session.Fail("find: the results do not fit in memory");
    for (std::size_t row = 0; row < session.State.Shown.RowCount(); ++row)
        *session.Out << RowLine(session, row) << "\n";
    return 0;
}

} // namespace dk::cli
