#include "list/ExtendedSize.h"

#include <bit>
#include <cmath>
#include <limits>

namespace dk {
namespace {

constexpr int ExponentBias = 16383;

std::uint64_t Significand(const std::uint8_t* bytes) {
    std::uint64_t s = 0;
    for (int i = 7; i >= 0; --i)
        s = (s << 8) | bytes[i];
    return s;
}

unsigned SignAndExponent(const std::uint8_t* bytes) { return bytes[8] | (unsigned(bytes[9]) << 8); }

} // namespace

void EncodeExtended(std::uint64_t count, std::uint8_t* out) {
    std::uint64_t significand = 0;
    unsigned exponent = 0;
    if (count != 0) {
        const int shift = std::countl_zero(count);
        significand = count << shift;
        exponent = static_cast<unsigned>(ExponentBias + 63 - shift);
    }
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    out[8] = static_cast<std::uint8_t>(exponent & 0xFF);
    out[9] = static_cast<std::uint8_t>(exponent >> 8);
}

bool ExtendedIsZero(const std::uint8_t* bytes) {
    return Significand(bytes) == 0 && (SignAndExponent(bytes) & 0x7FFF) == 0;
}

std::optional<std::uint64_t> ExtendedToCount(const std::uint8_t* bytes) {
    const std::uint64_t significand = Significand(bytes);
    const unsigned se = SignAndExponent(bytes);
    const int exponent = static_cast<int>(se & 0x7FFF);
    if (significand == 0 && exponent == 0)
        return 0;
    if ((se & 0x8000) != 0 || exponent == 0x7FFF)
        return std::nullopt;
    const int shift = ExponentBias + 63 - exponent; // right shift that gives the integer
    if (shift < 0 || shift > 63)
        return std::nullopt;
    if (shift > 0 && (significand & ((std::uint64_t(1) << shift) - 1)) != 0)
        return std::nullopt; // a fraction
    return significand >> shift;
}

double ExtendedToDouble(const std::uint8_t* bytes) {
    const std::uint64_t significand = Significand(bytes);
    const unsigned se = SignAndExponent(bytes);
    const bool negative = (se & 0x8000) != 0;
    const int exponent = static_cast<int>(se & 0x7FFF);

    double magnitude;
    if (exponent == 0x7FFF) {
        // Infinity has only the integer bit set; everything else is NaN.
        magnitude = (significand << 1) == 0 ? std::numeric_limits<double>::infinity()
                                            : std::numeric_limits<double>::quiet_NaN();
    } else {
        // One rounding only: the integer conversion rounds to nearest even, and
        // scaling by a power of two is exact within the double range.
        const int scale = (exponent == 0 ? 1 : exponent) - ExponentBias - 63;
        magnitude = std::ldexp(static_cast<double>(significand), scale);
    }
    return negative ? -magnitude : magnitude;
}

} // namespace dk
