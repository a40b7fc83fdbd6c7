#include "cli/Commands.h"

#include <ostream>

namespace dk::cli {

int RunInfo(CliSession& session, const Arguments& args) {
    if (args.size() != 1)
        return session.Fail("usage: dklist info LIST");
    if (!session.Open(args[0]))
        return 1;
    const ListDocument& document = *session.State.Document;
    std::size_t folders = 0;
    for (std::size_t i = 0; i < document.NodeCount(); ++i)
        folders += document.Node(i).Record->Kind() == KindFolder;
    std::ostream& out = *session.Out;
    out << "header: " << session.Show(document.HeaderText()) << "\n";
    out << "root: " << session.Show(document.Root()->Record->Name()) << "\n";
    out << "folders: " << folders << "\n";
    out << "files: " << document.NodeCount() - folders << "\n";
    out << "records: " << document.NodeCount() << "\n";
    return 0;
}

} // namespace dk::cli
