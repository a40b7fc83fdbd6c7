#include "output/PrintCommand.h"

#include "app/Mainunit.h"
#include "output/PrintLayout.h"
#include "output/Printing.h"

namespace dk {

void RunPrintCommand(TInfoFileForm& form) {
    if (!form.State.Shown.HasEntries) {
        form.ShowMessage(message::NoDataToPrint);
        return;
    }
    if (form.State.Shown.SearchMode)
        return;
    std::vector<std::string> lines = CollectPrintLines(form.State.Shown.CurrentEntries);
    for (std::string& line : lines)
        line = form.State.Codec->Decode(line);
    const PrintOutcome printed = PrintLines(lines, form.windowTitle());
    if (printed != PrintOutcome::Printed)
        form.Prompts().Message(&form, PrintFailureText(printed));
}

} // namespace dk
