#include "cli/Commands.h"

#include "marks/CommentRules.h"

namespace dk::cli {

int RunComment(CliSession& session, const Arguments& args) {
    if (args.size() != 3)
        return session.Fail("usage: dklist comment LIST PATH TEXT");
    if (!session.Open(args[0]))
        return 1;
    ListNode* entry = session.Resolve(args[1]);
    // The root is no row of any listing.
    if (!entry || entry == session.State.Root())
        return session.Fail("no entry " + args[1] + " in " + args[0]);
    const std::optional<std::string> accepted = AcceptCommentText(args[2]);
    if (!accepted)
        return session.Fail(Text(session.Texts.MessageTexts, message::NoComment));
    ApplyComment(session.State, *entry, *accepted);

    return session.Save();
}

} // namespace dk::cli
