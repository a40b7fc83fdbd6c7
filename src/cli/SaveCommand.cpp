#include "cli/Commands.h"


namespace dk::cli {

int RunSave(CliSession& session, const Arguments& args) {
    if (args.size() != 1)
        return session.Fail("usage: dklist save LIST");
    if (!session.Open(args[0]))
        return 1;
    return session.Save();
}

} // namespace dk::cli
