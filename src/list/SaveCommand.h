#pragma once

class QObject;

namespace dk {

class TInfoFileForm;

// The Save button, and the close prompt's Yes: writes the tree with a
// progress run that can be cancelled, then packs it over the list file. True
// when the save completed; a cancelled or failed one keeps the old list file
// and the unsaved changes, and a failure is reported.
bool RunSaveCommand(TInfoFileForm& form, QObject* sender);

} // namespace dk
