#pragma once

namespace dk {

class TInfoFileForm;

// The Print button: every file of the shown folder and below, straight to
// the printer (or the PDF DORVIK_PRINT_TO names).
void RunPrintCommand(TInfoFileForm& form);

} // namespace dk
