#include "marks/CommentRules.h"

#include <algorithm>

namespace dk {

CommentSelection CheckCommentSelection(const ShownList& shown,
                                       const std::vector<std::size_t>& selectedRows) {
    CommentSelection result;
    if (selectedRows.empty()) {
        result.State = CommentSelection::Status::NothingSelected;
        result.Message = message::SelectToComment;
        return result;
    }
    const std::size_t first = selectedRows.front();
    const bool several = std::any_of(selectedRows.begin(), selectedRows.end(),
                                     [first](std::size_t row) { return row != first; });
    if (several) {
        result.State = CommentSelection::Status::SeveralSelected;
        result.Message = message::SeveralSelected;
        return result;
    }
    result.Row = first;
    result.Entry = shown.EntryAt(first);
    result.State =
        result.Entry ? CommentSelection::Status::Ready : CommentSelection::Status::NoEntry;
    return result;
}

std::string CommentDialogTitle(const localItems& captions, std::string_view language, char kind,
                               std::string_view targetUtf8) {
    std::string title = localText(captions, caption::CommentTitle, language);
    if (kind == KindFile || kind == KindFolder) {
        title += localText(captions,
                           kind == KindFile ? caption::CommentForFile : caption::CommentForFolder,
                           language);
        title += ' ';
        title += targetUtf8;
    }
    return title;
}

std::string JoinCommentLines(std::string_view typedUtf8) {
    std::string joined;
    joined.reserve(typedUtf8.size());
    for (std::size_t i = 0; i < typedUtf8.size();) {
        const char c = typedUtf8[i];
        if (c != '\r' && c != '\n') {
            joined += c;
            ++i;
            continue;
        }
        i += (c == '\r' && i + 1 < typedUtf8.size() && typedUtf8[i + 1] == '\n') ? 2 : 1;
        // Whatever follows, even another break, counts as text after this one:
        // a break between two breaks still leaves its blank.
        const bool textFollows = i < typedUtf8.size();
        if (textFollows && !joined.empty() && joined.back() != ' ')
            joined += ' ';
    }
    return joined;
}

std::optional<std::string> AcceptCommentText(std::string_view typedUtf8) {
    if (typedUtf8.empty())
        return std::nullopt;
    return JoinCommentLines(typedUtf8);
}

std::string CommentBytes(const TextCodec& codec, std::string_view acceptedUtf8) {
    constexpr std::size_t limit = ListRecord::CommentSize - 1;
    std::string bytes = codec.Encode(acceptedUtf8);
    if (bytes.size() <= limit)
        return bytes;
    // In a code page of one byte per character any cut is between characters;
    // otherwise take whole characters while they fit.
    const std::u32string characters = Utf8ToCodePoints(acceptedUtf8);
    if (bytes.size() == characters.size()) {
        bytes.resize(limit);
        return bytes;
    }
    std::string cut;
    std::string one;
    for (const char32_t c : characters) {
        one.clear();
        AppendUtf8(one, c);
        const std::string encoded = codec.Encode(one);
        if (cut.size() + encoded.size() > limit)
            break;
        cut += encoded;
    }
    return cut;
}

void ApplyComment(WindowState& state, ListNode& entry, std::string_view acceptedUtf8) {
    entry.Record->SetComment(CommentBytes(*state.Codec, acceptedUtf8));
    state.ListChanged = true;
}

} // namespace dk
