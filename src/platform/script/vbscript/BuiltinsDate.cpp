// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/BuiltinTable.h"
#include "platform/script/vbscript/DateSerial.h"
#include "platform/script/vbscript/VariantText.h"

#include <QDateTime>
#include <cmath>

namespace zp::vbs {

namespace {

// A date as whole calendar days and seconds of the day, so that date
// arithmetic needs no care for the sign of serials before 1900.
struct TMoment {
    int64_t Days = 0;
    int64_t Seconds = 0;
    TDateParts Parts;
};

TMoment MomentOf(double serial) {
    TMoment m;
    m.Parts = SplitDate(serial);
    m.Days = DaysFromDate(m.Parts.Year, m.Parts.Month, m.Parts.Day);
    m.Seconds = m.Parts.Hour * 3600 + m.Parts.Minute * 60 + m.Parts.Second;
    return m;
}

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

TVariant DateFromMoment(int64_t days, int64_t seconds) {
    days += FloorDiv(seconds, 86400);
    seconds -= FloorDiv(seconds, 86400) * 86400;
    const double serial = JoinDate(days, static_cast<double>(seconds) / 86400.0);
    if (!IsValidDateSerial(serial))
        Raise(kErrInvalidCall);
    return TVariant::FromDate(serial);
}

TMoment MomentArg(const TVariant& v) {
    return MomentOf(ToDate(v));
}

// The first day of the week: 1 (Sunday) to 7; 0 asks for the system's, Sunday.
int FirstDayArg(const TArgs& a, size_t i) {
    if (!HasArg(a, i))
        return 1;
    const int32_t d = LongArg(a[i]);
    if (d < 0 || d > 7)
        Raise(kErrInvalidCall);
    return d == 0 ? 1 : d;
}

// The first week of the year: 1 the week of 1 January, 2 the first with four
// days, 3 the first full week; 0 asks for the system's, the first.
int FirstWeekArg(const TArgs& a, size_t i) {
    if (!HasArg(a, i))
        return 1;
    const int32_t w = LongArg(a[i]);
    if (w < 0 || w > 3)
        Raise(kErrInvalidCall);
    return w == 0 ? 1 : w;
}

int WeekdayFrom(int64_t days, int firstDay) {
    const int sundayBased = static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
    return (sundayBased - firstDay + 7) % 7 + 1;
}

enum class TInterval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

TInterval IntervalArg(const TVariant& v) {
    const QString s = TextArg(v).toLower();
    if (s == u"yyyy")
        return TInterval::Year;
    if (s == u"q")
        return TInterval::Quarter;
    if (s == u"m")
        return TInterval::Month;
    if (s == u"y")
        return TInterval::DayOfYear;
    if (s == u"d")
        return TInterval::Day;
    if (s == u"w")
        return TInterval::Weekday;
    if (s == u"ww")
        return TInterval::Week;
    if (s == u"h")
        return TInterval::Hour;
    if (s == u"n")
        return TInterval::Minute;
    if (s == u"s")
        return TInterval::Second;
    Raise(kErrInvalidCall);
}

TVariant Part(const TVariant& v, int TDateParts::*field) {
    if (v.IsNull())
        return TVariant::Null();
    return TVariant::FromInteger(static_cast<int16_t>(SplitDate(ToDate(v)).*field));
}

TVariant Year(IVbsRuntime&, const TArgs& a) {
    return Part(a[0], &TDateParts::Year);
}
TVariant Month(IVbsRuntime&, const TArgs& a) {
    return Part(a[0], &TDateParts::Month);
}
TVariant Day(IVbsRuntime&, const TArgs& a) {
    return Part(a[0], &TDateParts::Day);
}
TVariant Hour(IVbsRuntime&, const TArgs& a) {
    return Part(a[0], &TDateParts::Hour);
}
TVariant Minute(IVbsRuntime&, const TArgs& a) {
    return Part(a[0], &TDateParts::Minute);
}
TVariant Second(IVbsRuntime&, const TArgs& a) {
    return Part(a[0], &TDateParts::Second);
}

TMoment NowMoment() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    TMoment m;
    m.Days = DaysFromDate(d.year(), d.month(), d.day());
    m.Seconds = now.time().msecsSinceStartOfDay() / 1000; // whole seconds, as the clock functions give
    return m;
}

TVariant Now(IVbsRuntime&, const TArgs&) {
    const TMoment m = NowMoment();
    return DateFromMoment(m.Days, m.Seconds);
}

TVariant Date(IVbsRuntime&, const TArgs&) {
    return DateFromMoment(NowMoment().Days, 0);
}
TVariant Time(IVbsRuntime&, const TArgs&) {
    return DateFromMoment(0, NowMoment().Seconds);
}

TVariant Timer(IVbsRuntime&, const TArgs&) {
    // Seconds since midnight, to the hundredth.
    const int msecs = QTime::currentTime().msecsSinceStartOfDay();
    return TVariant::FromSingle(static_cast<float>(msecs / 10) / 100.0f);
}

TVariant Weekday(IVbsRuntime&, const TArgs& a) {
    const int first = FirstDayArg(a, 1);
    if (a[0].IsNull())
        return TVariant::Null();
    return TVariant::FromInteger(static_cast<int16_t>(WeekdayFrom(MomentArg(a[0]).Days, first)));
}

TVariant WeekdayName(IVbsRuntime&, const TArgs& a) {
    const int32_t weekday = LongArg(a[0]);
    const bool abbreviate = HasArg(a, 1) && ToBool(a[1]);
    const int first = FirstDayArg(a, 2);
    if (weekday < 1 || weekday > 7)
        Raise(kErrInvalidCall);
    return TVariant::FromString(WeekdayNameOf((weekday - 1 + first - 1) % 7 + 1, abbreviate));
}

TVariant MonthName(IVbsRuntime&, const TArgs& a) {
    const int32_t month = LongArg(a[0]);
    const bool abbreviate = HasArg(a, 1) && ToBool(a[1]);
    if (month < 1 || month > 12)
        Raise(kErrInvalidCall);
    return TVariant::FromString(MonthNameOf(month, abbreviate));
}

TVariant DateAdd(IVbsRuntime&, const TArgs& a) {
    const TInterval interval = IntervalArg(a[0]);
    const int64_t n = LongArg(a[1]);
    if (a[2].IsNull())
        return TVariant::Null();
    const TMoment m = MomentArg(a[2]);
    switch (interval) {
    case TInterval::Year:
    case TInterval::Quarter:
    case TInterval::Month: {
        // Whole months; a day past the end of the new month becomes its last day.
        const int64_t months = n * (interval == TInterval::Year      ? 12
                                    : interval == TInterval::Quarter ? 3
                                                                     : 1);
        const int64_t index = m.Parts.Year * 12 + (m.Parts.Month - 1) + months;
        const int64_t year = FloorDiv(index, 12);
        const int month = static_cast<int>(index - year * 12) + 1;
        if (year < 100 || year > 9999)
            Raise(kErrInvalidCall);
        const int day = std::min(m.Parts.Day, DaysInMonth(year, month));
        return DateFromMoment(DaysFromDate(year, month, day), m.Seconds);
    }
    case TInterval::DayOfYear:
    case TInterval::Day:
    case TInterval::Weekday:
        return DateFromMoment(m.Days + n, m.Seconds);
    case TInterval::Week:
        return DateFromMoment(m.Days + n * 7, m.Seconds);
    case TInterval::Hour:
        return DateFromMoment(m.Days, m.Seconds + n * 3600);
    case TInterval::Minute:
        return DateFromMoment(m.Days, m.Seconds + n * 60);
    case TInterval::Second:
        break;
    }
    return DateFromMoment(m.Days, m.Seconds + n);
}

TVariant LongResult(int64_t v) {
    if (v < INT32_MIN || v > INT32_MAX)
        Raise(kErrOverflow);
    return TVariant::FromLong(static_cast<int32_t>(v));
}

TVariant DateDiff(IVbsRuntime&, const TArgs& a) {
    const TInterval interval = IntervalArg(a[0]);
    const int first = FirstDayArg(a, 3);
    (void)FirstWeekArg(a, 4);
    if (a[1].IsNull() || a[2].IsNull())
        return TVariant::Null();
    const TMoment x = MomentArg(a[1]), y = MomentArg(a[2]);
    const int64_t tx = x.Days * 86400 + x.Seconds, ty = y.Days * 86400 + y.Seconds;
    // Each interval counts the boundaries crossed between the two dates:
    // DateDiff("yyyy", #12/31/2020#, #1/1/2021#) is 1.
    switch (interval) {
    case TInterval::Year:
        return LongResult(y.Parts.Year - x.Parts.Year);
    case TInterval::Quarter:
        return LongResult((y.Parts.Year * 4 + (y.Parts.Month - 1) / 3) -
                          (x.Parts.Year * 4 + (x.Parts.Month - 1) / 3));
    case TInterval::Month:
        return LongResult((y.Parts.Year * 12 + y.Parts.Month) - (x.Parts.Year * 12 + x.Parts.Month));
    case TInterval::DayOfYear:
    case TInterval::Day:
        return LongResult(y.Days - x.Days);
    case TInterval::Weekday:
        return LongResult((y.Days - x.Days) / 7);
    case TInterval::Week: {
        const auto weekStart = [first](int64_t d) { return d - (WeekdayFrom(d, first) - 1); };
        return LongResult((weekStart(y.Days) - weekStart(x.Days)) / 7);
    }
    case TInterval::Hour:
        return LongResult(FloorDiv(ty, 3600) - FloorDiv(tx, 3600));
    case TInterval::Minute:
        return LongResult(FloorDiv(ty, 60) - FloorDiv(tx, 60));
    case TInterval::Second:
        break;
    }
    return LongResult(ty - tx);
}

int64_t WeekOneStart(int64_t year, int firstDay, int firstWeek) {
    const int64_t jan1 = DaysFromDate(year, 1, 1);
    const int offset = WeekdayFrom(jan1, firstDay) - 1; // days since the week began
    switch (firstWeek) {
    case 2:
        return 7 - offset >= 4 ? jan1 - offset : jan1 + 7 - offset;
    case 3:
        return offset == 0 ? jan1 : jan1 + 7 - offset;
    default:
        return jan1 - offset;
    }
}

TVariant DatePart(IVbsRuntime&, const TArgs& a) {
    const TInterval interval = IntervalArg(a[0]);
    const int first = FirstDayArg(a, 2);
    const int firstWeek = FirstWeekArg(a, 3);
    if (a[1].IsNull())
        return TVariant::Null();
    const TMoment m = MomentArg(a[1]);
    int64_t r = 0;
    switch (interval) {
    case TInterval::Year:
        r = m.Parts.Year;
        break;
    case TInterval::Quarter:
        r = (m.Parts.Month - 1) / 3 + 1;
        break;
    case TInterval::Month:
        r = m.Parts.Month;
        break;
    case TInterval::DayOfYear:
        r = m.Days - DaysFromDate(m.Parts.Year, 1, 1) + 1;
        break;
    case TInterval::Day:
        r = m.Parts.Day;
        break;
    case TInterval::Weekday:
        r = WeekdayFrom(m.Days, first);
        break;
    case TInterval::Week: {
        // A day before its year's first week belongs to the last week of the year before.
        int64_t start = WeekOneStart(m.Parts.Year, first, firstWeek);
        if (m.Days < start)
            start = WeekOneStart(m.Parts.Year - 1, first, firstWeek);
        r = (m.Days - start) / 7 + 1;
        break;
    }
    case TInterval::Hour:
        r = m.Parts.Hour;
        break;
    case TInterval::Minute:
        r = m.Parts.Minute;
        break;
    case TInterval::Second:
        r = m.Parts.Second;
        break;
    }
    return TVariant::FromInteger(static_cast<int16_t>(r));
}

TVariant DateSerial(IVbsRuntime&, const TArgs& a) {
    int64_t year = LongArg(a[0]);
    const int64_t month = LongArg(a[1]), day = LongArg(a[2]);
    // Two-digit years: 0-29 are 2000-2029, 30-99 are 1930-1999.
    if (year >= 0 && year <= 99)
        year += year < 30 ? 2000 : 1900;
    double serial = 0;
    if (!SerialFromParts(year, month, day, serial))
        Raise(kErrInvalidCall);
    return TVariant::FromDate(serial);
}

TVariant TimeSerial(IVbsRuntime&, const TArgs& a) {
    const int64_t seconds = int64_t{LongArg(a[0])} * 3600 + int64_t{LongArg(a[1])} * 60 + LongArg(a[2]);
    if (seconds >= 0 && seconds < 86400)
        return TVariant::FromDate(static_cast<double>(seconds) / 86400.0);
    return DateFromMoment(0, seconds);
}

TVariant DateValue(IVbsRuntime&, const TArgs& a) {
    if (a[0].IsNull())
        return TVariant::Null();
    return DateFromMoment(MomentArg(a[0]).Days, 0);
}

TVariant TimeValue(IVbsRuntime&, const TArgs& a) {
    if (a[0].IsNull())
        return TVariant::Null();
    return DateFromMoment(0, MomentArg(a[0]).Seconds);
}

constexpr TBuiltinEntry kEntries[] = {
    {"Now", {Now, 0, 0}},
    {"Date", {Date, 0, 0}},
    {"Time", {Time, 0, 0}},
    {"Timer", {Timer, 0, 0}},
    {"Year", {Year, 1, 1}},
    {"Month", {Month, 1, 1}},
    {"Day", {Day, 1, 1}},
    {"Hour", {Hour, 1, 1}},
    {"Minute", {Minute, 1, 1}},
    {"Second", {Second, 1, 1}},
    {"Weekday", {Weekday, 1, 2}},
    {"WeekdayName", {WeekdayName, 1, 3}},
    {"MonthName", {MonthName, 1, 2}},
    {"DateAdd", {DateAdd, 3, 3}},
    {"DateDiff", {DateDiff, 3, 5}},
    {"DatePart", {DatePart, 2, 4}},
    {"DateSerial", {DateSerial, 3, 3}},
    {"TimeSerial", {TimeSerial, 3, 3}},
    {"DateValue", {DateValue, 1, 1}},
    {"TimeValue", {TimeValue, 1, 1}},
};

} // namespace

std::span<const TBuiltinEntry> DateBuiltins() {
    return kEntries;
}

} // namespace zp::vbs
