// SPDX-License-Identifier: GPL-3.0-or-later
// The computer clock read as Universal Time, whatever time zone the computer is set to.
#pragma once

#include "astro/date2.h"

#include <ctime>

// The instant `seconds` (seconds since 1970-01-01 00:00 UT) as a date2 in UT, to the minute, with T
// computed. The offsets and the season are left at their defaults.
date2 universalTimeAt(std::time_t seconds);

// The operating system's clock now, in UT (see universalTimeAt).
date2 universalTimeNow();

// The operating system's offset of local time from UT at the instant `seconds`, in hours
// (local = UT + offset), from the computer's time zone and its rules.
double computerUtcOffsetAt(std::time_t seconds);

// The instant of `date` (its t) in whole seconds since 1970-01-01 00:00 UT.
std::time_t unixSeconds(const date2& date);
