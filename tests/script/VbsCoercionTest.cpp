// SPDX-License-Identifier: MIT
#include "VbsTestValues.h"
#include "platform/script/vbscript/DateSerial.h"

#include <gtest/gtest.h>

namespace zp::vbs {
namespace {

using test::Describe;
using test::V;

struct TCoerceCase {
    const char* Conversion; // CStr, CDbl, CLng, CInt, CBool, CDate
    const char* Value;
    const char* Expected;
};

TVariant Convert(const std::string& how, const TVariant& v) {
    if (how == "CStr")
        return TVariant::FromString(ToString(v));
    if (how == "CDbl")
        return TVariant::FromDouble(ToDouble(v));
    if (how == "CLng")
        return TVariant::FromLong(ToLong(v));
    if (how == "CInt")
        return TVariant::FromInteger(ToInteger(v));
    if (how == "CBool")
        return TVariant::FromBool(ToBool(v));
    if (how == "CDate")
        return TVariant::FromDate(ToDate(v));
    ADD_FAILURE() << "unknown conversion " << how;
    return {};
}

constexpr TCoerceCase kCases[] = {
    // Text of numbers: up to 15 significant digits (7 for Single), "." as the
    // decimal point, the exponent form outside the plain form's reach.
    {"CStr", "D:0.1", "String:0.1"},
    {"CStr", "D:0.3333333333333333", "String:0.333333333333333"},
    {"CStr", "D:0.0333333333333333", "String:3.33333333333333E-02"},
    {"CStr", "D:0.0001", "String:0.0001"},
    {"CStr", "D:0.00001", "String:1E-05"},
    {"CStr", "D:123456789012345", "String:123456789012345"},
    {"CStr", "D:1234567890123456", "String:1.23456789012346E+15"},
    {"CStr", "D:-2.5", "String:-2.5"},
    {"CStr", "D:1e100", "String:1E+100"},
    {"CStr", "F:0.1", "String:0.1"},
    {"CStr", "C:-0.5", "String:-0.5"},
    {"CStr", "B:1", "String:True"},
    {"CStr", "E", "String:"},
    {"CStr", "N", "error 94"},
    // Dates: the date alone at midnight, the time alone on day 0.
    {"CStr", "T:44197", "String:1/1/2021"},
    {"CStr", "T:44197.75", "String:1/1/2021 6:00:00 PM"},
    {"CStr", "T:0", "String:12:00:00 AM"},
    {"CStr", "T:0.5", "String:12:00:00 PM"},
    {"CStr", "T:-1.25", "String:12/29/1899 6:00:00 AM"},
    {"CStr", "T:2", "String:1/1/1900"},
    // Text as a number: blanks, sign, decimals, exponent, &H and &O.
    {"CDbl", "S: -1.5e3 ", "Double:-1500"},
    {"CDbl", "S:.5", "Double:0.5"},
    {"CDbl", "S:&HFF", "Double:255"},
    {"CDbl", "S:&o17", "Double:15"},
    {"CDbl", "S:&HFFFFFFFF", "Double:-1"},
    {"CDbl", "S:1,5", "error 13"},
    {"CDbl", "S:", "error 13"},
    {"CDbl", "S:12abc", "error 13"},
    {"CDbl", "S:1e", "error 13"},
    {"CDbl", "S:1e999", "error 13"},
    {"CDbl", "N", "error 94"},
    {"CDbl", "E", "Double:0"},
    // Whole numbers round a half to the even neighbour and overflow outside their range.
    {"CLng", "D:2.5", "Long:2"},
    {"CLng", "D:3.5", "Long:4"},
    {"CLng", "D:-2.5", "Long:-2"},
    {"CLng", "S:2.5", "Long:2"},
    {"CLng", "D:2147483647.4", "Long:2147483647"},
    {"CLng", "D:2147483648", "error 6"},
    {"CInt", "D:32767.5", "error 6"},
    {"CInt", "D:-32768.5", "Integer:-32768"},
    {"CInt", "B:1", "Integer:-1"},
    {"CInt", "S:x", "error 13"},
    {"CBool", "S:true", "Boolean:True"},
    {"CBool", "S:0", "Boolean:False"},
    {"CBool", "D:0.1", "Boolean:True"},
    {"CBool", "S:yes", "error 13"},
    // Dates from text in the en-US forms, day first only when the month cannot be.
    {"CDate", "S:1/31/2021", "Date:1/31/2021"},
    {"CDate", "S:31/1/2021", "Date:1/31/2021"},
    {"CDate", "S:2021-03-04 13:14:15", "Date:3/4/2021 1:14:15 PM"},
    {"CDate", "S:January 5, 2021", "Date:1/5/2021"},
    {"CDate", "S:5 Jan 99", "Date:1/5/1999"},
    {"CDate", "S:1/5/29", "Date:1/5/2029"},
    {"CDate", "S:Tuesday, January 5, 2021 12:30 AM", "Date:1/5/2021 12:30:00 AM"},
    {"CDate", "S:13:05", "Date:1:05:00 PM"},
    {"CDate", "S:2/30/2021", "error 13"},
    {"CDate", "S:25:00", "error 13"},
    {"CDate", "S:hello", "error 13"},
    {"CDate", "D:44197.5", "Date:1/1/2021 12:00:00 PM"},
    {"CDate", "D:1e7", "error 6"},
};

class VbsCoercionCases : public testing::TestWithParam<TCoerceCase> {};

TEST_P(VbsCoercionCases, ConvertsAsTheLanguageDoes) {
    const TCoerceCase& c = GetParam();
    EXPECT_EQ(Describe([&] { return Convert(c.Conversion, V(c.Value)); }), c.Expected)
        << c.Conversion << "(" << c.Value << ")";
}

INSTANTIATE_TEST_SUITE_P(Coercions, VbsCoercionCases, testing::ValuesIn(kCases));

TEST(VbsDateSerial, CalendarRoundTripsOverTheWholeRange) {
    // Every 97th day from 1 January 100 to 31 December 9999 splits and joins back.
    for (double serial = kMinDateSerial; serial <= 2958465; serial += 97) {
        const TDateParts p = SplitDate(serial);
        ASSERT_EQ(static_cast<double>(DaysFromDate(p.Year, p.Month, p.Day)), serial);
    }
    EXPECT_EQ(SplitDate(kMinDateSerial).Year, 100);
    EXPECT_EQ(SplitDate(2958465).Year, 9999);
    EXPECT_EQ(WeekdayOf(44197), 6); // 1 January 2021 was a Friday
}

TEST(VbsDateSerial, DayAndMonthRunOver) {
    double serial = 0;
    ASSERT_TRUE(SerialFromParts(2020, 14, 1, serial));
    EXPECT_EQ(FormatGeneralDate(serial), "2/1/2021");
    ASSERT_TRUE(SerialFromParts(2021, 3, 0, serial));
    EXPECT_EQ(FormatGeneralDate(serial), "2/28/2021");
    ASSERT_TRUE(SerialFromParts(2021, 1, -1, serial));
    EXPECT_EQ(FormatGeneralDate(serial), "12/30/2020");
    EXPECT_FALSE(SerialFromParts(10000, 1, 1, serial));
    EXPECT_FALSE(SerialFromParts(2021, 1, 2000000000, serial));
}

} // namespace
} // namespace zp::vbs
