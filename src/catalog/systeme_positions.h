// SPDX-License-Identifier: GPL-3.0-or-later
// Positions that need the whole model: the altitude of a body at another date.
#pragma once

#include "astro/date2.h"

class systeme;

// Altitude (deg) of the place dec/ra (deg, read by the caller before the call) for the model's
// observer at `date`. Recomputes every body of the model, satellites included, at a copy of
// `date` with its calendar fields rebuilt from t: afterwards the model describes that instant.
double altitudeAtDate(double dec_deg, double ra_deg, const date2& date, systeme& model);
