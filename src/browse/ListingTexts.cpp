#include "browse/ListingTexts.h"

#include "list/ExtendedSize.h"

#include <cmath>
#include <cstdio>

namespace dk {
namespace {

const std::string Dashes = "----";

std::string OrDashes(std::string_view text) { return text.empty() ? Dashes : std::string(text); }

} // namespace

std::string SizeText(const std::uint8_t* size) {
    if (ExtendedIsZero(size))
        return "0";
    // Dividing by a power of two is exact, so the only rounding is to the
    // nearest whole number; nearbyint rounds halves to even.
    double kibibytes = std::nearbyint(ExtendedToDouble(size) / 1024.0);
    if (kibibytes == 0)
        kibibytes = 1;
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", kibibytes);
    return text;
}

std::string AttributesText(std::uint8_t attributes) {
    static const char letters[] = "RHSVATCE";
    std::string text;
    for (int bit = 0; bit < 8; ++bit)
        if (attributes & (1u << bit))
            text += letters[bit];
    return text.empty() ? Dashes : text;
}

std::string ColumnText(const ListRecord& record, int column) {
    switch (column) {
    case NameColumn:
        return std::string(record.Name());
    case SizeColumn:
        return SizeText(record.SizeBytes());
    case CreatedColumn:
        return OrDashes(record.Created());
    case ModifiedColumn:
        return OrDashes(record.Modified());
    case AttributesColumn:
        return AttributesText(record.Attributes());
    case CommentColumn:
        return OrDashes(record.Comment());
    }
    return {};
}

} // namespace dk
