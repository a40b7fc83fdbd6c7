#include "list/WriteNode.h"

#include "list/ReadNode.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace dk {

WriteResult WriteNode(ListNode& node, DataOutput& out, ProgressSink* progress) {
    std::vector<ListNode*> pending{&node};
    while (!pending.empty()) {
        ListNode* current = pending.back();
        pending.pop_back();
        ListRecord& record = *current->Record;
        if (record.Name().find('\\') != std::string_view::npos)
            record.SetName({});
        if (!out.Write(record.Raw.data(), ListRecord::Bytes))
            return WriteResult::Failed;
        if (progress) {
            progress->Step();
            // What was written so far is thrown away by the caller, so there is
            // no point in writing anything more.
            if (progress->CancelRequested())
                return WriteResult::Cancelled;
        }
        for (auto child = current->Children.rbegin(); child != current->Children.rend(); ++child)
            pending.push_back(*child);
    }
    return WriteResult::Done;
}

WriteResult WriteListData(ListDocument& document, DataOutput& out, ProgressSink* progress) {
    std::array<std::uint8_t, HeaderBytes> header{};
    const std::string& text = document.HeaderText();
    std::memcpy(header.data(), text.data(), std::min(text.size(), header.size()));
    if (!out.Write(header.data(), header.size()))
        return WriteResult::Failed;
    if (ListNode* root = document.Root())
        return WriteNode(*root, out, progress);
    return WriteResult::Done;
}

} // namespace dk
