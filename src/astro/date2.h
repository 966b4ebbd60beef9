// SPDX-License-Identifier: GPL-3.0-or-later
// One instant of the program: calendar fields in Universal Time and Julian centuries since
// JD 2415020.0, with the time-zone offsets used to show clock times.
#pragma once

#include <memory>
#include <string>

class TimeZone;

struct date2 {
    int heure = 0;                 // hour of the day, UT, 0-23
    int jour = 0;                  // day of the month, 1-31
    int mois = 0;                  // month, 1-12
    int annee = 0;                 // astronomical year numbering (the year before 1 is 0)
    int minute = 0;                // 0-59
    long double t = 0;             // Julian centuries since JD 2415020.0 (1899 December 31, 12h UT)
    double decalageOrdinateur = 0; // computer clock's offset from UT, hours (clock = UT + offset)
    double decalageLieu = 0;       // observation place's offset from UT, hours
    int saison = 0;                // 0 winter time, 1 summer time, -1 not yet decided
    // The observation place's tz zone, whose offset follows the instant; null when the place's
    // clock is the fixed decalageLieu (a chosen season, "Other", or a city without a zone).
    std::shared_ptr<const TimeZone> zoneLieu;

    void calculeT();
    int calculeCalendrier();
    void ajouteHeures(int n);
    void ajouteMinutes(int n);
    void ajouteHeuresReel(double hours);
    void ramenerTU(double previousOffset_h);
    void choisitSaison();
    // Offset in hours of `country` in "pays.syt" for the current season; -1000 when unknown.
    double decalagePays(const std::string& country, const std::string& paysPath) const;
    // The observation place's offset from UT at this instant (t), hours: its zone's when it has
    // one, else decalageLieu.
    double placeOffset_h() const;
    std::string texteHeureDate() const;
    std::string texteHeureDateLieu() const;
};

// Days in `month` (1-12) of `year` as the date lists count them: February has 29 days in every
// year divisible by 4 (no century rule). 0 for a month outside 1-12.
int daysInMonth(int month, int year);

// The date label of the conjunction graphs: "Date:" then day and month on two digits and the
// year, e.g. "Date:05/03/1996".
std::string dateLabelText(const date2& date);
