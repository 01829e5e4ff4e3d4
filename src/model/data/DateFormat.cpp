// SPDX-License-Identifier: MIT
#include "model/data/DateFormat.h"

#include "model/data/ZpData.h"

#include <algorithm>
#include <cstdlib>

namespace zp {

const QString kJulianDateFormat = QStringLiteral("Julian (YYDDD)");

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kFarthestYear = 200'000'000;

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// The same day `months` later; Qt's calendar has no year 0, so astronomical
// year 0 and below shift down by one.
QDate AddMonths(const QDate& date, int64_t months) {
    const int64_t total =
        int64_t(date.year() > 0 ? date.year() : date.year() + 1) * 12 + (date.month() - 1) + months;
    int64_t year = FloorDiv(total, 12);
    const int month = int(total - year * 12) + 1;
    if (year <= 0)
        --year;
    // Billions of years fit neither an int nor a QDateTime; such amounts
    // stop at a year that both can hold.
    year = std::clamp<int64_t>(year, -kFarthestYear, kFarthestYear);
    const QDate first(int(year), month, 1);
    return QDate(int(year), month, std::min(date.day(), first.daysInMonth()));
}

// The first character of a short pattern that is not a field letter or a
// quote: "M/d/yy" gives '/', "dd.MM.yy" gives '.'.
QString Separator(const QString& pattern, const QString& fallback) {
    for (const QChar c : pattern)
        if (!c.isLetter() && c != QLatin1Char('\'') && !c.isSpace())
            return QString(c);
    return fallback;
}

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Years outside 1..9999 only arise from huge adjustments; they keep their
// digits and sign rather than being cut.
QString TwoDigitYear(int year) {
    return TwoDigits(std::abs(year) % 100);
}
QString FourDigitYear(int year) {
    return year < 0 ? QStringLiteral("-%1").arg(-qint64(year), 4, 10, QLatin1Char('0'))
                    : QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

char16_t Upper(QChar c) {
    const char16_t u = c.unicode();
    return u >= u'a' && u <= u'z' ? char16_t(u - 32) : u;
}

bool IsAsciiLetter(char16_t u) {
    return u >= u'A' && u <= u'Z';
}

} // namespace

QDateTime AdjustDateTime(const QDateTime& t, int32_t amount, uint8_t unit) {
    const QDateTime wall(t.date(), t.time(), Qt::UTC);
    switch (unit) {
    case duMonths:
        return QDateTime(AddMonths(wall.date(), amount), wall.time(), Qt::UTC);
    case duYears:
        return QDateTime(AddMonths(wall.date(), int64_t(amount) * 12), wall.time(), Qt::UTC);
    case duHours:
        return wall.addSecs(int64_t(amount) * 3600);
    case duMinutes:
        return wall.addSecs(int64_t(amount) * 60);
    case duSeconds:
        return wall.addSecs(amount);
    case duDays:
    default:
        return wall.addSecs(int64_t(amount) * kSecondsPerDay);
    }
}

QString FormatDateTime(const QString& format, const QDateTime& t, const QLocale& locale) {
    const QDate date = t.date();
    const QTime time = t.time();
    if (format == kJulianDateFormat)
        return TwoDigitYear(date.year()) +
               QStringLiteral("%1").arg(date.dayOfYear(), 3, 10, QLatin1Char('0'));

    QString out;
    out.reserve(format.size() * 2);
    QString dateSeparator;
    QString timeSeparator;
    char16_t lastToken = 0;
    const qsizetype n = format.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            qsizetype end = format.indexOf(c, i + 1);
            if (end < 0)
                end = n;
            out += QStringView(format).mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (c == QLatin1Char('/')) {
            if (dateSeparator.isEmpty())
                dateSeparator = Separator(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("/"));
            out += dateSeparator;
            ++i;
            continue;
        }
        if (c == QLatin1Char(':')) {
            if (timeSeparator.isEmpty())
                timeSeparator = Separator(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":"));
            out += timeSeparator;
            ++i;
            continue;
        }
        const char16_t letter = Upper(c);
        if (!IsAsciiLetter(letter)) {
            out += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < n && Upper(format.at(i + run)) == letter)
            ++run;
        char16_t token = letter;
        if (token == u'M' && lastToken == u'H' && run <= 2)
            token = u'N';
        lastToken = token;
        switch (token) {
        case u'D':
            if (run == 1)
                out += QString::number(date.day());
            else if (run == 2)
                out += TwoDigits(date.day());
            else
                out +=
                    locale.dayName(date.dayOfWeek(), run == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case u'M':
            if (run == 1)
                out += QString::number(date.month());
            else if (run == 2)
                out += TwoDigits(date.month());
            else
                out += locale.monthName(date.month(), run == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case u'Y':
            out += run <= 2 ? TwoDigitYear(date.year()) : FourDigitYear(date.year());
            break;
        case u'H':
            out += run == 1 ? QString::number(time.hour()) : TwoDigits(time.hour());
            break;
        case u'N':
            out += run == 1 ? QString::number(time.minute()) : TwoDigits(time.minute());
            break;
        case u'S':
            out += run == 1 ? QString::number(time.second()) : TwoDigits(time.second());
            break;
        case u'T':
            for (qsizetype k = 0; k < run; ++k)
                out += locale.toString(time, QLocale::ShortFormat);
            break;
        default:
            out += QStringView(format).mid(i, run);
            break;
        }
        i += run;
    }
    return out;
}

} // namespace zp
