#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tests of the catalogue data tools and of the shipped files they wrote.
Run: python3 tools/catalogs/test_tools.py (also run by make_all.sh). Needs only the repository
and the machine's tzdata (the boundary test reads the extract in testdata/)."""

import os
import unittest
import zoneinfo

import check_data
import make_asteroids
import make_cities
import make_deepsky
import make_milkyway
import make_stars
from common import short_name, split_dms, split_hm, split_hms
from constellation_of import ConstellationFinder
from scanf import Scanner


class ScanfTest(unittest.TestCase):
    def test_fields_and_totals_follow_fscanf(self):
        s = Scanner(b"Nombre:12\n3.5 abc")
        self.assertEqual(s.scan("Nombre:%d"), (1, [12]))
        self.assertEqual(s.scan("%lf %s"), (2, [3.5, b"abc"]))
        self.assertEqual(s.scan("\n%d"), (-1, []))  # end of file before a conversion: EOF
        self.assertEqual(s.total, 0 + 1 - 2)

    def test_mismatch_leaves_the_byte_and_counts_minus_one(self):
        s = Scanner(b"x12")
        self.assertEqual(s.scan("%d"), (0, []))
        self.assertEqual(s.pos, 0)
        self.assertEqual(s.total, -1)
        self.assertEqual(s.scan("x%d"), (1, [12]))

    def test_blank_in_pattern_skips_any_white_space_or_none(self):
        s = Scanner(b"1\n\n\n  2 3")
        self.assertEqual(s.scan("%d\n%d %d"), (3, [1, 2, 3]))
        self.assertEqual(Scanner(b"12").scan(" %d"), (1, [12]))

    def test_latin1_literal_and_exponent(self):
        s = Scanner("Coordonnées:1e2 -0.5".encode("cp1252"))
        self.assertEqual(s.scan("Coordonnées:%lf %f"), (2, [100.0, -0.5]))

    def test_partial_line_keeps_fields_read(self):
        s = Scanner(b"5 6 x")
        self.assertEqual(s.scan("%d %d %d"), (2, [5, 6]))
        self.assertEqual(s.total, 1)


class SexagesimalTest(unittest.TestCase):
    def test_carry_of_rounded_seconds(self):
        self.assertEqual(split_hms(359.99999), (0, 0, 0.0))
        self.assertEqual(split_hms(15.0 * (1 + 59 / 60 + 59.6 / 3600)), (2, 0, 0.0))
        self.assertEqual(split_hm(15 * 23.999999, 1), (0, 0.0))

    def test_south_within_a_degree(self):
        self.assertEqual(split_dms(-0.5), (-1, 0, 30, 0))
        self.assertEqual(make_deepsky.dec_fields(-0.5), (0, -30))
        self.assertEqual(make_deepsky.dec_fields(-12.25), (-12, 15))
        self.assertEqual(make_deepsky.dec_fields(0.5), (0, 30))


class StarsTest(unittest.TestCase):
    def test_spectral_class_from_colour(self):
        self.assertEqual(make_stars.spectral_from_bv(-0.3), "B0")
        self.assertEqual(make_stars.spectral_from_bv(0.0), "A0")
        self.assertEqual(make_stars.spectral_from_bv(0.65), "G2")  # the Sun
        self.assertEqual(make_stars.spectral_from_bv(1.85), "M5")
        self.assertEqual(make_stars.spectral_from_bv(None), "?")

    def test_long_names_are_shortened_word_by_word(self):
        self.assertEqual(short_name("Kaus Australis", 15), "Kaus_Australis")
        self.assertEqual(short_name("Asellus Australis", 15), "Asellus_Austr.")
        self.assertEqual(short_name("Al Thalimain Prior", 15), "Al_Thal._Prior")
        self.assertEqual(short_name("Al Thalimain Posterior", 15), "Al_Thal._Post.")
        self.assertEqual(short_name("Zubenelgenubiabcdef", 15), "Zubenelgenubi.")

    def test_designation(self):
        self.assertEqual(make_stars.designation({"bayer": "κ1", "flam": "5"}, 7), "kappa1")
        self.assertEqual(make_stars.designation({"bayer": "", "flam": "61"}, 7), "61")
        self.assertEqual(make_stars.designation(None, 32349), "HIP32349")


