// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/cities.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "test_util.h"

#include "astro/time_zone.h"

#include <cstdlib>
#include <ctime>

TEST(Cities, FileOrderThenOther) {
    const auto cities =
        parseCities("Nombre:3\nFrance-Annecy 45.9000 -6.1300\nFrance-Paris 48.8667 -2.3333\r\n"
                    "Chile-Santiago -33.45 70.6667\n");
    ASSERT_EQ(cities.size(), 4u);
    EXPECT_EQ(cities[0].name, "France-Annecy");
    EXPECT_DOUBLE_EQ(cities[0].latitude, 45.9);
    EXPECT_DOUBLE_EQ(cities[0].longitude, -6.13);
    EXPECT_DOUBLE_EQ(cities[2].latitude, -33.45);
    EXPECT_EQ(cities[3].name, "Other");
}

TEST(Cities, DamagedFilesEndTheList) {
    EXPECT_EQ(parseCities("Nombre:5\nA-B 1 2\nC-D x 2\nE-F 1 2\n").size(), 2u);
    EXPECT_EQ(parseCities("Nombre:2000000000\nA-B 1 2\n").size(), 2u);
    EXPECT_EQ(parseCities("").size(), 1u);
    const auto longName = parseCities("Nombre:2\nCountry-AVeryLongTownNameThatDoesNotFit 1 2\nX-Y 3 4\n");
    ASSERT_EQ(longName.size(), 3u);
    EXPECT_EQ(longName[0].name.size(), 29u);
    EXPECT_EQ(longName[1].name, "X-Y");
}

TEST(Cities, MissingFileGivesOtherOnlyAndTheMessage) {
    TempDir t;
    RecordingPrompter p;
    const auto cities = readCities(t.path("ville.syt"), &p);
    ASSERT_EQ(cities.size(), 1u);
    EXPECT_EQ(cities[0].name, "Other");
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text, "File ville.syt missing");
}

TEST(Cities, ShippedListHasAnnecyAtIndex31) {
    const auto cities = readCities(std::string(NALVO_SOURCE_DATA_DIR) + "/ville.syt");
    ASSERT_GT(cities.size(), 32u);
    EXPECT_EQ(cities[31].name, "France-Annecy");
    EXPECT_EQ(cities.back().name, "Other");
}

TEST(TimeZones, FortyEightLabels) {
    const auto labels = timeZoneLabels();
    ASSERT_EQ(labels.size(), 48u);
    EXPECT_EQ(labels[0], "-12 h");
    EXPECT_EQ(labels[1], "-11 h 30");
    EXPECT_EQ(labels[2], "-11 h");
    EXPECT_EQ(labels[3], "-10 h 30");
    EXPECT_EQ(labels[22], "-1 h");
    EXPECT_EQ(labels[23], "- 0 h 30");
    EXPECT_EQ(labels[24], "+ 0 h");
    EXPECT_EQ(labels[25], "+ 0 h 30");
    EXPECT_EQ(labels[26], "+ 1 h");
    EXPECT_EQ(labels[46], "+ 11 h");
    EXPECT_EQ(labels[47], "+ 11 h 30");
}

TEST(TimeZones, OffsetToIndexAndBack) {
    EXPECT_EQ(timeZoneIndex(1), 26);
    EXPECT_EQ(timeZoneLabels()[26], "+ 1 h");
    EXPECT_EQ(timeZoneIndex(-0.5), 23);
    EXPECT_EQ(timeZoneLabels()[23], "- 0 h 30");
    EXPECT_EQ(timeZoneIndex(-12), 0);
    EXPECT_EQ(timeZoneIndex(5.5), 35);
    EXPECT_EQ(timeZoneIndex(12), 0); // modulo 48
    EXPECT_EQ(timeZoneIndex(kUnknownOffset), -1);
    for (int k = 0; k < 48; ++k)
        EXPECT_EQ(timeZoneIndex(timeZoneOffset(k)), k);
    EXPECT_DOUBLE_EQ(timeZoneOffset(26), 1.0);
    EXPECT_DOUBLE_EQ(timeZoneOffset(0), -12.0);
}

TEST(Countries, CountryOfACityName) {
    EXPECT_EQ(countryOf("France-Annecy", false), "France");
    EXPECT_EQ(countryOf("United States-New York", true), "United");
    EXPECT_EQ(countryOf("United States-New York", false), "United States");
    EXPECT_EQ(countryOf("Other", true), "Other");
}

