#include "output/PrintLayout.h"

#include "output/FolderWalk.h"

#include <cstddef>

namespace dk {

std::vector<std::string> CollectPrintLines(std::span<ListNode* const> entries) {
    std::vector<std::string> lines;
    WalkWithFolderPath(entries, [&](const ListNode& entry, std::string_view path) {
        const ListRecord& record = *entry.Record;
        if (record.Kind() == KindFolder)
            return true;
        std::string line;
        line.reserve(1 + path.size() + 1 + record.Name().size());
        if (record.IsDamaged())
            line += '*';
        AppendEntryPath(line, path, record.Name());
        lines.push_back(std::move(line));
        return true;
    });
    return lines;
}

namespace {

// Byte offsets where the characters of a UTF-8 text start, and its length.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    starts.push_back(text.size());
    return starts;
}

// Where a too wide line is cut: the byte offset that leaves the last n
// characters for the tail, for the smallest even n whose head fits. Widths
// grow with the head, so halving the range of n finds the same n as trying
// 2, 4, 6... in turn, with a few measurements instead of one per two
// characters. When no head fits, not even one character, the head is empty
// and the whole line goes to the tail.
std::size_t SplitOffset(std::string_view line, int limit, PrintMeasurer& measure) {
    const std::vector<std::size_t> starts = CharacterStarts(line);
    const std::size_t length = starts.size() - 1;
    // Cutting the last 2k characters; at the largest k the head is empty.
    const auto headEnd = [&](std::size_t k) {
        return 2 * k >= length ? 0 : starts[length - 2 * k];
    };
    std::size_t low = 1, high = (length + 1) / 2;
    if (high < low)
        return 0;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (measure.TextWidth(line.substr(0, headEnd(middle))) <= limit)
            high = middle;
        else
            low = middle + 1;
    }
    return headEnd(low);
}

} // namespace

std::vector<PrintPage> LayoutPrintPages(std::span<const std::string> lines, PageSize page,
                                        PrintMeasurer& measure) {
    const int limit = page.Width - 2 * PrintMargin;
    const int bottom = page.Height - 2 * PrintMargin;
    std::vector<PrintPage> pages(1);
    int y = PrintMargin;
    bool pageFull = false;
    const auto draw = [&](std::string_view text) {
        pages.back().push_back({PrintMargin, y, std::string(text)});
        y += measure.TextHeight(text);
    };
    for (const std::string& line : lines) {
        // A page is started only for a line that goes on it, so the last
        // page is never blank.
        if (pageFull) {
            pages.emplace_back();
            y = PrintMargin;
            pageFull = false;
        }
        if (measure.TextWidth(line) <= limit) {
            draw(line);
        } else {
            const std::size_t cut = SplitOffset(line, limit, measure);
            const std::string_view whole = line;
            draw(whole.substr(0, cut));
            draw(whole.substr(cut));
        }
        if (y > bottom)
            pageFull = true;
    }
    return pages;
}

} // namespace dk
