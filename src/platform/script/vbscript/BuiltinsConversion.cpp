// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/BuiltinTable.h"
#include "platform/script/vbscript/DateSerial.h"
#include "platform/script/vbscript/VariantText.h"

namespace zp::vbs {

namespace {

const TVariant& NotNull(const TVariant& v) {
    if (v.IsNull())
        Raise(kErrInvalidUseOfNull);
    return v;
}

TVariant CStr(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromString(ToString(a[0]));
}
TVariant CInt(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromInteger(ToInteger(NotNull(a[0])));
}
TVariant CLng(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromLong(ToLong(NotNull(a[0])));
}
TVariant CDbl(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromDouble(ToDouble(a[0]));
}
TVariant CSng(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromSingle(ToSingle(a[0]));
}
TVariant CBool(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromBool(ToBool(NotNull(a[0])));
}
TVariant CDate(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromDate(ToDate(a[0]));
}
TVariant CByte(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromByte(ToByte(NotNull(a[0])));
}
TVariant CCur(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromCurrency(ToCurrency(NotNull(a[0])));
}

// Hex and Oct show the bits of the value's own width: an Integer's 16, a
// Long's 32 (Hex(-1) is "FFFF" for an Integer, "FFFFFFFF" for a Long).
TVariant Radix(const TVariant& v, int base) {
    if (v.IsNull())
        return TVariant::Null();
    if (v.IsEmpty())
        return TVariant::FromString(QStringLiteral("0"));
    uint32_t bits = 0;
    switch (v.Type()) {
    case TVarType::Byte:
    case TVarType::Integer:
    case TVarType::Boolean:
        bits = static_cast<uint16_t>(v.Int());
        break;
    default:
        bits = static_cast<uint32_t>(ToLong(v));
        break;
    }
    return TVariant::FromString(QString::number(bits, base).toUpper());
}

TVariant Hex(IVbsRuntime&, const TArgs& a) {
    return Radix(a[0], 16);
}
TVariant Oct(IVbsRuntime&, const TArgs& a) {
    return Radix(a[0], 8);
}

TVariant IsNumericFn(IVbsRuntime&, const TArgs& a) {
    const TVariant& v = a[0];
    double d = 0;
    if (v.Type() == TVarType::String)
        return TVariant::FromBool(ParseNumber(v.Str(), d));
    // A date is not a number to IsNumeric, though it calculates like one.
    return TVariant::FromBool(v.IsNumeric() && v.Type() != TVarType::Date);
}

TVariant IsDateFn(IVbsRuntime&, const TArgs& a) {
    const TVariant& v = a[0];
    double serial = 0;
    if (v.Type() == TVarType::Date)
        return TVariant::FromBool(true);
    if (v.Type() == TVarType::String)
        return TVariant::FromBool(ParseDateText(v.Str(), serial));
    return TVariant::FromBool(false);
}

TVariant IsEmptyFn(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromBool(a[0].IsEmpty());
}
TVariant IsNullFn(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromBool(a[0].IsNull());
}
TVariant IsArrayFn(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromBool(a[0].IsArray());
}
TVariant IsObjectFn(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromBool(a[0].Type() == TVarType::Object);
}
TVariant TypeName(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromString(TypeNameOf(a[0]));
}

TVariant VarType(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromInteger(static_cast<int16_t>(static_cast<int>(a[0].Type())));
}

constexpr TBuiltinEntry kEntries[] = {
    {"CStr", {CStr, 1, 1}},
    {"CInt", {CInt, 1, 1}},
    {"CLng", {CLng, 1, 1}},
    {"CDbl", {CDbl, 1, 1}},
    {"CSng", {CSng, 1, 1}},
    {"CBool", {CBool, 1, 1}},
    {"CDate", {CDate, 1, 1}},
    {"CByte", {CByte, 1, 1}},
    {"CCur", {CCur, 1, 1}},
    {"Hex", {Hex, 1, 1}},
    {"Oct", {Oct, 1, 1}},
    {"IsNumeric", {IsNumericFn, 1, 1}},
    {"IsDate", {IsDateFn, 1, 1}},
    {"IsEmpty", {IsEmptyFn, 1, 1}},
    {"IsNull", {IsNullFn, 1, 1}},
    {"IsArray", {IsArrayFn, 1, 1}},
    {"IsObject", {IsObjectFn, 1, 1}},
    {"TypeName", {TypeName, 1, 1}},
    {"VarType", {VarType, 1, 1}},
};

} // namespace

std::span<const TBuiltinEntry> ConversionBuiltins() {
    return kEntries;
}

} // namespace zp::vbs
