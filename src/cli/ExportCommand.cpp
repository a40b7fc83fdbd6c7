#include "cli/Commands.h"

#include "output/TextExport.h"

namespace dk::cli {

// The bytes the window's Export writes as the first export of its run, right
// after the list is opened.
int RunExport(CliSession& session, const Arguments& args) {
    if (args.size() != 2)
        return session.Fail("usage: dklist export LIST OUT");
    if (!session.Open(args[0]))
        return 1;
    const std::string& path = args[1];
    std::string lastExportFolder;
    const ExportResult result =
        ExportTextFile(*session.State.Root(), path, lastExportFolder, nullptr);
    if (result.Status != ExportStatus::Done)
        return session.Fail(Text(session.Texts.MessageTexts, message::CreateFileError) + " - " +
                            path + " (" + result.Detail + ")");
    return 0;
}

} // namespace dk::cli
