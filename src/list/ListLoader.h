#pragma once

#include "app/LocaleTexts.h"
#include "list/FolderSink.h"
#include "list/ListContainer.h"
#include "list/ListDocument.h"

#include <functional>
#include <memory>
#include <string>

namespace dk {

// How opening a list ended. Each failure has its own message (LoadMessage).
enum class LoadError {
    None,
    ArchiveUnreadable,  // missing, unreadable, not a ZIP archive
    UnpackFailed,       // the archive holds no usable single entry
    DataFileUnopenable, // the extracted data file cannot be opened
    DataFileEmpty,      // the list data is empty
    DataTruncated,      // the data ends inside the header or a record
};

struct LoadResult {
    LoadError Error = LoadError::None;
    std::unique_ptr<ListDocument> Document;
    std::string Detail; // what the system said, for the command line
};

// Opens a list file: unpacks its data, opens the data file and reads the tree
// from it, reporting folders to `sink`. `beforeRead` runs once the data is
// known to be there and not empty, right before reading starts: the window
// shows its busy window and lets go of the old list at that point. Failures
// before it leave everything as it was; a failed read leaves no tree and
// whatever `sink` received is to be thrown away. The data file is deleted
// after any read, and left where it is when it cannot be opened or is empty.
LoadResult LoadList(ListContainer& container, const std::string& listPath, FolderSink* sink,
                    const std::function<void()>& beforeRead = {});

// The message the user sees for a failed open, in the current language.
std::string LoadMessage(const localeTexts& texts, LoadError error, const std::string& listPath);

} // namespace dk
