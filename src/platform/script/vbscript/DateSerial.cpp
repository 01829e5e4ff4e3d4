// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/DateSerial.h"

#include <QDate>
#include <array>
#include <cmath>
#include <vector>

namespace zp::vbs {

namespace {

// Days between 1 January 1970 and 30 December 1899.
constexpr int64_t kSerialToUnixDays = 25569;

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

void DateFromDays(int64_t serialDays, int64_t& year, int& month, int& day) {
    // Counted in 400-year eras of the Gregorian calendar, from 1 March so
    // that the leap day ends the year.
    const int64_t z = serialDays - kSerialToUnixDays + 719468;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = yoe + era * 400 + (month <= 2 ? 1 : 0);
}

QString TwoDigits(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

// The date reader's pieces: numbers, words and separators.
struct TToken {
    enum Kind { Number, Word, Sep } K;
    int Value = 0;  // numbers
    int Length = 0; // digits of a number
    QString Text;   // words, lower case; the separator character
    bool Used = false;
};

bool Tokenize(const QString& text, std::vector<TToken>& out) {
    int i = 0;
    const int n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            int value = 0, len = 0;
            while (i < n && text[i].unicode() >= '0' && text[i].unicode() <= '9') {
                if (len < 9)
                    value = value * 10 + (text[i].unicode() - '0');
                ++len;
                ++i;
            }
            if (len > 9)
                return false;
            out.push_back({TToken::Number, value, len, {}});
        } else if (c.isLetter() && c.unicode() < 128) {
            const int start = i;
            while (i < n && text[i].isLetter() && text[i].unicode() < 128)
                ++i;
            out.push_back({TToken::Word, 0, 0, text.mid(start, i - start).toLower()});
        } else if (c == u' ' || c == u'\t') {
            ++i;
        } else if (c == u'/' || c == u'-' || c == u'.' || c == u',' || c == u':') {
            out.push_back({TToken::Sep, 0, 0, QString(c)});
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

int MonthFromWord(const QString& w) {
    for (int m = 0; m < 12; ++m) {
        const QString name = QString::fromLatin1(kMonths[static_cast<size_t>(m)]).toLower();
        if (w == name || (w.size() >= 3 && name.startsWith(w)))
            return m + 1;
    }
    return 0;
}

bool IsWeekdayWord(const QString& w) {
    for (const char* d : kWeekdays) {
        const QString name = QString::fromLatin1(d).toLower();
        if (w == name || (w.size() >= 3 && name.startsWith(w)))
            return true;
    }
    return false;
}

int AmPm(const QString& w) {
    if (w == u"am" || w == u"a")
        return 1;
    if (w == u"pm" || w == u"p")
        return 2;
    return 0;
}

bool IsSep(const std::vector<TToken>& t, size_t i, char16_t c) {
    return i < t.size() && t[i].K == TToken::Sep && t[i].Text[0] == c;
}

// Finds and consumes a time: h:mm[:ss] [AM|PM], or h AM|PM.
bool ReadTime(std::vector<TToken>& t, bool& found, double& time) {
    found = false;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i].K != TToken::Number)
            continue;
        int h = t[i].Value, m = 0, s = 0;
        size_t end = i + 1;
        bool colon = false;
        if (IsSep(t, i + 1, u':') && i + 2 < t.size() && t[i + 2].K == TToken::Number) {
            colon = true;
            m = t[i + 2].Value;
            end = i + 3;
            if (IsSep(t, end, u':') && end + 1 < t.size() && t[end + 1].K == TToken::Number) {
                s = t[end + 1].Value;
                end += 2;
            }
        }
        int ampm = 0;
        if (end < t.size() && t[end].K == TToken::Word && AmPm(t[end].Text) != 0) {
            ampm = AmPm(t[end].Text);
            ++end;
        }
        if (!colon && ampm == 0)
            continue;
        if (found)
            return false; // two times
        if (ampm != 0) {
            if (h < 1 || h > 12)
                return false;
            h = (h % 12) + (ampm == 2 ? 12 : 0);
        }
        if (h > 23 || m > 59 || s > 59)
            return false;
        for (size_t k = i; k < end; ++k)
            t[k].Used = true;
        time = (h * 3600 + m * 60 + s) / 86400.0;
        found = true;
        i = end - 1;
    }
    return true;
}

int FullYear(const TToken& t) {
    return t.Length <= 2 ? (t.Value < 30 ? 2000 + t.Value : 1900 + t.Value) : t.Value;
}

bool LooksLikeYear(const TToken& t) {
    return t.Length >= 3 || t.Value > 31;
}

} // namespace

bool IsValidDateSerial(double serial) {
    return std::isfinite(serial) && serial >= kMinDateSerial && serial < kMaxDateSerial + 1e-8;
}

int64_t DaysFromDate(int64_t year, int month, int day) {
    const int64_t y = year - (month <= 2 ? 1 : 0);
    const int64_t era = FloorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + kSerialToUnixDays;
}

int DaysInMonth(int64_t year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<size_t>(month - 1)];
}

TDateParts SplitDate(double serial) {
    TDateParts p;
    if (!std::isfinite(serial) || std::fabs(serial) > 1e8)
        return p; // far outside any date
    int64_t days = static_cast<int64_t>(std::trunc(serial));
    int64_t secs = std::llround(std::fabs(serial - static_cast<double>(days)) * 86400.0);
    if (secs >= 86400) {
        // The time ran over to midnight: the next calendar day either way,
        // as the fraction always counts forwards.
        secs -= 86400;
        days += 1;
    }
    int64_t year = 0;
    DateFromDays(days, year, p.Month, p.Day);
    p.Year = static_cast<int>(year);
    p.Hour = static_cast<int>(secs / 3600);
    p.Minute = static_cast<int>(secs / 60 % 60);
    p.Second = static_cast<int>(secs % 60);
    return p;
}

