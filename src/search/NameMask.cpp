#include "search/NameMask.h"

#include <string.h> // memmem, which glibc and the BSDs have

namespace dk {

namespace {

// A Name holds at most 256 bytes; longer texts take the slower path.
constexpr std::size_t NameBuffer = 256;

void Fold(const char* in, std::size_t length, char* out, const ByteTable& upper) {
    for (std::size_t i = 0; i < length; ++i)
        out[i] = static_cast<char>(upper[static_cast<unsigned char>(in[i])]);
}

} // namespace

void NormaliseMask(std::string& mask) {
    const std::size_t star = mask.find('*');
    if (star != std::string::npos)
        mask.erase(star, 1);
}

NameMask::NameMask(std::string_view mask, const ByteTable& upper)
    : folded_(mask.size(), '\0'), upper_(&upper) {
    Fold(mask.data(), mask.size(), folded_.data(), upper);
}

bool NameMask::Matches(std::string_view name) const {
    if (folded_.empty() || folded_.size() > name.size())
        return false;
    // memmem is linear in the name whatever the mask, where a plain find can
    // compare the whole mask at every position.
    if (name.size() <= NameBuffer) {
        char buffer[NameBuffer];
        Fold(name.data(), name.size(), buffer, *upper_);
        return ::memmem(buffer, name.size(), folded_.data(), folded_.size()) != nullptr;
    }
    std::string folded(name.size(), '\0');
    Fold(name.data(), name.size(), folded.data(), *upper_);
    return ::memmem(folded.data(), folded.size(), folded_.data(), folded_.size()) != nullptr;
}

bool NameMatches(std::string_view name, std::string_view mask, const ByteTable& upper) {
    return NameMask(mask, upper).Matches(name);
}

const ByteTable& AsciiUpperTable() {
    static const ByteTable table = [] {
        ByteTable t{};
        for (int b = 0; b < 256; ++b)
            t[b] = static_cast<std::uint8_t>(b >= 'a' && b <= 'z' ? b - 32 : b);
        return t;
    }();
    return table;
}

} // namespace dk
