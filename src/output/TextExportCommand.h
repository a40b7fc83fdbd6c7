#pragma once

namespace dk {

class TInfoFileForm;

// The Export button: the save dialog, the replace question, then the text
// export with a progress run that can be cancelled.
void RunTextExportCommand(TInfoFileForm& form);

} // namespace dk
