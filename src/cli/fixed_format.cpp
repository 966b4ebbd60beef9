// SPDX-License-Identifier: GPL-3.0-or-later
// The exact value of a double is m 2^-s (m < 2^53 an integer). For |v| < 1e9 and at most 9
// decimals, v 10^d = m 10^d 2^-s is an integer product below 2^83 shifted right by s >= 22
// bits: the dropped bits decide the rounding exactly, as printf rounds the exact value. Other
// values (larger, more decimals, infinities, NaN) go to std::to_chars.
#include "cli/fixed_format.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
__extension__ typedef unsigned __int128 Uint128; // GCC and Clang; -Wpedantic knows no __int128

constexpr uint64_t kPow10[] = {1,
                               10,
                               100,
                               1000,
                               10000,
                               100000,
                               1000000,
                               10000000,
                               100000000,
                               1000000000,
                               10000000000,
                               100000000000,
                               1000000000000,
                               10000000000000,
                               100000000000000,
                               1000000000000000,
                               10000000000000000,
                               100000000000000000,
                               1000000000000000000};
constexpr double kLimit = 1e9;

// Digit pairs "00" to "99": two digits per division by 100.
constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                          "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                          "8081828384858687888990919293949596979899";

// Writes the `count` low decimal digits of v (zero-padded) ending at `end`.
inline void writeDigits(char* end, uint64_t v, int count) {
    for (; count >= 2; count -= 2) {
        const unsigned pair = static_cast<unsigned>(v % 100);
        v /= 100;
        end -= 2;
        std::memcpy(end, kPairs + 2 * pair, 2);
    }
    if (count == 1) end[-1] = static_cast<char>('0' + v % 10);
}

// Decimal digits of v < 10^10 (the whole part of |v| < 1e9 after rounding).
inline int digitCount(uint64_t v) {
    return 1 + (v >= 10) + (v >= 100) + (v >= 1000) + (v >= 10000) + (v >= 100000) + (v >= 1000000) +
           (v >= 10000000) + (v >= 100000000) + (v >= 1000000000);
}

// The work of formatFixed with the number of decimals known to the compiler, so that every
// division by a power of ten is a multiplication.
template <int Decimals> std::to_chars_result fixed(char* first, char* last, double v) {
    constexpr uint64_t kScale = kPow10[Decimals];
    const uint64_t bits = std::bit_cast<uint64_t>(v);
    const bool negative = bits >> 63;
    const int exponent = static_cast<int>((bits >> 52) & 0x7ff);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    int shift = 1074; // subnormal: v = mantissa 2^-1074
    if (exponent != 0) {
        mantissa |= uint64_t{1} << 52;
        shift = 1075 - exponent; // >= 22 since |v| < 1e9 < 2^30
    }
    // Scaled value v 10^d, rounded to the nearest integer, ties to even: adding half a unit less
    // one, plus one when the truncated value is odd, carries exactly when the rest is above half
    // (or equal to it with an odd value).
    uint64_t scaled = 0;
    if (shift < 128) {
        const Uint128 product = static_cast<Uint128>(mantissa) * kScale;
        const Uint128 halfLessOne = (static_cast<Uint128>(1) << (shift - 1)) - 1;
        const Uint128 odd = (product >> shift) & 1;
        scaled = static_cast<uint64_t>((product + halfLessOne + odd) >> shift);
    } // else the product (< 2^83) is below half a unit: 0
    const uint64_t whole = scaled / kScale, fraction = scaled % kScale;

    const int wholeLength = digitCount(whole);
    const size_t length = negative + wholeLength + (Decimals > 0 ? 1 + Decimals : 0);
    if (static_cast<size_t>(last - first) < length) return {last, std::errc::value_too_large};
    char* p = first;
    if (negative) *p++ = '-'; // also for -0 and for negatives that round to zero, as printf
    p += wholeLength;
    writeDigits(p, whole, wholeLength);
    if (Decimals > 0) {
        *p++ = '.';
        p += Decimals;
        writeDigits(p, fraction, Decimals);
    }
    return {p, std::errc()};
}
} // namespace

std::to_chars_result formatFixed(char* first, char* last, double v, int decimals) {
    using Formatter = std::to_chars_result (*)(char*, char*, double);
    static constexpr Formatter kByDecimals[] = {fixed<0>, fixed<1>, fixed<2>, fixed<3>, fixed<4>,
                                                fixed<5>, fixed<6>, fixed<7>, fixed<8>, fixed<9>};
    if (std::fabs(v) < kLimit && decimals >= 0 && decimals <= 9) return kByDecimals[decimals](first, last, v);
    return std::to_chars(first, last, v, std::chars_format::fixed, decimals);
}
