#pragma once

namespace dk {

class TInfoFileForm;

// Builds the four text tables and puts the texts of the current language on
// the main window's controls, dialogs and the About window, in a fixed order.
// Runs every time the main window is shown.
void loadInterfaceTexts(TInfoFileForm& form);

} // namespace dk
