// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/BuiltinTable.h"
#include "platform/script/vbscript/DateSerial.h"
#include "platform/script/vbscript/VariantText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace zp::vbs {

double RoundDecimal(double v, int decimals, bool halfEven) {
    if (v == 0 || !std::isfinite(v))
        return v;
    // Rounded on the 15 digits the value shows, so that 2.675 is the 2.675
    // the user wrote and not the binary number just below it.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    const std::string text(buf, res.ptr);
    const bool negative = text[0] == '-';
    const size_t ePos = text.find('e');
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exp = std::atoi(text.c_str() + ePos + 1);
    const int keep = exp + 1 + decimals; // digits before the rounding place
    if (keep >= static_cast<int>(digits.size()))
        return v;
    if (keep < 0)
        return 0;
    const char next = digits[static_cast<size_t>(keep)];
    const bool restZero = digits.find_first_not_of('0', static_cast<size_t>(keep) + 1) == std::string::npos;
    // A leading 0 leaves room for a carry and stands for the digit before
    // the first when nothing is kept.
    std::string kept = '0' + digits.substr(0, static_cast<size_t>(keep));
    bool up = next > '5' || (next == '5' && !restZero);
    if (next == '5' && restZero)
        up = !halfEven || (kept.back() - '0') % 2 == 1;
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9')
            kept[static_cast<size_t>(i--)] = '0';
        ++kept[static_cast<size_t>(i)];
    }
    const std::string out = (negative ? "-" : "") + kept + "e" + std::to_string(-decimals);
    double r = 0;
    std::from_chars(out.data(), out.data() + out.size(), r);
    return r;
}

