#include "cli/Commands.h"

#include "marks/Marks.h"

#include <map>
#include <unordered_set>

namespace dk::cli {

int RunMark(CliSession& session, const Arguments& args) {
    static const std::map<std::string, MarkCommand> commands = {
        {"needed", MarkCommand::Needed},
        {"notneeded", MarkCommand::NotNeeded},
        {"clear", MarkCommand::Clear},
    };
    if (args.size() < 3 || !commands.count(args[1]))
        return session.Fail("usage: dklist mark LIST needed|notneeded|clear PATH...");
    if (!session.Open(args[0]))
        return 1;

    // The named entries become the rows, in the order given, and all of them
    // are selected: ascending row order is then the order given. A row shows
    // an entry once, so an entry named again keeps its first place.
    std::vector<ListNode*> entries;
    std::unordered_set<const ListNode*> named;
    for (auto path = args.begin() + 2; path != args.end(); ++path) {
        ListNode* entry = session.Resolve(*path);
        // The root is no row of any listing.
        if (!entry || entry == session.State.Root())
            return session.Fail("no entry " + *path + " in " + args[0]);
        if (named.insert(entry).second)
            entries.push_back(entry);
    }
    ShownList& shown = session.State.Shown;
    shown.Clear();
    shown.CurrentEntries = entries;
    shown.HasEntries = true;
    std::vector<std::size_t> rows(entries.size());
    for (std::size_t row = 0; row < rows.size(); ++row)
        rows[row] = row;
    RunMarkCommand(session.State, commands.at(args[1]), rows);
    return session.Save();
}

} // namespace dk::cli
