// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed-point text of doubles, the bytes of printf("%.*f") (round to nearest, ties to even, on
// the exact binary value), without the cost of the general conversion: the CSV writers format
// millions of numbers.
#pragma once

#include <charconv>

// Writes `v` with `decimals` digits after the point into [first, last), as std::to_chars(first,
// last, v, std::chars_format::fixed, decimals) and printf("%.*f", decimals, v) do.
std::to_chars_result formatFixed(char* first, char* last, double v, int decimals);
