// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar conversions, moving instants, clock texts, country offsets and month lengths.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "astro/date2.h"

namespace {
date2 make(int y, int mo, int d, int h = 0, int mi = 0) {
    date2 x;
    x.annee = y;
    x.mois = mo;
    x.jour = d;
    x.heure = h;
    x.minute = mi;
    x.calculeT();
    return x;
}
double jd(const date2& x) {
    return static_cast<double>(x.t * 36525.0L + 2415020.0L);
}
} // namespace

TEST(Date2, NewDateIsAllZero) {
    date2 d;
    EXPECT_EQ(d.heure, 0);
    EXPECT_EQ(d.jour, 0);
    EXPECT_EQ(d.mois, 0);
    EXPECT_EQ(d.annee, 0);
    EXPECT_EQ(d.minute, 0);
    EXPECT_EQ(d.t, 0);
    EXPECT_EQ(d.saison, 0);
    EXPECT_EQ(d.decalageLieu, 0);
    EXPECT_EQ(d.decalageOrdinateur, 0);
}

TEST(Date2, EpochAndKnownJulianDays) {
    EXPECT_NEAR(static_cast<double>(make(1899, 12, 31, 12).t), 0.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(make(1900, 1, 1).t), 0.5 / 36525, 1e-15);
    EXPECT_NEAR(static_cast<double>(make(1996, 1, 1).t), 35063.5 / 36525, 1e-15);
    EXPECT_NEAR(static_cast<double>(make(1996, 1, 1).t), 0.9599863107, 1e-10);
    EXPECT_DOUBLE_EQ(jd(make(1996, 1, 1)), 2450083.5);
    EXPECT_DOUBLE_EQ(jd(make(2000, 1, 1, 12)), 2451545.0);
    EXPECT_DOUBLE_EQ(jd(make(1992, 4, 12)), 2448724.5);
}

TEST(Date2, GregorianReform) {
    EXPECT_NEAR(static_cast<double>(make(1582, 10, 15).t), (2299160.5 - 2415020) / 36525, 1e-15);
    EXPECT_DOUBLE_EQ(jd(make(1582, 10, 4)), 2299159.5);
    // October 5 to 14 fall in the Julian calendar: October 5 is the day after October 4.
    EXPECT_DOUBLE_EQ(jd(make(1582, 10, 5)), 2299160.5);
    EXPECT_DOUBLE_EQ(jd(make(1582, 10, 14)), 2299169.5);
    // Julian calendar far back, negative years with a mathematical floor: -4712 January 1.5 is JD 0.
    EXPECT_DOUBLE_EQ(jd(make(-4712, 1, 1, 12)), 0.0);
    EXPECT_DOUBLE_EQ(jd(make(0, 3, 1)), 1721117.5); // Julian calendar
}

TEST(Date2, JanuaryAndFebruaryCountAsPreviousYear) {
    EXPECT_DOUBLE_EQ(jd(make(2000, 3, 1)) - jd(make(2000, 2, 29)), 1.0);
    EXPECT_DOUBLE_EQ(jd(make(2000, 1, 1)) - jd(make(1999, 12, 31)), 1.0);
}

TEST(Date2, CalendarRoundTripKeepsWholeMinutes) {
    // The truncating conversion would give 11h59 for some of these; the calendar rebuilds the
    // minute that was set.
    int bad = 0;
    for (int y = 1700; y <= 2300; y += 7)
        for (int mo = 1; mo <= 12; ++mo)
            for (int mi = 0; mi < 60; mi += 13) {
                date2 d = make(y, mo, 1 + (y + mo) % 28, (y + mi) % 24, mi);
                date2 back = d;
                back.heure = back.minute = back.jour = back.mois = back.annee = -1;
                EXPECT_EQ(back.calculeCalendrier(), y);
                if (back.heure != d.heure || back.minute != d.minute || back.jour != d.jour ||
                    back.mois != d.mois || back.annee != d.annee)
                    ++bad;
            }
    EXPECT_EQ(bad, 0);
    date2 noon = make(2026, 12, 9, 12, 0);
    noon.calculeCalendrier();
    EXPECT_EQ(noon.heure, 12);
    EXPECT_EQ(noon.minute, 0);
}

