// SPDX-License-Identifier: GPL-3.0-or-later
// The clock of a place from the operating system's tz database (tzdata) through the date/tz
// library: a zone's offset from UT at any instant, summer time and historical rules included as
// tzdata has them.
#pragma once

#include <memory>
#include <string>

class TimeZone {
  public:
    struct Rules;
    explicit TimeZone(std::unique_ptr<const Rules> rules);
    ~TimeZone();

    // The zone `name` of tzdata (an IANA name such as "Europe/Paris"); null when tzdata lacks it.
    static std::shared_ptr<const TimeZone> find(const std::string& name);

    const std::string& name() const;
    // The zone's offset from UT at the instant t (Julian centuries since JD 2415020.0), hours:
    // local time = UT + offset.
    double offsetAt_h(long double t) const;

  private:
    std::unique_ptr<const Rules> rules_;
};
