#pragma once

#include "list/ByteBlock.h"
#include "list/FolderSink.h"
#include "list/ListDocument.h"

#include <memory>

namespace dk {

constexpr std::size_t HeaderBytes = 256;

enum class ReadError {
    None,
    HeaderTruncated, // the data ends inside the 256-byte header
    RecordTruncated, // the data ends inside a record, or before a declared child
    OutOfMemory,     // the tree does not fit in memory
};

struct ReadResult {
    ReadError Error = ReadError::None;
    std::unique_ptr<ListDocument> Document;
};

// Reads the header and then the whole tree from `data`: the root record with
// every record below it, in pre-order, each record declaring its number of
// children. Folders are reported to `sink` (may be null) as they are read:
// the root always, and every 'D' record whose parent has a folder of its own.
// Bytes after the tree are ignored. On failure nothing of the tree survives.
// Works with an explicit stack: a chain as deep as the list is long is fine.
ReadResult ReadNode(std::unique_ptr<ByteBlock> data, FolderSink* sink);

} // namespace dk
