#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace dk {

using ByteTable = std::array<std::uint8_t, 256>;

// A name mask is a piece of text looked for anywhere in a Name, letter case
// disregarded; it is not a wildcard pattern. Only its first "*" goes before a
// search (so "*.doc" finds ".doc"); a later "*", "?" or ";" stands for itself.
void NormaliseMask(std::string& mask);

// The name test of one search. The mask is folded once, here; each name is
// folded into a buffer on the stack and searched byte for byte, so testing a
// name allocates nothing. An empty mask fits no name.
class NameMask {
public:
    // `mask` is already normalised; `upper` is the code page's upper-case
    // table and must outlive the object.
    NameMask(std::string_view mask, const ByteTable& upper);

    bool Matches(std::string_view name) const;

private:
    std::string folded_;
    const ByteTable* upper_;
};

// The same test for one name, folding the mask on every call.
bool NameMatches(std::string_view name, std::string_view mask, const ByteTable& upper);

// Upper-cases ASCII letters only: what is left when no code page is known.
const ByteTable& AsciiUpperTable();

} // namespace dk
