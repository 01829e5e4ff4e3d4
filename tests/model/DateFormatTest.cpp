// SPDX-License-Identifier: MIT
#include "model/data/DateFormat.h"

#include "model/data/ZpData.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <limits>

namespace zp {
namespace {

// Monday, 5 February 2024, 14:07:09: day 36 of a leap year.
const QDateTime kWhen(QDate(2024, 2, 5), QTime(14, 7, 9));

struct TFormatCase {
    const char* Format;
    const char* English; // en_US
    const char* German;  // de_DE
};

const TFormatCase kFormatCases[] = {
    {"mm/dd/yy", "02/05/24", "02.05.24"}, // "/" is the locale's date separator
    {"m/d/yyyy", "2/5/2024", "2.5.2024"},
    {"dddd, MMMM dd, yyyy", "Monday, February 05, 2024", "Montag, Februar 05, 2024"},
    {"ddd d mmm", "Mon 5 Feb", "Mo. 5 Feb."},
    {"mmmmm dd", "February 05", "Februar 05"}, // five or more letters: the long name
    {"hh:mm:ss", "14:07:09", "14:07:09"},      // m after an hour is the minute
    {"H:M:S", "14:7:9", "14:7:9"},             // letters in any case
    {"hh nn", "14 07", "14 07"},
    {"hh dd mm", "14 05 02", "14 05 02"}, // not directly after the hour: the month
    {"mm/dd/yyyy t", "02/05/2024 2:07 PM", "02.05.2024 14:07"},
    {"\"d\" d 'of' m", "d 5 of 2", "d 5 of 2"},
    {"'unclosed d", "unclosed d", "unclosed d"},
    {"yy-yyyy x#q", "24-2024 x#q", "24-2024 x#q"},
    {"Julian (YYDDD)", "24036", "24036"},
};

class DateFormatCases : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(DateFormatCases, InTwoLocales) {
    const TFormatCase& c = GetParam();
    const QString format = QString::fromUtf8(c.Format);
    EXPECT_EQ(FormatDateTime(format, kWhen, QLocale(QLocale::English, QLocale::UnitedStates)),
              QString::fromUtf8(c.English));
    EXPECT_EQ(FormatDateTime(format, kWhen, QLocale(QLocale::German, QLocale::Germany)),
              QString::fromUtf8(c.German));
}

INSTANTIATE_TEST_SUITE_P(Cases, DateFormatCases, ::testing::ValuesIn(kFormatCases));

struct TAdjustCase {
    QDateTime From;
    int32_t Amount;
    uint8_t Unit;
    QDateTime Expected;
};

QDateTime At(int y, int m, int d, int h = 12, int n = 0, int s = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, n, s), Qt::UTC);
}

class DateAdjustCases : public ::testing::TestWithParam<TAdjustCase> {};

TEST_P(DateAdjustCases, Move) {
    const TAdjustCase& c = GetParam();
    EXPECT_EQ(AdjustDateTime(c.From, c.Amount, c.Unit), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateAdjustCases,
    ::testing::Values(TAdjustCase{At(2024, 1, 31), 1, duMonths,
                                  At(2024, 2, 29)}, // clamped to a shorter month
                      TAdjustCase{At(2023, 1, 31), 1, duMonths, At(2023, 2, 28)},
                      TAdjustCase{At(2024, 3, 31), -1, duMonths, At(2024, 2, 29)},
                      TAdjustCase{At(2024, 1, 15), -13, duMonths, At(2022, 12, 15)},
                      TAdjustCase{At(2024, 2, 29), 1, duYears, At(2025, 2, 28)},
                      TAdjustCase{At(2024, 1, 1), -36, duDays, At(2023, 11, 26)},
                      TAdjustCase{At(2024, 2, 5, 14, 7, 9), 25, duHours, At(2024, 2, 6, 15, 7, 9)},
                      TAdjustCase{At(2024, 2, 5, 14, 7, 9), -8, duMinutes, At(2024, 2, 5, 13, 59, 9)},
                      TAdjustCase{At(2024, 12, 31, 23, 59, 59), 1, duSeconds, At(2025, 1, 1, 0, 0, 0)}));

// The most an amount can say still ends in a date that formats.
TEST(DateAdjustTest, ExtremeAmountsStillFormat) {
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (uint8_t unit = duDays; unit <= duSeconds; ++unit) {
        for (int32_t amount : {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}) {
            const QDateTime t = AdjustDateTime(kWhen, amount, unit);
            EXPECT_TRUE(t.isValid()) << int(unit) << " " << amount;
            EXPECT_FALSE(FormatDateTime(QStringLiteral("yyyy-mm-dd hh:nn:ss"), t, locale).isEmpty());
        }
    }
}

// Formats of arbitrary characters end in a text of bounded length.
TEST(DateFormatTest, ArbitraryFormatsEndInText) {
    QRandomGenerator random(20240205);
    const QLocale locale(QLocale::German, QLocale::Germany);
    for (int round = 0; round < 2000; ++round) {
        QString format;
        const int length = int(random.bounded(40));
        for (int i = 0; i < length; ++i)
            format += QChar(char16_t(random.bounded(2) ? random.bounded(0x80) : random.bounded(0x10000)));
        const QString text = FormatDateTime(format, kWhen, locale);
        EXPECT_LE(text.size(), 32 * (format.size() + 1)) << format.toStdString();
    }
}

TEST(DateFormatTest, UpdateStampsTheCurrentDate) {
    TZpData data;
    data.SetKind(dkDateTime);
    data.SetDateFormat(kJulianDateFormat);
    data.SetDateAdjust(1);
    data.SetDateAdjustUnit(duYears);
    const QDate today = QDate::currentDate();
    data.Update();
    const QDate later = QDate(today.year() + 1, today.month(), std::min(today.day(), 28));
    EXPECT_EQ(data.GetText().left(2), QStringLiteral("%1").arg(later.year() % 100, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(data.GetText().size(), 5);
}

} // namespace
} // namespace zp
