#pragma once

namespace dk {

class TInfoFileForm;

// The Find button: the search dialog, then the search over the whole list
// with the busy window, then the result view.
void RunSearchCommand(TInfoFileForm& form);

} // namespace dk
