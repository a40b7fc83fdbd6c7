#pragma once

#include <cstdint>
#include <optional>

namespace dk {

// The Size field is an x87 80-bit extended-precision number (64-bit significand
// with an explicit integer bit, 15-bit exponent, sign), little-endian. These
// conversions use explicit bit arithmetic so that every whole byte count below
// 2^64 round-trips exactly, whatever `long double` is on the compiler at hand.

// Writes `count` exactly into the 10 bytes at `out`.
void EncodeExtended(std::uint64_t count, std::uint8_t* out);

// The exact byte count, when the value is a whole number from 0 to 2^64 - 1.
std::optional<std::uint64_t> ExtendedToCount(const std::uint8_t* bytes);

// The value rounded to the nearest double (ties to even); NaN and infinities
// come out as such.
double ExtendedToDouble(const std::uint8_t* bytes);

// True when the value is +0 or -0.
bool ExtendedIsZero(const std::uint8_t* bytes);

} // namespace dk
