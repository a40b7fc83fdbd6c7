#include "cli/Commands.h"

#include "list/ListSaver.h"

namespace dk::cli {

int RunSave(CliSession& session, const Arguments& args) {
    if (args.size() != 1)
        return session.Fail("usage: dklist save LIST");
    if (!session.Open(args[0]))
        return 1;
    const SaveResult saved = SaveList(*session.State.Document, session.State.ListPath, nullptr);
    if (saved.Error != SaveError::None)
        return session.Fail(Text(session.Texts.MessageTexts, message::CreateFileError) + " - " +
                            session.State.ListPath + " (" + saved.Detail + ")");
    return 0;
}

} // namespace dk::cli
