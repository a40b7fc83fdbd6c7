#pragma once

#include <QString>
#include <string>
#include <vector>

namespace dk {

enum class PrintOutcome { Printed, NoPrinter, CannotStart };

// Prints lines (UTF-8) in Times New Roman at the toolkit's default size,
// laid out in the printer's device pixels, straight to the default printer
// without a dialog; or, when DORVIK_PRINT_TO names a file, into that PDF.
PrintOutcome PrintLines(const std::vector<std::string>& lines, const QString& documentName);

// What the user is told when printing could not happen; empty when it did.
QString PrintFailureText(PrintOutcome outcome);

} // namespace dk