TEST(Countries, OffsetForTheSeasonAndUnknownCountries) {
    TempDir t;
    const std::string pays =
        t.write("pays.syt", "France 1 2\nIndia 5.5 5.5\nChile -4 -3\n# 0 0\nAfter 7 7\n");
    date2 d;
    d.saison = 1;
    EXPECT_DOUBLE_EQ(cityOffset(d, "France-Annecy", true, nullptr, pays), 2.0);
    d.saison = 0;
    EXPECT_DOUBLE_EQ(cityOffset(d, "France-Annecy", true, nullptr, pays), 1.0);
    EXPECT_DOUBLE_EQ(cityOffset(d, "Chile-Santiago", true, nullptr, pays), -4.0);
    EXPECT_EQ(cityOffset(d, "After-X", true, nullptr, pays), kUnknownOffset);       // after the "#" line
    EXPECT_EQ(cityOffset(d, "france-Annecy", true, nullptr, pays), kUnknownOffset); // case-sensitive
    EXPECT_EQ(timeZoneIndex(cityOffset(d, "Nowhere-X", true, nullptr, pays)), -1);
    RecordingPrompter p;
    EXPECT_EQ(cityOffset(d, "France-Annecy", true, &p, t.path("none.syt")), kUnknownOffset);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text, "File pays.syt missing");
}

// Found by fuzz_pays: a "nan" offset was returned as the country's offset.
TEST(Countries, OffsetThatIsNotANumberIsUnknown) {
    TempDir t;
    const std::string pays = t.write("pays.syt", "USA -5 inf\nFrance 1 nann2\n");
    date2 d;
    d.saison = 1;
    EXPECT_EQ(cityOffset(d, "France 1 nann2", true, nullptr, pays), kUnknownOffset);
    EXPECT_EQ(cityOffset(d, "USA-Boston", true, nullptr, pays), kUnknownOffset);
    d.saison = 0;
    EXPECT_DOUBLE_EQ(cityOffset(d, "France-Paris", true, nullptr, pays), 1.0);
    EXPECT_DOUBLE_EQ(cityOffset(d, "USA-Boston", true, nullptr, pays), -5.0);
}

TEST(Countries, ShippedCountriesCoverEveryShippedCity) {
    const std::string data = NALVO_SOURCE_DATA_DIR;
    const auto cities = readCities(data + "/ville.syt");
    date2 d;
    for (int season : {0, 1}) {
        d.saison = season;
        for (std::size_t k = 0; k + 1 < cities.size(); ++k) {
            const double off = cityOffset(d, cities[k].name, true, nullptr, data + "/pays.syt");
            EXPECT_NE(timeZoneIndex(off), -1) << cities[k].name;
        }
    }
    d.saison = 0;
    EXPECT_DOUBLE_EQ(cityOffset(d, "France-Annecy", true, nullptr, data + "/pays.syt"), 1.0);
}

namespace {

date2 utcDate(int y, int mo, int d, int h) {
    date2 x;
    x.annee = y;
    x.mois = mo;
    x.jour = d;
    x.heure = h;
    x.calculeT();
    return x;
}

// Runs `body` with the process's TZ set to `zone`, then puts the previous value back.
template <class F> void withComputerZone(const char* zone, F body) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", zone, 1);
    tzset();
    body();
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

const std::string kData = NALVO_SOURCE_DATA_DIR;

} // namespace

TEST(Season, AutomaticSeasonTakesTheCityZone) {
    systeme sys; // France-Annecy, automatic season, time-zone indices 26 (+1 h)
    ASSERT_EQ(sys.season, -1);
    // 2026-10-15 is summer time in France, which the month rule (April to September) missed.
    date2 d = utcDate(2026, 10, 15, 12);
    std::string note;
    applyPlaceToDate(sys, d, &note, kData + "/zones.syt", kData + "/pays.syt");
    ASSERT_TRUE(d.zoneLieu);
    EXPECT_EQ(d.zoneLieu->name(), "Europe/Paris");
    EXPECT_DOUBLE_EQ(d.decalageLieu, 2);
    EXPECT_EQ(d.saison, -1);
    EXPECT_EQ(sys.season, -1);
    EXPECT_EQ(note, "");
    // The offset follows the date: after 2026-10-25 01:00 UT it is winter time.
    d.ajouteHeures(24 * 11);
    EXPECT_DOUBLE_EQ(d.placeOffset_h(), 1);
}

