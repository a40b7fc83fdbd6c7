#pragma once

#include "app/LocaleTexts.h"
#include "app/WindowState.h"
#include "browse/ShownList.h"
#include "list/ListNode.h"
#include "list/TextCodec.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dk {

// A comment is one line in its record. Texts here are UTF-8, as the dialog
// gives them; record bytes only appear in ApplyComment.

// What spbtCommentClick makes of the selection before the dialog opens.
struct CommentSelection {
    enum class Status {
        Ready,           // one row with an entry: open the dialog for it
        NothingSelected, // message::SelectToComment
        SeveralSelected, // message::SeveralSelected
        NoEntry,         // ".." (or a row without an entry) alone: do nothing
    };
    Status State = Status::NothingSelected;
    std::int32_t Message = -1; // the MessageTexts entry to show, or -1
    std::size_t Row = 0;
    ListNode* Entry = nullptr;
};
CommentSelection CheckCommentSelection(const ShownList& shown,
                                       const std::vector<std::size_t>& selectedRows);

// The dialog's title in `language`: CaptionTexts entry 29 ("Enter comment "),
// then for a file entry 32 and for a folder entry 33, a blank and the row's
// caption. The first two are joined with nothing in between; the English
// entry 29 brings its own blank. Any other Kind gets entry 29 alone.
std::string CommentDialogTitle(const localItems& captions, std::string_view language, char kind,
                               std::string_view targetUtf8);

// btOkClick: nothing when the text is empty (the dialog shows
// message::NoComment and ends cancelled); otherwise the text with its line
// breaks made blanks. A break (CR LF as on Windows, or a lone LF or CR as
// other systems type it) becomes one blank when text follows it and the
// character before it is not a blank; a break at the very end, or at the very
// start, just goes. The result may be empty (only breaks) or blank.
std::optional<std::string> AcceptCommentText(std::string_view typedUtf8);
std::string JoinCommentLines(std::string_view typedUtf8);

// An accepted text as the bytes the Comment field holds: in the list's code
// page, "?" for a character it cannot hold, and no more than the 255 bytes
// before the field's terminator, cut between characters.
std::string CommentBytes(const TextCodec& codec, std::string_view acceptedUtf8);

// Stores an accepted text as the entry's comment and sets ListChanged (even
// when the comment is the same).
void ApplyComment(WindowState& state, ListNode& entry, std::string_view acceptedUtf8);

} // namespace dk