TEST(Date2, CalendarFromJulianCalendarDates) {
    date2 d;
    d.t = (2299159.5L - 2415020.0L) / 36525.0L; // 1582 October 4
    d.calculeCalendrier();
    EXPECT_EQ(d.annee, 1582);
    EXPECT_EQ(d.mois, 10);
    EXPECT_EQ(d.jour, 4);
    d.ajouteHeures(24); // the next day is October 15
    d.calculeCalendrier();
    EXPECT_EQ(d.jour, 15);
    EXPECT_EQ(d.mois, 10);
}

TEST(Date2, MovingCrossesMidnightAndMonthEnds) {
    date2 d = make(2001, 3, 1, 0, 5);
    d.ajouteMinutes(-10);
    d.calculeCalendrier();
    EXPECT_EQ(d.annee, 2001);
    EXPECT_EQ(d.mois, 2);
    EXPECT_EQ(d.jour, 28);
    EXPECT_EQ(d.heure, 23);
    EXPECT_EQ(d.minute, 55);

    date2 n = make(2000, 1, 1, 0, 3);
    n.ajouteMinutes(-10);
    n.calculeCalendrier();
    EXPECT_EQ(n.annee, 1999);
    EXPECT_EQ(n.mois, 12);
    EXPECT_EQ(n.jour, 31);
    EXPECT_EQ(n.heure, 23);
    EXPECT_EQ(n.minute, 53);

    date2 h = make(2024, 2, 28, 22, 0);
    h.ajouteHeures(3);
    h.calculeCalendrier();
    EXPECT_EQ(h.mois, 2);
    EXPECT_EQ(h.jour, 29);
    EXPECT_EQ(h.heure, 1);

    date2 r = make(2024, 12, 31, 23, 30);
    r.ajouteHeuresReel(0.75);
    r.calculeCalendrier();
    EXPECT_EQ(r.annee, 2025);
    EXPECT_EQ(r.mois, 1);
    EXPECT_EQ(r.jour, 1);
    EXPECT_EQ(r.heure, 0);
    EXPECT_EQ(r.minute, 15);
}

TEST(Date2, ManyMinuteStepsStayOnTheMinute) {
    date2 d = make(2026, 1, 1, 0, 0);
    for (int k = 0; k < 100000; ++k)
        d.ajouteMinutes(1);
    d.calculeCalendrier(); // 100000 minutes = 69 days 10h40
    EXPECT_EQ(d.mois, 3);
    EXPECT_EQ(d.jour, 11);
    EXPECT_EQ(d.heure, 10);
    EXPECT_EQ(d.minute, 40);
}

TEST(Date2, RamenerTUSubtractsTheComputerOffset) {
    date2 d = make(2026, 7, 1, 1, 30);
    d.decalageOrdinateur = 2;
    d.ramenerTU(0); // 1h30 clock time at UT+2 is 23h30 UT the day before
    EXPECT_EQ(d.jour, 30);
    EXPECT_EQ(d.mois, 6);
    EXPECT_EQ(d.heure, 23);
    EXPECT_EQ(d.minute, 30);

    date2 c = make(2026, 7, 1, 12, 0);
    c.decalageOrdinateur = -5.5;
    c.ramenerTU(1); // moves the instant by old - new = 6.5 hours
    EXPECT_EQ(c.heure, 18);
    EXPECT_EQ(c.minute, 30);
}

TEST(Date2, SeasonByMonth) {
    for (int m = 1; m <= 12; ++m) {
        date2 d = make(2026, m, 1);
        d.saison = -1;
        d.choisitSaison();
        EXPECT_EQ(d.saison, (m >= 4 && m <= 9) ? 1 : 0) << m;
    }
}

