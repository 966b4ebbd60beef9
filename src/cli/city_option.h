// SPDX-License-Identifier: GPL-3.0-or-later
// --city NAME of the nalvo-cli commands: a city of "ville.syt" gives the observer's latitude,
// longitude and name, and its time zone ("zones.syt") the clock of the place.
#pragma once

#include <string>

class systeme;

// Makes the city `name` (UTF-8; a name of "ville.syt", compared without regard to case) the
// observer's place of `model`, with the automatic season so that its zone gives the local time.
// False with the reason in `why`, which names the option, when the list has no such city.
bool applyCityOption(const std::string& name, systeme& model, std::string& why);