class DeepSkyTest(unittest.TestCase):
    def test_file_codes_translate_to_the_stored_codes(self):
        for stored in range(1, 9):
            if stored == make_deepsky.SPIRAL_EDGE_ON:
                continue  # no NGC file code gives 7
            code = make_deepsky.NGC_FILE_CODE[stored]
            self.assertEqual(check_data.NGC_TRANSLATION.get(code, code), stored)

    def test_edge_on_spiral_by_axis_ratio(self):
        self.assertEqual(make_deepsky.stored_type("s", "11x4"), make_deepsky.SPIRAL)
        self.assertEqual(make_deepsky.stored_type("s", "8.7x1.5"), make_deepsky.SPIRAL_EDGE_ON)
        self.assertEqual(make_deepsky.stored_type("s", ""), make_deepsky.SPIRAL)

    def test_ngc2000_columns(self):
        o = {"cat": "NGC", "number": 224, "ra": 10.6847, "dec": 41.2690, "d3type": "s",
             "dim": "190x60", "mag": 3.44, "name": "Andromeda", "morph": "", "messier": 31}
        line = make_deepsky.ngc2000_line(o, "And")
        self.assertEqual(len(line), 98)
        self.assertEqual(line[29:32], "And")
        self.assertEqual(line[0:5], "  224")
        self.assertEqual(line[7:9], "Gx")
        self.assertEqual(line[10:12], "00")
        self.assertEqual(line[13:17], "42.7")
        self.assertEqual(line[19:25], "+41 16")
        self.assertEqual(line[40:44], " 3.4")
        ic = dict(o, cat="IC", number=342, dec=-0.5)
        line = make_deepsky.ngc2000_line(ic)
        self.assertEqual(line[0:5], "I 342")
        self.assertEqual(line[19:25], "-00 30")


class ConstellationOfTest(unittest.TestCase):
    """On the extract of the boundaries kept in testdata/ (make_testdata.py), so that it runs
    without the fetched sources."""
    finder = None

    @classmethod
    def setUpClass(cls):
        here = os.path.dirname(os.path.abspath(__file__))
        cls.finder = ConstellationFinder(os.path.join(here, "testdata", "constellations.bounds.json"))

    def test_known_places(self):
        # J2000 positions (SIMBAD) and the constellation the IAU boundaries put them in.
        cases = [
            (37.95456, 89.26411, "UMi"),   # Polaris, inside the polygon around the pole
            (101.28715, -16.71612, "CMa"),  # Sirius
            (88.79294, 7.40706, "Ori"),     # Betelgeuse
            (10.68471, 41.26875, "And"),    # M31
            (0.0, 0.0, "Psc"),              # the vernal point
            (120.0, -89.5, "Oct"),          # near the south pole
            (354.83665, 77.63231, "Cep"),   # Errai, gamma Cephei
            (266.41683, -29.00781, "Sgr"),  # the galactic centre
        ]
        for ra, dec, want in cases:
            self.assertEqual(self.finder.find_all(ra, dec), [want], (ra, dec))


class MilkyWayTest(unittest.TestCase):
    def test_thinning_keeps_the_count_and_the_shape(self):
        import math
        ring = [(10 * math.cos(t * math.pi / 100), 10 * math.sin(t * math.pi / 100) + 20)
                for t in range(200)]
        kept = make_milkyway.thin(ring, 40)
        self.assertEqual(len(kept), 40)
        self.assertLess(make_milkyway.deviation(ring + [ring[0]], kept + [kept[0]]), 0.2)


class AsteroidTest(unittest.TestCase):
    def test_reader_calendar_rule(self):
        # January 15, 1997 is month 13 of 1996 in the rule; JD 2450463.5 at 0 h.
        self.assertEqual(make_asteroids.reader_jd(1, 15, 1997), 2450463.5)
        self.assertEqual(make_asteroids.reader_jd(8, 9, 2022), 2459800.5)

    def test_calendar_from_jd(self):
        self.assertEqual(make_asteroids.jd_to_calendar(2451545.0), (2000, 1, 1.5))
        self.assertEqual(make_asteroids.jd_to_calendar(2459800.5), (2022, 8, 9.0))

    def test_perihelion_at_the_epoch_when_mean_anomaly_is_zero(self):
        date, diff = make_asteroids.perihelion_date(2459800.5, 0.0, 2.5)
        self.assertEqual(date, (8, 9, 2022))
        self.assertAlmostEqual(diff, 0.0, places=9)

    def test_perihelion_gives_the_mean_anomaly_back(self):
        # a = 2.7 AU: the program's n = 0.985609 / 2.7^1.5 deg/day; M = 90 deg at the epoch.
        (month, day, year), diff = make_asteroids.perihelion_date(2459800.5, 90.0, 2.7)
        n = 0.985609 / 2.7 ** 1.5
        m = n * (2459800.5 - make_asteroids.reader_jd(month, day, year)) % 360
        self.assertAlmostEqual(m, 90.0 + diff, places=6)
        self.assertLess(abs(diff), n)  # within a day of motion


