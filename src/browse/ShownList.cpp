#include "browse/ShownList.h"

namespace dk {

ListNode* ShownList::EntryAt(std::size_t row) const {
    if (!HasEntries || IsParentRow(row))
        return nullptr;
    const std::size_t index = row - (HasParentRow ? 1 : 0);
    return index < CurrentEntries.size() ? CurrentEntries[index] : nullptr;
}

std::string_view ShownList::Caption(std::size_t row) const {
    if (IsParentRow(row))
        return "..";
    const ListNode* entry = EntryAt(row);
    if (!entry)
        return {};
    if (ResultPaths && row < ResultPaths->size()) {
        const std::string_view path = (*ResultPaths)[row];
        return path.size() >= CaptionSkip ? path.substr(CaptionSkip) : std::string_view();
    }
    return entry->Record->Name();
}

std::string_view ShownList::ResultPath(std::size_t row) const {
    return ResultPaths && row < ResultPaths->size() ? (*ResultPaths)[row] : std::string_view();
}

std::size_t ShownList::FirstEntryRow() const {
    return RowCount() > 1 && Caption(0) == ".." ? 1 : 0;
}

} // namespace dk