double JoinDate(int64_t days, double time) {
    return days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
}

bool SerialFromParts(int64_t year, int64_t month, int64_t day, double& serial) {
    if (std::llabs(year) > 1000000 || std::llabs(month) > 12000000 || std::llabs(day) > 400000000)
        return false;
    year += FloorDiv(month - 1, 12);
    month = month - 1 - FloorDiv(month - 1, 12) * 12 + 1;
    if (std::llabs(year) > 2000000)
        return false;
    const int64_t days = DaysFromDate(year, static_cast<int>(month), 1) + day - 1;
    serial = static_cast<double>(days);
    return IsValidDateSerial(serial);
}

int WeekdayOf(double serial) {
    const TDateParts p = SplitDate(serial);
    const int64_t days = DaysFromDate(p.Year, p.Month, p.Day);
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1; // day 0 was a Saturday
}

QString MonthNameOf(int month, bool abbreviate) {
    const QString name = QString::fromLatin1(kMonths[static_cast<size_t>(month - 1)]);
    return abbreviate ? name.left(3) : name;
}

QString WeekdayNameOf(int weekday, bool abbreviate) {
    const QString name = QString::fromLatin1(kWeekdays[static_cast<size_t>(weekday - 1)]);
    return abbreviate ? name.left(3) : name;
}

QString FormatShortDate(const TDateParts& p) {
    return QStringLiteral("%1/%2/%3").arg(p.Month).arg(p.Day).arg(p.Year);
}

QString FormatLongDate(const TDateParts& p) {
    const int64_t days = DaysFromDate(p.Year, p.Month, p.Day);
    const int weekday = static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
    return QStringLiteral("%1, %2 %3, %4")
        .arg(WeekdayNameOf(weekday, false), MonthNameOf(p.Month, false))
        .arg(p.Day)
        .arg(p.Year);
}

QString FormatLongTime(const TDateParts& p) {
    const int h12 = p.Hour % 12 == 0 ? 12 : p.Hour % 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(h12)
        .arg(TwoDigits(p.Minute), TwoDigits(p.Second),
             p.Hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString FormatShortTime(const TDateParts& p) {
    return TwoDigits(p.Hour) + u':' + TwoDigits(p.Minute);
}

QString FormatGeneralDate(double serial) {
    const TDateParts p = SplitDate(serial);
    const bool hasTime = p.Hour != 0 || p.Minute != 0 || p.Second != 0;
    const bool dayZero = p.Year == 1899 && p.Month == 12 && p.Day == 30;
    if (dayZero)
        return FormatLongTime(p);
    if (!hasTime)
        return FormatShortDate(p);
    return FormatShortDate(p) + u' ' + FormatLongTime(p);
}

bool ParseDateText(const QString& text, double& serial) {
    std::vector<TToken> tokens;
    if (!Tokenize(text, tokens) || tokens.empty())
        return false;
    bool hasTime = false;
    double time = 0;
    if (!ReadTime(tokens, hasTime, time))
        return false;

    std::vector<TToken> nums;
    int month = 0;
    for (const TToken& t : tokens) {
        if (t.Used)
            continue;
        if (t.K == TToken::Number) {
            nums.push_back(t);
        } else if (t.K == TToken::Word) {
            const int m = MonthFromWord(t.Text);
            if (m != 0 && month == 0)
                month = m;
            else if (!IsWeekdayWord(t.Text))
                return false;
        } else if (t.Text[0] == u':') {
            return false;
        }
    }

    const int currentYear = QDate::currentDate().year();
    int64_t year = currentYear;
    int day = 1;
    if (month != 0) {
        if (nums.size() == 1) {
            if (LooksLikeYear(nums[0]))
                year = FullYear(nums[0]);
            else
                day = nums[0].Value;
        } else if (nums.size() == 2) {
            const bool yearFirst = LooksLikeYear(nums[0]);
            year = FullYear(yearFirst ? nums[0] : nums[1]);
            day = (yearFirst ? nums[1] : nums[0]).Value;
        } else {
            return false;
        }
    } else if (nums.size() == 3) {
        if (LooksLikeYear(nums[0])) {
            year = FullYear(nums[0]);
            month = nums[1].Value;
            day = nums[2].Value;
        } else {
            month = nums[0].Value;
            day = nums[1].Value;
            year = FullYear(nums[2]);
        }
    } else if (nums.size() == 2) {
        if (LooksLikeYear(nums[1])) {
            month = nums[0].Value;
            year = FullYear(nums[1]);
        } else if (LooksLikeYear(nums[0])) {
            year = FullYear(nums[0]);
            month = nums[1].Value;
        } else {
            month = nums[0].Value;
            day = nums[1].Value;
        }
    } else if (nums.empty() && hasTime) {
        serial = time;
        return true;
    } else {
        return false;
    }
    // A month over 12 with a day that can be a month reads day first
    // ("31/1/2021"), as the language's reader tries that order next.
    if (month > 12 && day <= 12)
        std::swap(month, day);
    if (month < 1 || month > 12 || day < 1 || year < 100 || year > 9999)
        return false;
    if (day > DaysInMonth(year, month))
        return false;
    serial = JoinDate(DaysFromDate(year, month, day), time);
    return true;
}

} // namespace zp::vbs
