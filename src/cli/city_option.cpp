// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/city_option.h"

#include <QString>
#include <cstdio>
#include <strings.h>

#include "catalog/cities.h"
#include "catalog/systeme.h"
#include "gfx/text_codec.h"

bool applyCityOption(const std::string& name, systeme& model, std::string& why) {
    const std::string bytes =
        gfx::toWindows1252(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    const std::vector<City> cities = readCities();
    // The last entry is "Other", which is no city.
    for (size_t k = 0; k + 1 < cities.size(); ++k) {
        if (strcasecmp(cities[k].name.c_str(), bytes.c_str()) != 0) continue;
        model.cityNumber = static_cast<int32_t>(k);
        model.latitude = cities[k].latitude;
        model.longitude = cities[k].longitude;
        std::snprintf(model.cityName, sizeof model.cityName, "%s", cities[k].name.c_str());
        model.season = -1;
        return true;
    }
    why = "--city: no city '" + name + "' in ville.syt (names such as France-Paris or USA_W5-New_York)";
    return false;
}
