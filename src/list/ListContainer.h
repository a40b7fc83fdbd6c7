#pragma once

#include <string>

namespace dk {

// Why a list file could not be unpacked or packed. One enum, one table of
// texts (ContainerErrorText), so every failure has its own words.
enum class ContainerError {
    None,
    ArchiveUnreadable,  // missing, unreadable or not a ZIP archive
    EntryCount,         // no entry, or more than one
    EntryIsFolder,      // the single entry is a folder
    EntryEncrypted,     // the single entry is encrypted
    EntryTooLarge,      // declared size beyond what its compressed bytes can hold
    EntryCorrupt,       // the data does not inflate, or fails its size or CRC check
    EntryUnsupported,   // compressed with a method this build cannot read
    OutOfMemory,        // the compressed data does not fit in memory
    DataFileUnwritable, // the data file cannot be created or filled (disk full...)
    DataFileUnreadable, // packing: the data file cannot be read
    ListReadOnly,       // packing: the list file may not be written
    ArchiveWriteFailed, // packing: the new archive could not be written or put in place
};

const char* ContainerErrorText(ContainerError error);

struct UnpackResult {
    ContainerError Error = ContainerError::None;
    std::string DataPath; // empty unless Error is None
    std::string Detail;   // what the system said, when it said something
};

// The ZIP side of a list file: a list file is an archive with exactly one
// entry, the list data. Unpacking writes that entry to a data file; packing
// makes a new list file from one.
class ListContainer {
public:
    // The folder the data file is extracted to. It starts empty, is set by the
    // first unpack and kept for later ones, unless one of them has to move to
    // the temporary folder.
    const std::string& BaseDir() const { return baseDir_; }

    // Extracts the single entry as BaseDir + BaseName(listPath). The list file
    // is only read, never written: a list on read-only media opens like any
    // other. The data file goes to the temporary folder when a folder of the
    // same name stands beside the list, or when the extraction folder cannot
    // be written. On failure no data file is left behind.
    UnpackResult UnpackList(const std::string& listPath);

private:
    std::string baseDir_;
};

// Makes a new list file at `listPath` holding the data file as its only entry,
// compressed at maximum level (Zip64 only when the data needs it). The new
// archive is completed and flushed beside the list and then put in its place,
// so at every moment the list file is either the old list or the new one.
ContainerError PackList(const std::string& dataPath, const std::string& listPath,
                        std::string* detail = nullptr);

} // namespace dk
