// SPDX-License-Identifier: MIT
#include "VbsTestValues.h"

#include <QDate>
#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>

namespace zp::vbs {
namespace {

using test::Describe;
using test::V;

class TFixedRuntime : public IVbsRuntime {
public:
    double NextRandom(double, bool) override { return 0.25; }
    void Randomize(double, bool) override {}
};

TVariant Call(const char* name, std::initializer_list<const char*> args) {
    const TBuiltin* fn = FindBuiltin(QString::fromLatin1(name));
    if (!fn) {
        ADD_FAILURE() << "no built-in " << name;
        return {};
    }
    std::vector<TVariant> values;
    for (const char* a : args)
        values.push_back(V(a));
    EXPECT_GE(static_cast<int>(values.size()), fn->MinArgs) << name;
    EXPECT_LE(static_cast<int>(values.size()), fn->MaxArgs) << name;
    TFixedRuntime runtime;
    return fn->Fn(runtime, values);
}

struct TCallCase {
    const char* Name;
    std::initializer_list<const char*> Args;
    const char* Expected; // "Kind:text", "Null" or "error N"
};

// Dates: 44197 is Friday 1 January 2021.
const TCallCase kCases[] = {
    // Strings; Null in gives Null out where the text itself is Null.
    {"Len", {"S:abc"}, "Long:3"},
    {"Len", {"I:-12"}, "Long:3"},
    {"Len", {"N"}, "Null"},
    {"Left", {"S:abc", "I:2"}, "String:ab"},
    {"Left", {"S:abc", "I:-1"}, "error 5"},
    {"Right", {"S:abc", "I:5"}, "String:abc"},
    {"Right", {"N", "I:1"}, "Null"},
    {"Mid", {"S:abcdef", "I:2", "I:3"}, "String:bcd"},
    {"Mid", {"S:abcdef", "D:3"}, "String:cdef"},
    {"Mid", {"S:abc", "I:5"}, "String:"},
    {"Mid", {"S:abc", "I:0"}, "error 5"},
    {"InStr", {"S:abcabc", "S:c"}, "Long:3"},
    {"InStr", {"I:4", "S:abcabc", "S:c"}, "Long:6"},
    {"InStr", {"I:1", "S:ABC", "S:b", "I:1"}, "Long:2"},
    {"InStr", {"I:1", "S:ABC", "S:b", "I:0"}, "Long:0"},
    {"InStr", {"S:abc", "S:"}, "Long:1"},
    {"InStr", {"S:", "S:a"}, "Long:0"},
    {"InStr", {"I:0", "S:a", "S:a"}, "error 5"},
    {"InStr", {"S:abc", "N"}, "Null"},
    {"InStr", {"I:1", "S:a", "S:a", "I:2"}, "error 5"},
    {"InStrRev", {"S:abcabc", "S:c"}, "Long:6"},
    {"InStrRev", {"S:abcabc", "S:bc", "I:5"}, "Long:2"},
    {"InStrRev", {"S:abc", "S:x"}, "Long:0"},
    {"Replace", {"S:abcabc", "S:b", "S:X"}, "String:aXcaXc"},
    {"Replace", {"S:abcabc", "S:b", "S:X", "I:3"}, "String:caXc"}, // begins at the start position
    {"Replace", {"S:abcabc", "S:B", "S:x", "I:1", "I:1", "I:1"}, "String:axcabc"},
    {"Replace", {"S:aaa", "S:a", "S:"}, "String:"},
    {"Replace", {"N", "S:a", "S:b"}, "error 94"},
    {"UCase", {"S:aBc"}, "String:ABC"},
    {"LCase", {"I:1"}, "String:1"},
    {"Trim", {"S:  a b  "}, "String:a b"},
    {"Trim", {"S:\ta "}, "String:\ta"}, // spaces only
    {"LTrim", {"S:  a "}, "String:a "},
    {"RTrim", {"S: a  "}, "String: a"},
    {"Space", {"I:3"}, "String:   "},
    {"Space", {"I:-1"}, "error 5"},
    {"Space", {"L:40000000"}, "error 7"},
    {"String", {"I:3", "S:xy"}, "String:xxx"},
    {"String", {"I:2", "I:321"}, "String:AA"},
    {"String", {"I:1", "S:"}, "error 5"},
    {"StrReverse", {"S:abc"}, "String:cba"},
    {"StrComp", {"S:a", "S:B"}, "Integer:1"},
    {"StrComp", {"S:a", "S:B", "I:1"}, "Integer:-1"},
    {"StrComp", {"N", "S:B"}, "Null"},
    {"Split", {"S:a,b,,c", "S:,"}, "Variant():a|b||c"},
    {"Split", {"S:a b c", "S: ", "I:2"}, "Variant():a|b c"},
    {"Split", {"S:aXbxc", "S:x", "I:-1", "I:1"}, "Variant():a|b|c"},
    {"Split", {"S:"}, "Variant():"},
    {"Join", {"A:a|b|c", "S:-"}, "String:a-b-c"},
    {"Join", {"A:a|b"}, "String:a b"},
    {"Join", {"S:ab"}, "error 13"},
    {"Asc", {"S:Ab"}, "Integer:65"},
    {"Asc", {"S:\u20AC"}, "Integer:128"},
    {"Asc", {"S:"}, "error 5"},
    {"AscW", {"S:\u20AC"}, "Integer:8364"},
    {"Chr", {"I:65"}, "String:A"},
    {"Chr", {"I:128"}, "String:\u20AC"},
    {"Chr", {"I:256"}, "error 5"},
    {"ChrW", {"L:8364"}, "String:\u20AC"},
    // Conversions.
    {"CStr", {"D:2.5"}, "String:2.5"},
    {"CInt", {"S:2.5"}, "Integer:2"},
    {"CInt", {"D:3.5"}, "Integer:4"},
    {"CLng", {"N"}, "error 94"},
    {"CByte", {"I:256"}, "error 6"},
    {"CByte", {"D:-0.5"}, "Byte:0"},
    {"CCur", {"S:1.23456"}, "Currency:1.2346"},
    {"CSng", {"S:0.1"}, "Single:0.1"},
    {"CBool", {"S:False"}, "Boolean:False"},
    {"CDate", {"S:1/2/2021"}, "Date:1/2/2021"},
    {"Hex", {"I:255"}, "String:FF"},
    {"Hex", {"I:-1"}, "String:FFFF"},
    {"Hex", {"L:-1"}, "String:FFFFFFFF"},
    {"Hex", {"N"}, "Null"},
    {"Oct", {"I:8"}, "String:10"},
    {"IsNumeric", {"S: 12.5 "}, "Boolean:True"},
    {"IsNumeric", {"S:12a"}, "Boolean:False"},
    {"IsNumeric", {"E"}, "Boolean:True"},
    {"IsNumeric", {"N"}, "Boolean:False"},
    {"IsNumeric", {"T:1"}, "Boolean:False"},
    {"IsDate", {"S:1/2/2021"}, "Boolean:True"},
    {"IsDate", {"S:13/13/2021"}, "Boolean:False"},
    {"IsDate", {"D:1"}, "Boolean:False"},
    {"IsEmpty", {"E"}, "Boolean:True"},
    {"IsNull", {"N"}, "Boolean:True"},
    {"IsArray", {"A:x"}, "Boolean:True"},
    {"TypeName", {"C:1"}, "String:Currency"},
    {"TypeName", {"A:x"}, "String:Variant()"},
    {"VarType", {"S:x"}, "Integer:8"},
    {"VarType", {"A:x"}, "Integer:8204"},
    // Math: Int and Fix keep the kind; Round halves to even on the shown digits.
    {"Int", {"D:-2.5"}, "Double:-3"},
    {"Fix", {"D:-2.5"}, "Double:-2"},
    {"Int", {"I:5"}, "Integer:5"},
    {"Int", {"S:7.9"}, "Double:7"},
    {"Int", {"N"}, "Null"},
    {"Round", {"D:2.5"}, "Double:2"},
    {"Round", {"D:3.5"}, "Double:4"},
    {"Round", {"D:-2.5"}, "Double:-2"},
    {"Round", {"D:2.675", "I:2"}, "Double:2.68"},
    {"Round", {"D:2.665", "I:2"}, "Double:2.66"},
    {"Round", {"D:0.125", "I:5"}, "Double:0.125"},
    {"Round", {"D:1", "I:-1"}, "error 5"},
    {"Round", {"S:2.5"}, "Double:2"},
    {"Round", {"I:7"}, "Integer:7"},
    {"Abs", {"I:-32768"}, "Long:32768"},
    {"Abs", {"S:-2.5"}, "Double:2.5"},
    {"Sgn", {"I:-3"}, "Integer:-1"},
    {"Sqr", {"I:16"}, "Double:4"},
    {"Sqr", {"I:-1"}, "error 5"},
    {"Log", {"I:0"}, "error 5"},
    {"Exp", {"I:1000"}, "error 6"},
    {"Atn", {"I:1"}, "Double:0.785398163397448"},
    {"Rnd", {}, "Single:0.25"},
    {"Randomize", {"I:5"}, "Empty"},
    // Dates.
    {"Year", {"T:44197"}, "Integer:2021"},
    {"Month", {"S:3/4/2021"}, "Integer:3"},
    {"Hour", {"T:44197.75"}, "Integer:18"},
    {"Second", {"N"}, "Null"},
    {"Weekday", {"T:44197"}, "Integer:6"},
    {"Weekday", {"T:44197", "I:2"}, "Integer:5"},
    {"Weekday", {"T:44197", "I:8"}, "error 5"},
    {"WeekdayName", {"I:1"}, "String:Sunday"},
    {"WeekdayName", {"I:1", "B:1", "I:2"}, "String:Mon"},
    {"WeekdayName", {"I:0"}, "error 5"},
    {"MonthName", {"I:12", "B:1"}, "String:Dec"},
    {"MonthName", {"I:13"}, "error 5"},
    {"DateAdd", {"S:m", "I:1", "S:1/31/2021"}, "Date:2/28/2021"},
    {"DateAdd", {"S:yyyy", "I:1", "S:2/29/2020"}, "Date:2/28/2021"},
    {"DateAdd", {"S:q", "I:-1", "S:1/15/2021"}, "Date:10/15/2020"},
    {"DateAdd", {"S:d", "I:-1", "T:44197"}, "Date:12/31/2020"},
    {"DateAdd", {"S:ww", "I:2", "T:44197"}, "Date:1/15/2021"},
    {"DateAdd", {"S:h", "I:25", "T:44197"}, "Date:1/2/2021 1:00:00 AM"},
    {"DateAdd", {"S:n", "I:-1", "T:44197"}, "Date:12/31/2020 11:59:00 PM"},
    {"DateAdd", {"S:x", "I:1", "T:44197"}, "error 5"},
    {"DateAdd", {"S:yyyy", "I:8000", "T:44197"}, "error 5"},
    {"DateDiff", {"S:yyyy", "S:12/31/2020", "S:1/1/2021"}, "Long:1"},
    {"DateDiff", {"S:d", "S:1/1/2021", "S:3/1/2021"}, "Long:59"},
    {"DateDiff", {"S:d", "S:3/1/2021", "S:1/1/2021"}, "Long:-59"},
    {"DateDiff", {"S:m", "S:1/31/2021", "S:2/1/2021"}, "Long:1"},
    {"DateDiff", {"S:q", "S:3/31/2021", "S:4/1/2021"}, "Long:1"},
    {"DateDiff", {"S:ww", "S:1/1/2021", "S:1/3/2021"}, "Long:1"},
    {"DateDiff", {"S:w", "S:1/1/2021", "S:1/14/2021"}, "Long:1"},
    {"DateDiff", {"S:h", "S:1/1/2021 10:59", "S:1/1/2021 11:00"}, "Long:1"},
    {"DateDiff", {"S:s", "S:1/1/2021", "S:1/2/2021"}, "Long:86400"},
    {"DatePart", {"S:q", "S:5/15/2021"}, "Integer:2"},
    {"DatePart", {"S:y", "S:3/1/2021"}, "Integer:60"},
    {"DatePart", {"S:ww", "S:1/1/2021"}, "Integer:1"},
    {"DatePart", {"S:ww", "S:1/3/2021"}, "Integer:2"},
    {"DatePart", {"S:ww", "S:1/1/2021", "I:2", "I:2"}, "Integer:53"}, // Monday weeks, four-day first week
    {"DatePart", {"S:ww", "S:1/4/2021", "I:2", "I:2"}, "Integer:1"},
    {"DatePart", {"S:ww", "S:1/2/2021", "I:1", "I:3"}, "Integer:52"},
    {"DatePart", {"S:w", "S:1/1/2021", "I:2"}, "Integer:5"},
    {"DateSerial", {"I:2021", "I:13", "I:1"}, "Date:1/1/2022"},
    {"DateSerial", {"I:2021", "I:2", "I:30"}, "Date:3/2/2021"},
    {"DateSerial", {"I:21", "I:1", "I:1"}, "Date:1/1/2021"},
    {"DateSerial", {"I:99", "I:1", "I:1"}, "Date:1/1/1999"},
    {"DateSerial", {"L:10000", "I:1", "I:1"}, "error 5"},
    {"TimeSerial", {"I:13", "I:5", "I:9"}, "Date:1:05:09 PM"},
    {"TimeSerial", {"I:0", "I:90", "I:0"}, "Date:1:30:00 AM"},
    {"DateValue", {"S:1/2/2021 13:00"}, "Date:1/2/2021"},
    {"TimeValue", {"S:1/2/2021 13:00"}, "Date:1:00:00 PM"},
    {"DateValue", {"S:hello"}, "error 13"},
    // Formatting: en-US forms, a half rounded away from zero.
    {"FormatNumber", {"D:1234.5"}, "String:1,234.50"},
    {"FormatNumber", {"D:-1234.5", "I:0"}, "String:-1,235"},
    {"FormatNumber", {"D:0.25", "I:1"}, "String:0.3"},
    {"FormatNumber", {"D:0.5", "I:2", "I:0"}, "String:.50"},
    {"FormatNumber", {"I:-3", "I:1", "I:-1", "I:-1"}, "String:(3.0)"},
    {"FormatNumber", {"L:1234567", "I:0", "E", "E", "I:0"}, "String:1234567"},
    {"FormatNumber", {"D:-0.001"}, "String:0.00"},
    {"FormatNumber", {"S:abc"}, "error 13"},
    {"FormatNumber", {"I:1", "I:-3"}, "error 5"},
    {"FormatCurrency", {"D:1234.5"}, "String:$1,234.50"},
    {"FormatCurrency", {"I:-1"}, "String:($1.00)"},
    {"FormatCurrency", {"I:-1", "I:0", "E", "I:0"}, "String:-$1"},
    {"FormatPercent", {"D:0.256"}, "String:25.60%"},
    {"FormatPercent", {"D:0.255", "I:0"}, "String:26%"},
    {"FormatDateTime", {"T:44197.75"}, "String:1/1/2021 6:00:00 PM"},
    {"FormatDateTime", {"T:44197.75", "I:1"}, "String:Friday, January 1, 2021"},
    {"FormatDateTime", {"T:44197.75", "I:2"}, "String:1/1/2021"},
    {"FormatDateTime", {"T:44197.75", "I:3"}, "String:6:00:00 PM"},
    {"FormatDateTime", {"T:44197.0625", "I:4"}, "String:01:30"},
    {"FormatDateTime", {"T:44197", "I:5"}, "error 5"},
    // Arrays start at 0; an empty one ends at -1.
    {"Array", {"S:a", "S:b"}, "Variant():a|b"},
    {"UBound", {"A:a|b|c"}, "Long:2"},
    {"UBound", {"A:"}, "Long:-1"},
    {"UBound", {"A:a", "I:2"}, "error 9"},
    {"UBound", {"S:abc"}, "error 13"},
    {"LBound", {"A:a|b"}, "Long:0"},
    {"Filter", {"A:ab|cd|abc", "S:ab"}, "Variant():ab|abc"},
    {"Filter", {"A:ab|cd|abc", "S:AB", "B:0", "I:1"}, "Variant():cd"},
    {"Filter", {"A:ab", "S:x"}, "Variant():"},
};

class VbsBuiltinCases : public testing::TestWithParam<TCallCase> {};

TEST_P(VbsBuiltinCases, GivesKindAndValue) {
    const TCallCase& c = GetParam();
    std::string args;
    for (const char* a : c.Args)
        args += std::string(args.empty() ? "" : ", ") + a;
    EXPECT_EQ(Describe([&] { return Call(c.Name, c.Args); }), c.Expected) << c.Name << "(" << args << ")";
}

INSTANTIATE_TEST_SUITE_P(Builtins, VbsBuiltinCases, testing::ValuesIn(kCases));

TEST(VbsBuiltins, NamesAnyLetterCase) {
    ASSERT_NE(FindBuiltin("ucase"), nullptr);
    EXPECT_EQ(FindBuiltin("UCASE"), FindBuiltin("UCase"));
    EXPECT_EQ(FindBuiltin("CreateObject"), nullptr);
    TVariant v;
    ASSERT_TRUE(FindConstant("VBCRLF", v));
    EXPECT_EQ(v.Str(), "\r\n");
    ASSERT_TRUE(FindConstant("vbFriday", v));
    EXPECT_EQ(test::DescribeValue(v), "Integer:6");
    ASSERT_TRUE(FindConstant("vbObjectError", v));
    EXPECT_EQ(test::DescribeValue(v), "Long:-2147221504");
    EXPECT_FALSE(FindConstant("vbNothing", v));
}

TEST(VbsBuiltins, UBoundOfEachDimension) {
    auto grid = std::make_shared<TVarArray>();
    grid->Upper = {2, 4};
    grid->Items.resize(15);
    const TVariant v = TVariant::FromArray(grid);
    TFixedRuntime runtime;
    const TBuiltin* ubound = FindBuiltin("UBound");
    EXPECT_EQ(ubound->Fn(runtime, {v}).Int(), 2);
    EXPECT_EQ(ubound->Fn(runtime, {v, V("I:2")}).Int(), 4);
    EXPECT_THROW(ubound->Fn(runtime, {v, V("I:3")}), EVbsError);
}

TEST(VbsBuiltins, ResultsOverTheSizeLimitRunOutOfMemory) {
    // 64 MiB: 32 Mi UTF-16 units of text, or a million array items.
    TFixedRuntime runtime;
    const auto errorOf = [&](const char* name, std::vector<TVariant> args) {
        try {
            (void)FindBuiltin(QString::fromLatin1(name))->Fn(runtime, args);
        } catch (const EVbsError& e) {
            return e.Number();
        }
        return 0;
    };
    const TVariant overHalf = TVariant::FromString(QString(16 * 1024 * 1024 + 1, u'a'));
    EXPECT_EQ(errorOf("String", {TVariant::FromLong(33 * 1024 * 1024), V("S:x")}), kErrOutOfMemory);
    const TVariant longText = TVariant::FromString(QString(4096, u'b'));
    EXPECT_EQ(errorOf("Replace", {overHalf, V("S:a"), longText}), kErrOutOfMemory);
    EXPECT_EQ(errorOf("Replace", {V("S:aaa"), V("S:a"), longText, V("I:1"), V("I:2")}), 0);
    EXPECT_EQ(errorOf("Split", {TVariant::FromString(QString(1100000, u',')), V("S:,")}), kErrOutOfMemory);
    EXPECT_THROW((void)OpConcat(overHalf, overHalf), EVbsError);
    EXPECT_THROW((void)OpAdd(overHalf, overHalf), EVbsError);
}

TEST(VbsBuiltins, ClockFunctionsAgree) {
    TFixedRuntime runtime;
    const TVariant now = FindBuiltin("Now")->Fn(runtime, {});
    const TVariant date = FindBuiltin("Date")->Fn(runtime, {});
    const TVariant time = FindBuiltin("Time")->Fn(runtime, {});
    ASSERT_EQ(now.Type(), TVarType::Date);
    EXPECT_EQ(date.Real(), std::floor(date.Real()));
    EXPECT_GE(time.Real(), 0);
    EXPECT_LT(time.Real(), 1);
    // Taken a moment apart, so allow a day's turn between them.
    EXPECT_LE(std::fabs(now.Real() - (date.Real() + time.Real())), 1.0);
    const double today = static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
    EXPECT_LE(std::fabs(date.Real() - today), 1.0);
}

} // namespace
} // namespace zp::vbs