class CitiesTest(unittest.TestCase):
    def test_offsets_from_the_zone_rules(self):
        self.assertEqual(make_cities.offsets("Europe/Paris"), (1.0, 2.0))
        self.assertEqual(make_cities.offsets("Australia/Sydney"), (11.0, 10.0))
        self.assertEqual(make_cities.offsets("Asia/Kolkata"), (5.5, 5.5))

    def test_country_words_have_no_blank_or_hyphen(self):
        self.assertEqual(make_cities.country_word("Guinea-Bissau"), "Guinea_Bissau")
        self.assertEqual(make_cities.country_word("Korea (South)"), "Korea_South")
        self.assertEqual(make_cities.country_word("St Kitts & Nevis"), "St_Kitts_and_Nevis")
        self.assertEqual(make_cities.offset_tag(-3.5), "W3.5")
        self.assertEqual(make_cities.offset_tag(5.75), "E5.75")

    def test_iso6709_coordinates(self):
        lat, lon = make_cities.split_coordinates("+4852+00220")
        self.assertAlmostEqual(lat, 48 + 52 / 60)
        self.assertAlmostEqual(lon, 2 + 20 / 60)
        lat, lon = make_cities.split_coordinates("-332052-0704000")
        self.assertAlmostEqual(lat, -(33 + 20 / 60 + 52 / 3600))
        self.assertAlmostEqual(lon, -70 - 40 / 60)


class ShippedFilesTest(unittest.TestCase):
    def test_every_file_passes_the_checker(self):
        check_data.problems.clear()
        self.assertEqual(check_data.main([]), 0, check_data.problems)

    def test_default_city_and_its_country(self):
        s = check_data.open_scanner("ville.syt")
        n = s.scan("Nombre:%d")[1][0]
        names = [s.scan("\n%s %lf %lf")[1] for _ in range(n)]
        self.assertEqual(names[31][0], b"France-Annecy")
        self.assertAlmostEqual(names[31][1], 45.90)
        self.assertAlmostEqual(names[31][2], -6.13)
        table = check_data.check_countries()[1]
        self.assertEqual(table["France"], (1.0, 2.0))
        self.assertEqual(table["USA_W5"], (-5.0, -4.0))
        self.assertEqual(table["India"], (5.5, 5.5))

    def test_every_city_has_its_zone(self):
        s = check_data.open_scanner("ville.syt")
        n = s.scan("Nombre:%d")[1][0]
        names = [s.scan("\n%s %lf %lf")[1][0].decode("cp1252") for _ in range(n)]
        with open(os.path.join(check_data.DATA, "zones.syt"), encoding="cp1252") as f:
            pairs = [line.split(" ") for line in f.read().splitlines()]
        self.assertEqual([p[0] for p in pairs], names)  # same cities, same order
        for city, zone in pairs:
            zoneinfo.ZoneInfo(zone)  # raises for a zone that tzdata lacks
        zones = dict(pairs)
        self.assertEqual(zones["France-Annecy"], "Europe/Paris")
        self.assertEqual(zones["USA_W5-New_York"], "America/New_York")
        self.assertEqual(zones["Australia_E11E10.5-Lord_Howe"], "Australia/Lord_Howe")

    def test_star_counts_per_band(self):
        for band, (low, high) in ((7, (7.0, 8.0)), (8, (8.0, 9.0))):
            s = check_data.open_scanner(f"star{band}.syt")
            n = s.scan("%d")[1][0]
            mags = [s.scan("%f %f %f")[1][2] for _ in range(n)]
            self.assertTrue(all(low <= m < high for m in mags))


if __name__ == "__main__":
    unittest.main()
