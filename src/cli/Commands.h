#pragma once

#include "cli/CliSession.h"

namespace dk::cli {

// Each command takes the session (list not yet opened) and its own arguments,
// and returns the exit status.
int RunInfo(CliSession& session, const Arguments& args);
int RunSave(CliSession& session, const Arguments& args);
int RunLs(CliSession& session, const Arguments& args);
int RunFind(CliSession& session, const Arguments& args);
int RunMark(CliSession& session, const Arguments& args);
int RunComment(CliSession& session, const Arguments& args);
int RunExport(CliSession& session, const Arguments& args);

// The texts of one row of the detail list, tab-separated: the caption, then
// the five other column texts (nothing after ".."), as UTF-8.
std::string RowLine(const CliSession& session, std::size_t row);

} // namespace dk::cli
