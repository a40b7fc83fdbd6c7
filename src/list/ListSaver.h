#pragma once

#include "list/ListContainer.h"
#include "list/ListDocument.h"
#include "output/ProgressSink.h"

#include <functional>
#include <string>

namespace dk {

enum class SaveError {
    None,
    Cancelled,       // the user stopped it; the list file is as it was
    TempFileFailed,  // the temporary data file cannot be created
    WriteFailed,     // writing the data failed (disk full...)
    PackFailed,      // the new list file could not be made or put in place
};

struct SaveResult {
    SaveError Error = SaveError::None;
    std::string Detail;
};

// Where a save writes its data before packing: the list's folder, "~tmp~" and
// the list's name, cut at the first occurrence of the list's extension in the
// whole path (C:\x.dk\photos.dk gives C:\x).
std::string SaveDataPath(const std::string& listPath);

// The path actually used: SaveDataPath, or when a file is already there (a
// stale file of an earlier save), the same name in the temporary folder.
std::string ChooseSaveDataPath(const std::string& listPath);

// Writes the header and the whole tree to a temporary data file, one progress
// step per record, then packs it as the new list file at `listPath`. Only a
// complete save touches the list file: a cancelled or failed one leaves it
// byte for byte as it was, and the temporary data file is always removed.
// `beforePack` runs when the data is written and packing starts.
SaveResult SaveList(ListDocument& document, const std::string& listPath, ProgressSink* progress,
                    const std::function<void()>& beforePack = {});

} // namespace dk
