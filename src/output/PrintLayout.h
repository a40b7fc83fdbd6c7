#pragma once

#include "list/ListNode.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dk {

// The lines a print shows: one per file in `entries` and below, in pre-order
// and in the entries' current order (a listed folder's children folders
// first). Each is the file's path relative to the shown folder, "\"-joined,
// with "*" in front for a damaged file. An entry whose Kind is not 'D' is a
// file, and what lies below it is not visited. Texts are list bytes.
std::vector<std::string> CollectPrintLines(std::span<ListNode* const> entries);

// Measures text as the printer draws it in the print font, in the printer's
// device pixels. The text is whatever the caller laid out: the window passes
// the lines decoded to UTF-8.
class PrintMeasurer {
public:
    virtual ~PrintMeasurer() = default;
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
};

// One text to draw with its top-left corner at (X, Y), in device pixels.
struct PrintDraw {
    int X = 0;
    int Y = 0;
    std::string Text;

    bool operator==(const PrintDraw&) const = default;
};

using PrintPage = std::vector<PrintDraw>;

// The printable area of a page in device pixels.
struct PageSize {
    int Width = 0;
    int Height = 0;
};

// Where every line starts from the left and a page's first line from the
// top. Lines may reach to twice this before the right edge, and a page is full
// once y passes twice this above the bottom.
constexpr int PrintMargin = 100;

// Lays the lines (UTF-8) out on pages: each at x 100 from y 100 down. A line
// wider than the page width minus 200 is split once: the head keeps all but
// the last n characters for the smallest even n that makes it fit, and the
// tail, the last n characters, follows on the next line as it is, however
// wide. Once y passes the page height minus 200 the next line starts a new
// page. There is always at least one page, and never an empty last one
// (unless there is nothing to print at all).
std::vector<PrintPage> LayoutPrintPages(std::span<const std::string> lines, PageSize page,
                                        PrintMeasurer& measure);

} // namespace dk
