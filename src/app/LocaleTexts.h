#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dk {

// One table of interface texts, a Russian and an English list indexed alike.
// `count` is the size of the list stored last; both lists always have the
// same size, so it is valid for either language.
class localItems {
public:
    // Stores a copy of `list` as the texts of the language `code` ("rus" or
    // "eng", any letter case). False only when no list is given; a code that
    // names neither language stores nothing and still answers true.
    bool addLanguage(std::string_view code, const std::vector<std::string>* list);

    std::uint16_t count() const { return count_; }
    const std::vector<std::string>& russian() const { return russian_; }
    const std::vector<std::string>& english() const { return english_; }

private:
    std::uint16_t count_ = 0;
    std::vector<std::string> russian_;
    std::vector<std::string> english_;
};

// The text at `index` in the list of language `code`, or the empty text for
// an index out of range or a code that names neither language.
std::string localText(const localItems& table, std::int32_t index, std::string_view code);

struct localeTexts {
    localItems CaptionTexts;
    localItems HintTexts;
    localItems AboutTexts;
    localItems MessageTexts;
};

// The interface language code for the whole run: "rus" unless the program is
// started with another one. Compared without regard to letter case.
extern std::string currentLanguage;

bool IsLanguage(std::string_view code, std::string_view language); // "RUS" or "ENG"

// Fills the four tables, Russian list first, then English, for each table in
// the order CaptionTexts, HintTexts, AboutTexts, MessageTexts. A second call
// leaves the same tables.
void BuildInterfaceTexts(localeTexts& texts);

// A table entry in the current language, for the places that show one text.
std::string Text(const localItems& table, std::int32_t index);

// Indexes of the texts other parts of the program name, so a reader sees what
// is shown without counting table rows.
namespace caption {
enum : std::int32_t {
    Open = 0, Back, Forward, Up, Find, Needed, NotNeeded, Clear, Save, Print, Export, About,
    Comment, ColumnName, ColumnSize, ColumnCreated, ColumnModified, ColumnAttributes,
    ColumnComment, ExportTitle, DamagedListTitle, DamagedListFilter, OpenFilter, Cancel,
    Folders, Files, BusyLoading, BusySaving, BusySearching, CommentTitle, CommentApply,
    CommentCancel, CommentForFile, CommentForFolder
};
}
namespace hint {
enum : std::int32_t {
    Open = 0, Back, Forward, Up, Find, Needed, NotNeeded, Clear, Save, Print, Export, About,
    Comment, ReadOnly, Hidden, System, Volume, Archive, Temporary, Compressed, Damaged
};
}
namespace about {
enum : std::int32_t { Title = 0, Line1, Line2, Line3, Link, Close, Address };
}
namespace message {
enum : std::int32_t {
    Error = 0, FileNotFound, UnpackError, SameNameFolder, OpenElsewhere, FileEmpty, LoadError,
    PageNotOpened, NoDataToExport, ReplaceFile, Request, CreateFileError, ExportProgress,
    NoDataToPrint, InitError, NoSelection, NoDataToSave, SaveProgress, SelectToComment,
    SeveralSelected, SaveChanges, NoComment, ListEmpty
};
}

} // namespace dk
