// SPDX-License-Identifier: MIT
#include "VbsTestValues.h"

#include <gtest/gtest.h>

namespace zp::vbs {
namespace {

using test::Describe;
using test::V;

struct TOpCase {
    const char* Op;
    const char* A;
    const char* B;
    const char* Expected; // "Kind:text", "Null" or "error N"
};

TVariant Apply(const std::string& op, const TVariant& a, const TVariant& b) {
    if (op == "+")
        return OpAdd(a, b);
    if (op == "-")
        return OpSub(a, b);
    if (op == "*")
        return OpMul(a, b);
    if (op == "/")
        return OpDiv(a, b);
    if (op == "\\")
        return OpIntDiv(a, b);
    if (op == "Mod")
        return OpMod(a, b);
    if (op == "^")
        return OpPow(a, b);
    if (op == "&")
        return OpConcat(a, b);
    if (op == "Neg")
        return OpNeg(a);
    if (op == "Not")
        return OpNot(a);
    if (op == "And")
        return OpAnd(a, b);
    if (op == "Or")
        return OpOr(a, b);
    if (op == "Xor")
        return OpXor(a, b);
    if (op == "Eqv")
        return OpEqv(a, b);
    if (op == "Imp")
        return OpImp(a, b);
    if (op == "=")
        return OpCompare(TCompareOp::Eq, a, b);
    if (op == "<")
        return OpCompare(TCompareOp::Lt, a, b);
    if (op == ">=")
        return OpCompare(TCompareOp::Ge, a, b);
    ADD_FAILURE() << "unknown operator " << op;
    return {};
}

constexpr TOpCase kCases[] = {
    // + joins two texts, adds a number and numeric text, treats Empty as 0
    // beside numbers and "" beside text; Null wins.
    {"+", "S:5", "S:3", "String:53"},
    {"+", "S:5", "I:3", "Double:8"},
    {"+", "S: 1.5e1 ", "D:0.5", "Double:15.5"},
    {"+", "S:abc", "I:1", "error 13"},
    {"+", "E", "S:x", "String:x"},
    {"+", "E", "E", "Integer:0"},
    {"+", "N", "I:1", "Null"},
    {"+", "B:1", "B:1", "Integer:-2"},
    // Result kinds widen when the value does not fit.
    {"+", "Y:200", "Y:100", "Integer:300"},
    {"+", "I:32767", "I:1", "Long:32768"},
    {"+", "L:2147483647", "L:1", "Double:2147483648"},
    {"*", "I:300", "I:300", "Long:90000"},
    {"*", "F:2", "L:3", "Double:6"},
    {"+", "C:1.25", "I:2", "Currency:3.25"},
    {"*", "C:0.0001", "C:0.5", "Currency:0"}, // 0.00005 rounds to the even 0
    {"*", "D:1e308", "D:10", "error 6"},
    // A date plus or minus days stays a date; two dates differ in days.
    {"+", "T:44197", "I:1", "Date:1/2/2021"},
    {"-", "T:44197.5", "D:0.25", "Date:1/1/2021 6:00:00 AM"},
    {"-", "T:44197", "T:44190", "Double:7"},
    {"-", "S:10", "S:4", "Double:6"},
    // / always gives a Double; 0/0 is an overflow, x/0 a division by zero.
    {"/", "I:7", "I:2", "Double:3.5"},
    {"/", "I:1", "I:0", "error 11"},
    {"/", "I:0", "E", "error 6"},
    {"/", "N", "I:0", "Null"},
    // \ and Mod round both sides half to even first; Mod keeps the dividend's sign.
    {"\\", "D:7.5", "D:2.5", "Long:4"},
    {"\\", "I:7", "I:2", "Integer:3"},
    {"\\", "I:1", "I:0", "error 11"},
    {"\\", "L:-2147483648", "I:-1", "error 6"},
    {"Mod", "I:-7", "I:3", "Integer:-1"},
    {"Mod", "D:10.5", "I:3", "Long:1"},
    {"Mod", "S:17", "I:5", "Long:2"},
    {"Mod", "D:1e12", "I:7", "error 6"},
    {"^", "I:2", "I:10", "Double:1024"},
    {"^", "I:-8", "D:0.5", "error 5"},
    {"^", "I:-2", "I:3", "Double:-8"},
    {"Neg", "I:-32768", "E", "Long:32768"},
    {"Neg", "S:2", "E", "Double:-2"},
    {"Neg", "N", "E", "Null"},
    // & shows both sides as text; Null joins as "", only Null & Null is Null.
    {"&", "I:1", "D:2.5", "String:12.5"},
    {"&", "N", "S:x", "String:x"},
    {"&", "N", "N", "Null"},
    {"&", "B:1", "E", "String:True"},
    // The logical operators work on the bits of whole numbers, and on Null as
    // an unknown truth value.
    {"And", "I:12", "L:10", "Long:8"},
    {"Or", "Y:1", "Y:2", "Byte:3"},
    {"Xor", "B:1", "B:1", "Boolean:False"},
    {"Eqv", "B:0", "B:0", "Boolean:True"},
    {"Imp", "B:1", "B:0", "Boolean:False"},
    {"Not", "B:1", "E", "Boolean:False"},
    {"Not", "I:0", "E", "Integer:-1"},
    {"Not", "Y:0", "E", "Byte:255"},
    {"Not", "D:2.5", "E", "Long:-3"},
    {"And", "N", "B:0", "Boolean:False"},
    {"And", "N", "B:1", "Null"},
    {"Or", "N", "B:1", "Boolean:True"},
    {"Or", "N", "B:0", "Null"},
    {"Xor", "N", "B:1", "Null"},
    {"Imp", "B:0", "N", "Boolean:True"},
    {"Imp", "N", "B:1", "Boolean:True"},
    {"Imp", "N", "B:0", "Null"},
    {"And", "S:True", "B:1", "Boolean:True"},
    {"And", "S:x", "B:1", "error 13"},
    // Comparisons: numbers as numbers, texts as texts, a number below any
    // text, Empty as 0 or "", Null gives Null.
    {"<", "I:5", "S:4", "Boolean:True"},
    {"=", "S:5", "I:5", "Boolean:False"},
    {"<", "S:10", "S:9", "Boolean:True"},
    {"=", "E", "I:0", "Boolean:True"},
    {"=", "E", "S:", "Boolean:True"},
    {"<", "B:1", "B:0", "Boolean:True"},
    {"=", "C:1.5", "D:1.5", "Boolean:True"},
    {"=", "T:44197", "L:44197", "Boolean:True"},
    {">=", "S:a", "S:B", "Boolean:True"},
    {"=", "N", "N", "Null"},
};

class VbsOperatorCases : public testing::TestWithParam<TOpCase> {};

TEST_P(VbsOperatorCases, GivesKindAndValue) {
    const TOpCase& c = GetParam();
    EXPECT_EQ(Describe([&] { return Apply(c.Op, V(c.A), V(c.B)); }), c.Expected)
        << c.A << " " << c.Op << " " << c.B;
}

INSTANTIATE_TEST_SUITE_P(Operators, VbsOperatorCases, testing::ValuesIn(kCases));

TEST(VbsCompare, TextModeIgnoresLetterCase) {
    EXPECT_EQ(Compare(V("S:abc"), V("S:ABC"), true), 0);
    EXPECT_EQ(Compare(V("S:abc"), V("S:ABC"), false), 1);
    EXPECT_THROW((void)Compare(V("N"), V("I:1")), EVbsError);
}

TEST(VbsCompare, LiteralSideFixesTheKind) {
    // A literal number reads the other side's text as a number, and a
    // literal text shows the other side's number as text.
    const auto eq = [](const char* a, bool aLit, const char* b, bool bLit) {
        return test::DescribeValue(OpCompareTyped(TCompareOp::Eq, V(a), aLit, V(b), bLit));
    };
    EXPECT_EQ(eq("S:5", false, "I:5", true), "Boolean:True");
    EXPECT_EQ(eq("S: 5.0", false, "I:5", true), "Boolean:True");
    EXPECT_EQ(eq("I:5", false, "S:5", true), "Boolean:True");
    EXPECT_EQ(eq("S:5", false, "I:5", false), "Boolean:False");
    EXPECT_EQ(eq("S:abc", false, "I:5", true), "Boolean:False");
    EXPECT_EQ(eq("N", false, "I:5", true), "Null");
    EXPECT_EQ(eq("S:true", false, "B:1", true), "Boolean:True");
    EXPECT_EQ(eq("S:-1", false, "B:1", true), "Boolean:True");
    EXPECT_EQ(eq("S:True", false, "I:5", true), "Boolean:False");
}

TEST(VbsVariant, ArraysAreCopiedOnWrite) {
    auto shared = std::make_shared<TVarArray>();
    shared->Upper = {1};
    shared->Items = {V("I:1"), V("I:2")};
    const TVariant a = TVariant::FromArray(shared);
    TVariant b = a;
    b.MutableArr().Items[0] = V("S:x");
    EXPECT_EQ(ToString(a.Arr()->Items[0]), "1");
    EXPECT_EQ(ToString(b.Arr()->Items[0]), "x");
    EXPECT_THROW((void)OpAdd(a, V("I:1")), EVbsError);
}

} // namespace
} // namespace zp::vbs