TEST(Date2, Texts) {
    date2 d = make(1996, 3, 5, 7, 4);
    EXPECT_EQ(d.texteHeureDate(), "7h4 5/3/1996");
    EXPECT_EQ(dateLabelText(d), "Date:05/03/1996");
    EXPECT_EQ(dateLabelText(make(2026, 12, 19)), "Date:19/12/2026");
    date2 l = make(1996, 12, 31, 23, 10);
    l.decalageLieu = 1.5;
    EXPECT_EQ(l.texteHeureDateLieu(), "0h40 1/1/1997");
    EXPECT_EQ(l.texteHeureDate(), "23h10 31/12/1996"); // the date itself unchanged
    l.decalageLieu = -10;
    EXPECT_EQ(l.texteHeureDateLieu(), "13h10 31/12/1996");
}

TEST(Date2, MonthLengthsWithoutCenturyRule) {
    const int expected[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(daysInMonth(m, 2023), expected[m - 1]);
    EXPECT_EQ(daysInMonth(2, 2024), 29);
    EXPECT_EQ(daysInMonth(2, 1900), 29);
    EXPECT_EQ(daysInMonth(2, 2100), 29);
    EXPECT_EQ(daysInMonth(2, 2000), 29);
    EXPECT_EQ(daysInMonth(2, -4), 29);
    EXPECT_EQ(daysInMonth(0, 2000), 0);
    EXPECT_EQ(daysInMonth(13, 2000), 0);
}

class CountryFile : public ::testing::Test {
  protected:
    std::string path;
    void SetUp() override {
        path = (std::filesystem::temp_directory_path() /
                ("astro_pays_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".syt"))
                   .string();
    }
    void TearDown() override { std::filesystem::remove(path); }
    void write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
};

TEST_F(CountryFile, WinterAndSummerColumns) {
    write("France 1 2\nInde 5.5 5.5\nCanada -5 -4\nfrance 7 7\n#\nAfter 3 3\n");
    date2 d;
    d.saison = 0;
    EXPECT_DOUBLE_EQ(d.decalagePays("France", path), 1);
    EXPECT_DOUBLE_EQ(d.decalagePays("Canada", path), -5);
    d.saison = 1;
    EXPECT_DOUBLE_EQ(d.decalagePays("France", path), 2);
    EXPECT_DOUBLE_EQ(d.decalagePays("Inde", path), 5.5);
    EXPECT_DOUBLE_EQ(d.decalagePays("Canada", path), -4);
    // Exact, case-sensitive names; "#" ends the list.
    EXPECT_DOUBLE_EQ(d.decalagePays("FRANCE", path), -1000);
    EXPECT_DOUBLE_EQ(d.decalagePays("france", path), 7);
    EXPECT_DOUBLE_EQ(d.decalagePays("After", path), -1000);
    EXPECT_DOUBLE_EQ(d.decalagePays("Nowhere", path), -1000);
    d.saison = -1;
    EXPECT_DOUBLE_EQ(d.decalagePays("France", path), -1000);
}

TEST_F(CountryFile, MissingTruncatedAndMalformedFiles) {
    date2 d;
    EXPECT_DOUBLE_EQ(d.decalagePays("France", path + ".none"), -1000);
    write("Inde 5.5 5.5\nFrance 1");
    EXPECT_DOUBLE_EQ(d.decalagePays("Inde", path), 5.5);
    EXPECT_DOUBLE_EQ(d.decalagePays("France", path), -1000);
    write("Inde x 5.5\nFrance 1 2\n");
    EXPECT_DOUBLE_EQ(d.decalagePays("France", path), -1000);
    // A name longer than any buffer is cut, never written past the end.
    write(std::string(5000, 'A') + " 1 2\nFrance 1 2\n");
    EXPECT_DOUBLE_EQ(d.decalagePays("France", path), -1000);
    write("");
    EXPECT_DOUBLE_EQ(d.decalagePays("France", path), -1000);
}
