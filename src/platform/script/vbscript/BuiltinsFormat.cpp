// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/BuiltinTable.h"
#include "platform/script/vbscript/DateSerial.h"
#include "platform/script/vbscript/VariantText.h"

#include <charconv>
#include <cmath>

namespace zp::vbs {

namespace {

// The Format functions use the en-US conventions the scripts were written
// for, the same on every machine: "." before the decimals, "," between
// thousands, "$" for money, two decimals unless asked otherwise.
constexpr int kDefaultDigits = 2;

enum class TStyle { Number, Currency, Percent };

struct TNumberLook {
    int Digits = kDefaultDigits;
    bool LeadingZero = true;
    bool Parentheses = false;
    bool Group = true;
};

// A tristate argument: -1 True, 0 False, -2 the default.
bool TristateArg(const TArgs& a, size_t i, bool fallback) {
    if (!HasArg(a, i))
        return fallback;
    const int32_t v = LongArg(a[i]);
    return v == -2 ? fallback : v != 0;
}

QString Grouped(const QString& digits) {
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u',';
        out += digits[i];
    }
    return out;
}

TVariant FormatAs(const TArgs& a, TStyle style) {
    TNumberLook look;
    look.Parentheses = style == TStyle::Currency;
    if (HasArg(a, 1)) {
        look.Digits = LongArg(a[1]);
        if (look.Digits == -1)
            look.Digits = kDefaultDigits;
        if (look.Digits < -1 || look.Digits > 255)
            Raise(kErrInvalidCall);
    }
    look.LeadingZero = TristateArg(a, 2, look.LeadingZero);
    look.Parentheses = TristateArg(a, 3, look.Parentheses);
    look.Group = TristateArg(a, 4, look.Group);

    double value = ToDouble(a[0]);
    if (style == TStyle::Percent)
        value *= 100;
    // The Format functions round a half away from zero.
    const double rounded = RoundDecimal(value, look.Digits, false);
    if (!std::isfinite(rounded))
        Raise(kErrOverflow);
    const bool negative = rounded < 0;
    char buf[700]; // 309 whole digits at most, and up to 255 decimals
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(rounded), std::chars_format::fixed, look.Digits);
    if (res.ec != std::errc())
        Raise(kErrOverflow);
    const QString fixed = QString::fromLatin1(buf, static_cast<qsizetype>(res.ptr - buf));
    const qsizetype point = fixed.indexOf(u'.');
    QString whole = point < 0 ? fixed : fixed.left(point);
    const QString fraction = point < 0 ? QString() : fixed.mid(point);
    if (look.Group)
        whole = Grouped(whole);
    if (!look.LeadingZero && whole == u"0")
        whole.clear();

    QString body = whole + fraction;
    if (style == TStyle::Currency)
        body = u'$' + body;
    if (style == TStyle::Percent)
        body += u'%';
    if (negative)
        body = look.Parentheses ? u'(' + body + u')' : u'-' + body;
    return TVariant::FromString(body);
}

TVariant FormatNumber(IVbsRuntime&, const TArgs& a) {
    return FormatAs(a, TStyle::Number);
}
TVariant FormatCurrency(IVbsRuntime&, const TArgs& a) {
    return FormatAs(a, TStyle::Currency);
}
TVariant FormatPercent(IVbsRuntime&, const TArgs& a) {
    return FormatAs(a, TStyle::Percent);
}

TVariant FormatDateTime(IVbsRuntime&, const TArgs& a) {
    const int32_t form = HasArg(a, 1) ? LongArg(a[1]) : 0;
    const double serial = ToDate(a[0]);
    const TDateParts p = SplitDate(serial);
    switch (form) {
    case 0:
        return TVariant::FromString(FormatGeneralDate(serial));
    case 1:
        return TVariant::FromString(FormatLongDate(p));
    case 2:
        return TVariant::FromString(FormatShortDate(p));
    case 3:
        return TVariant::FromString(FormatLongTime(p));
    case 4:
        return TVariant::FromString(FormatShortTime(p));
    default:
        Raise(kErrInvalidCall);
    }
}

constexpr TBuiltinEntry kEntries[] = {
    {"FormatNumber", {FormatNumber, 1, 5}},
    {"FormatCurrency", {FormatCurrency, 1, 5}},
    {"FormatPercent", {FormatPercent, 1, 5}},
    {"FormatDateTime", {FormatDateTime, 1, 2}},
};

} // namespace

std::span<const TBuiltinEntry> FormatBuiltins() {
    return kEntries;
}

} // namespace zp::vbs
