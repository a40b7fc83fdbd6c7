#include "cli/Commands.h"

#include "browse/ListFolder.h"
#include "browse/ListingTexts.h"

#include <ostream>

namespace dk::cli {

std::string RowLine(const CliSession& session, std::size_t row) {
    const ShownList& shown = session.State.Shown;
    std::string line = session.Show(shown.Caption(row));
    if (const ListNode* entry = shown.EntryAt(row))
        for (int column = SizeColumn; column < ColumnCount; ++column)
            line += "\t" + session.Show(ColumnText(*entry->Record, column));
    return line;
}

int RunLs(CliSession& session, const Arguments& args) {
    if (args.empty() || args.size() > 2)
        return session.Fail("usage: dklist ls LIST [FOLDER]");
    if (!session.Open(args[0]))
        return 1;
    if (args.size() == 2) {
        ListNode& root = *session.State.Root();
        std::string path(root.Record->Name());
        std::string local = RootLocalPath(root.Record->Name());
        path += '*';
        for (const std::string& name : session.PathComponents(args[1])) {
            path += name + "*";
            local += name + "\\";
        }
        if (!ListFolder(session.State.Shown, path, root, local))
            return session.Fail("no folder " + args[1] + " in " + args[0]);
    }
    for (std::size_t row = 0; row < session.State.Shown.RowCount(); ++row)
        *session.Out << RowLine(session, row) << "\n";
    return 0;
}

} // namespace dk::cli
