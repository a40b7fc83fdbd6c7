#pragma once

namespace dk {

class TInfoFileForm;

// The comment command: checks the selection, runs the comment dialog for the
// selected entry and writes the accepted text into its record and its row.
void RunCommentCommand(TInfoFileForm& form);

} // namespace dk