namespace {

// Int, Fix and Round leave whole numbers as they are: Null stays Null,
// Empty becomes Integer 0, a Boolean an Integer; false for other kinds.
bool AlreadyWhole(const TVariant& v, TVariant& out) {
    switch (v.Type()) {
    case TVarType::Empty:
        out = TVariant::FromInteger(0);
        return true;
    case TVarType::Boolean:
        out = TVariant::FromInteger(static_cast<int16_t>(v.Int()));
        return true;
    case TVarType::Null:
    case TVarType::Byte:
    case TVarType::Integer:
    case TVarType::Long:
        out = v;
        return true;
    default:
        return false;
    }
}

enum class TWhole { Floor, Trunc };

// Int and Fix keep the argument's kind: an Integer stays an Integer, a
// Date a Date; text becomes a Double.
TVariant WholePart(const TVariant& v, TWhole how) {
    const auto cut = [how](double d) { return how == TWhole::Floor ? std::floor(d) : std::trunc(d); };
    TVariant whole;
    if (AlreadyWhole(v, whole))
        return whole;
    switch (v.Type()) {
    case TVarType::Single:
        return TVariant::FromSingle(static_cast<float>(cut(v.Real())));
    case TVarType::Date:
        return TVariant::FromDate(cut(v.Real()));
    case TVarType::Currency: {
        int64_t q = v.Int() / 10000;
        if (how == TWhole::Floor && v.Int() % 10000 < 0)
            --q;
        return TVariant::FromCurrency(q * 10000);
    }
    default:
        return TVariant::FromDouble(cut(ToDouble(v)));
    }
}

TVariant Int(IVbsRuntime&, const TArgs& a) {
    return WholePart(a[0], TWhole::Floor);
}
TVariant Fix(IVbsRuntime&, const TArgs& a) {
    return WholePart(a[0], TWhole::Trunc);
}

TVariant Round(IVbsRuntime&, const TArgs& a) {
    const int32_t decimals = HasArg(a, 1) ? LongArg(a[1]) : 0;
    if (decimals < 0)
        Raise(kErrInvalidCall);
    const TVariant& v = a[0];
    TVariant whole;
    if (AlreadyWhole(v, whole))
        return whole;
    switch (v.Type()) {
    case TVarType::Single:
        return TVariant::FromSingle(static_cast<float>(RoundDecimal(v.Real(), std::min(decimals, 30), true)));
    case TVarType::Date:
        return TVariant::FromDate(RoundDecimal(v.Real(), std::min(decimals, 30), true));
    case TVarType::Currency:
        return TVariant::FromCurrency(CurrencyFromDouble(
            RoundDecimal(static_cast<double>(v.Int()) / 10000.0, std::min(decimals, 4), true)));
    default:
        return TVariant::FromDouble(RoundDecimal(ToDouble(v), std::min(decimals, 330), true));
    }
}

TVariant Abs(IVbsRuntime&, const TArgs& a) {
    const TVariant& v = a[0];
    switch (v.Type()) {
    case TVarType::Null:
        return v;
    case TVarType::Empty:
        return TVariant::FromInteger(0);
    case TVarType::Byte:
        return v;
    case TVarType::Boolean:
    case TVarType::Integer:
        return v.Int() == INT16_MIN ? TVariant::FromLong(32768)
                                    : TVariant::FromInteger(static_cast<int16_t>(std::llabs(v.Int())));
    case TVarType::Long:
        return v.Int() == INT32_MIN ? TVariant::FromDouble(2147483648.0)
                                    : TVariant::FromLong(static_cast<int32_t>(std::llabs(v.Int())));
    case TVarType::Single:
        return TVariant::FromSingle(static_cast<float>(std::fabs(v.Real())));
    case TVarType::Date:
        return TVariant::FromDate(std::fabs(v.Real()));
    case TVarType::Currency:
        if (v.Int() == std::numeric_limits<int64_t>::min())
            Raise(kErrOverflow);
        return TVariant::FromCurrency(std::llabs(v.Int()));
    default:
        return TVariant::FromDouble(std::fabs(ToDouble(v)));
    }
}

TVariant Sgn(IVbsRuntime&, const TArgs& a) {
    if (a[0].IsNull())
        return TVariant::Null();
    const double d = ToDouble(a[0]);
    return TVariant::FromInteger(static_cast<int16_t>(d < 0 ? -1 : d > 0 ? 1 : 0));
}

double RealArg(const TVariant& v) {
    if (v.IsNull())
        Raise(kErrInvalidUseOfNull);
    return ToDouble(v);
}

TVariant Checked(double d) {
    if (!std::isfinite(d))
        Raise(kErrOverflow);
    return TVariant::FromDouble(d);
}

TVariant Sqr(IVbsRuntime&, const TArgs& a) {
    const double d = RealArg(a[0]);
    if (d < 0)
        Raise(kErrInvalidCall);
    return TVariant::FromDouble(std::sqrt(d));
}

TVariant Exp(IVbsRuntime&, const TArgs& a) {
    return Checked(std::exp(RealArg(a[0])));
}

TVariant Log(IVbsRuntime&, const TArgs& a) {
    const double d = RealArg(a[0]);
    if (d <= 0)
        Raise(kErrInvalidCall);
    return TVariant::FromDouble(std::log(d));
}

TVariant Sin(IVbsRuntime&, const TArgs& a) {
    return Checked(std::sin(RealArg(a[0])));
}
TVariant Cos(IVbsRuntime&, const TArgs& a) {
    return Checked(std::cos(RealArg(a[0])));
}
TVariant Tan(IVbsRuntime&, const TArgs& a) {
    return Checked(std::tan(RealArg(a[0])));
}
TVariant Atn(IVbsRuntime&, const TArgs& a) {
    return Checked(std::atan(RealArg(a[0])));
}

TVariant Rnd(IVbsRuntime& runtime, const TArgs& a) {
    const bool has = HasArg(a, 0);
    const double arg = has ? RealArg(a[0]) : 0;
    return TVariant::FromSingle(static_cast<float>(runtime.NextRandom(arg, has)));
}

TVariant Randomize(IVbsRuntime& runtime, const TArgs& a) {
    const bool has = HasArg(a, 0);
    runtime.Randomize(has ? RealArg(a[0]) : 0, has);
    return {};
}

constexpr TBuiltinEntry kEntries[] = {
    {"Int", {Int, 1, 1}},     {"Fix", {Fix, 1, 1}},
    {"Round", {Round, 1, 2}}, {"Abs", {Abs, 1, 1}},
    {"Sgn", {Sgn, 1, 1}},     {"Sqr", {Sqr, 1, 1}},
    {"Exp", {Exp, 1, 1}},     {"Log", {Log, 1, 1}},
    {"Sin", {Sin, 1, 1}},     {"Cos", {Cos, 1, 1}},
    {"Tan", {Tan, 1, 1}},     {"Atn", {Atn, 1, 1}},
    {"Rnd", {Rnd, 0, 1}},     {"Randomize", {Randomize, 0, 1}},
};

} // namespace

std::span<const TBuiltinEntry> MathBuiltins() {
    return kEntries;
}

} // namespace zp::vbs
