#pragma once

#include "list/DataOutput.h"
#include "list/ListDocument.h"
#include "output/ProgressSink.h"

namespace dk {

enum class WriteResult { Done, Cancelled, Failed };

// Writes `node` and its whole subtree in pre-order, children in their current
// order, each record as held in memory. A Name that contains a backslash (in
// practice the root's full path) is emptied in the tree itself before it is
// written. One progress step follows each record; when the user has asked to
// cancel, writing stops there. Iterative: depth costs heap, not stack.
WriteResult WriteNode(ListNode& node, DataOutput& out, ProgressSink* progress);

// The whole list data: the header text padded with zero bytes to 256, then
// the tree from the root.
WriteResult WriteListData(ListDocument& document, DataOutput& out, ProgressSink* progress);

} // namespace dk
