#pragma once

#include "browse/ShownList.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace dk {

struct Rgb {
    std::uint8_t Red = 0, Green = 0, Blue = 0;
    bool operator==(const Rgb&) const = default;
};

namespace rowcolour {
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Red{255, 0, 0};                     // the name of a damaged or struck-out entry
constexpr Rgb NeededBackground{201, 249, 204};    // Mark 1
constexpr Rgb NotNeededBackground{219, 217, 213}; // Mark 2
} // namespace rowcolour

// How one cell of the detail list is drawn. An empty colour leaves the list's
// own; StrikeOut adds strike-out to the list's own font style.
struct CellLook {
    std::optional<Rgb> Background;
    std::optional<Rgb> Text;
    bool StrikeOut = false;
    bool operator==(const CellLook&) const = default;
};

// The look of the cell at `row`, `column` (0 is the name) from the entry's
// Mark, damaged bit and StrikeOut: the whole row on light green for Mark 1
// and light grey for Mark 2; the name red for a damaged entry, red and struck
// out when StrikeOut is set; every other cell black and never struck out. The
// ".." row and rows without an entry keep the list's own look, but for the
// black of the cells after the name. Constant time: the entry is found by
// its position.
CellLook RowCellLook(const ShownList& shown, std::size_t row, int column);

} // namespace dk