TEST(Season, ChosenSeasonAndOtherKeepTheStoredZoneIndex) {
    systeme sys;
    sys.observerTimeZone = 23; // -0.5 h
    sys.season = 1;
    date2 d = utcDate(2026, 1, 15, 12);
    applyPlaceToDate(sys, d, nullptr, kData + "/zones.syt", kData + "/pays.syt");
    EXPECT_FALSE(d.zoneLieu);
    EXPECT_EQ(d.saison, 1);
    EXPECT_DOUBLE_EQ(d.placeOffset_h(), -0.5);
    sys.season = -1;
    std::snprintf(sys.cityName, sizeof sys.cityName, "%s", "Other");
    applyPlaceToDate(sys, d, nullptr, kData + "/zones.syt", kData + "/pays.syt");
    EXPECT_FALSE(d.zoneLieu);
    EXPECT_EQ(d.saison, 0); // decided by the month for the country lookups
    EXPECT_DOUBLE_EQ(d.placeOffset_h(), -0.5);
}

TEST(Season, CityWithoutUsableZoneFallsBackOnItsCountry) {
    TempDir t;
    const std::string pays = t.write("pays.syt", "France 1 2\nJapan 9 9\n# 0 0\n");
    systeme sys;
    sys.observerTimeZone = 30; // +3 h, which the country's offset replaces
    // The city is missing from zones.syt: France's offsets, summer from April to September.
    const std::string noCity = t.write("zones.syt", "Japan-Tokyo Asia/Tokyo\n");
    date2 july = utcDate(2026, 7, 15, 12);
    std::string note;
    applyPlaceToDate(sys, july, &note, noCity, pays);
    EXPECT_FALSE(july.zoneLieu);
    EXPECT_DOUBLE_EQ(july.placeOffset_h(), 2);
    EXPECT_NE(note.find("France-Annecy"), std::string::npos) << note;
    EXPECT_NE(note.find("zones.syt"), std::string::npos) << note;
    // A zone that tzdata lacks: the same, and the note names the zone.
    const std::string unknown = t.write("zones2.syt", "France-Annecy Mars/Olympus_Mons\n");
    date2 october = utcDate(2026, 10, 15, 12);
    note.clear();
    applyPlaceToDate(sys, october, &note, unknown, pays);
    EXPECT_FALSE(october.zoneLieu);
    EXPECT_DOUBLE_EQ(october.placeOffset_h(), 1);
    EXPECT_NE(note.find("Mars/Olympus_Mons"), std::string::npos) << note;
    // With a zone, the city's own, whatever its country says.
    const std::string zoned = t.write("zones3.syt", "France-Annecy Asia/Tokyo\n");
    applyPlaceToDate(sys, october, &note, zoned, pays);
    EXPECT_DOUBLE_EQ(october.placeOffset_h(), 9);
}

TEST(Season, ComputerOffsetIsTheSystemsAtTheDate) {
    systeme sys;
    sys.computerTimeZone = 40; // +8 h stored: no longer used for the clock
    withComputerZone("Asia/Tokyo", [&] {
        date2 d = utcDate(2026, 7, 15, 12);
        applyPlaceToDate(sys, d, nullptr, kData + "/zones.syt", kData + "/pays.syt");
        EXPECT_DOUBLE_EQ(d.decalageOrdinateur, 9);
    });
    withComputerZone("America/New_York", [&] {
        date2 d = utcDate(2026, 1, 15, 12);
        applyPlaceToDate(sys, d, nullptr, kData + "/zones.syt", kData + "/pays.syt");
        EXPECT_DOUBLE_EQ(d.decalageOrdinateur, -5);
    });
}

TEST(Season, CityZoneFromTheShippedFile) {
    EXPECT_EQ(cityZoneName("France-Annecy", kData + "/zones.syt"), "Europe/Paris");
    EXPECT_EQ(cityZoneName("Australia_E11E10.5-Lord_Howe", kData + "/zones.syt"), "Australia/Lord_Howe");
    EXPECT_EQ(cityZoneName("Nowhere-X", kData + "/zones.syt"), "");
    EXPECT_EQ(cityZoneName("France-Annecy", kData + "/none.syt"), "");
    // Under the automatic season a city's offset is its zone's at the date.
    date2 d = utcDate(2026, 10, 15, 12);
    d.saison = -1;
    EXPECT_DOUBLE_EQ(cityOffset(d, "USA_W5-New_York", true, nullptr, kData + "/pays.syt", kData + "/zones.syt"), -4);
}
