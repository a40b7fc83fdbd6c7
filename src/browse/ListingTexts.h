#pragma once

#include "list/ListRecord.h"

#include <cstdint>
#include <string>

namespace dk {

// The texts of a row of the detail list. Record texts stay bytes in the
// list's code page; the window decodes them for display.

// Size in kibibytes: 0 for an empty entry, at least 1 for any other, the
// nearest whole number otherwise (halves to even), as plain digits.
std::string SizeText(const std::uint8_t* size);

// One letter per set attribute bit, lowest bit first (R H S V A T C E), or
// "----" when none is set.
std::string AttributesText(std::uint8_t attributes);

constexpr int ColumnCount = 6;
enum Column { NameColumn = 0, SizeColumn, CreatedColumn, ModifiedColumn, AttributesColumn,
              CommentColumn };

// Column `column` of an entry's row; empty times and comments show "----".
std::string ColumnText(const ListRecord& record, int column);

} // namespace dk
