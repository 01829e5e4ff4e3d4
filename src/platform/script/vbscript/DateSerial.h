// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

namespace zp::vbs {

// Date values are serials: whole days since 30 December 1899, the time of
// day as the fraction. Before that day the fraction still counts forwards
// from midnight (-1.25 is 29 December 1899, 6:00), so the time part is the
// absolute value of the fraction.

inline constexpr double kMinDateSerial = -657434.0;        // 1 January 100
inline constexpr double kMaxDateSerial = 2958465.99999999; // 31 December 9999, 23:59:59

/// A serial split into its calendar parts, the time rounded to the second.
struct TDateParts {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

[[nodiscard]] bool IsValidDateSerial(double serial);
/// Days since 30 December 1899 of a proleptic Gregorian date (no range check).
[[nodiscard]] int64_t DaysFromDate(int64_t year, int month, int day);
[[nodiscard]] TDateParts SplitDate(double serial);
[[nodiscard]] int DaysInMonth(int64_t year, int month);
/// The serial of whole days plus a time of day (0 <= time < 1).
[[nodiscard]] double JoinDate(int64_t days, double time);
/// The serial of a date whose month and day may run over (month 13 is January
/// of the next year, day 0 the last day of the previous month), as DateSerial
/// computes it; false when the result is out of the date range.
[[nodiscard]] bool SerialFromParts(int64_t year, int64_t month, int64_t day, double& serial);
/// 1 (Sunday) to 7 (Saturday).
[[nodiscard]] int WeekdayOf(double serial);

/// English (C locale) names: month 1..12, weekday 1 (Sunday)..7.
[[nodiscard]] QString MonthNameOf(int month, bool abbreviate);
[[nodiscard]] QString WeekdayNameOf(int weekday, bool abbreviate);

/// The general date form: "M/D/YYYY h:mm:ss AM", the date alone when the time
/// is midnight and the time alone on day 0.
[[nodiscard]] QString FormatGeneralDate(double serial);
[[nodiscard]] QString FormatShortDate(const TDateParts& p); ///< "M/D/YYYY"
[[nodiscard]] QString FormatLongDate(const TDateParts& p);  ///< "Friday, January 1, 2021"
[[nodiscard]] QString FormatLongTime(const TDateParts& p);  ///< "h:mm:ss AM"
[[nodiscard]] QString FormatShortTime(const TDateParts& p); ///< "HH:mm"

/// Reads a date, a time or both in the en-US forms ("1/31/2021", "2021-01-31",
/// "31 Jan 2021", "January 31, 2021", "13:05", "1:05:09 PM" ...). A date
/// without a year takes the current year; a time alone falls on day 0.
[[nodiscard]] bool ParseDateText(const QString& text, double& serial);

} // namespace zp::vbs
