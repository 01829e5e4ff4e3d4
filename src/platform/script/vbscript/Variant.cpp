// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/Variant.h"

#include "platform/script/vbscript/DateSerial.h"
#include "platform/script/vbscript/VariantText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zp::vbs {

// ---- The value type --------------------------------------------------------

TVariant TVariant::Null() {
    TVariant v;
    v.FType = TVarType::Null;
    return v;
}

TVariant TVariant::Nothing() {
    TVariant v;
    v.FType = TVarType::Object;
    return v;
}

TVariant TVariant::FromBool(bool b) {
    TVariant v;
    v.FType = TVarType::Boolean;
    v.FInt = b ? -1 : 0; // True is all bits set, so the logical operators work bitwise
    return v;
}

TVariant TVariant::FromInteger(int16_t i) {
    TVariant v;
    v.FType = TVarType::Integer;
    v.FInt = i;
    return v;
}

TVariant TVariant::FromLong(int32_t i) {
    TVariant v;
    v.FType = TVarType::Long;
    v.FInt = i;
    return v;
}

TVariant TVariant::FromByte(uint8_t i) {
    TVariant v;
    v.FType = TVarType::Byte;
    v.FInt = i;
    return v;
}

TVariant TVariant::FromSingle(float f) {
    TVariant v;
    v.FType = TVarType::Single;
    v.FReal = f;
    return v;
}

TVariant TVariant::FromDouble(double d) {
    TVariant v;
    v.FType = TVarType::Double;
    v.FReal = d;
    return v;
}

TVariant TVariant::FromCurrency(int64_t scaled) {
    TVariant v;
    v.FType = TVarType::Currency;
    v.FInt = scaled;
    return v;
}

TVariant TVariant::FromDate(double serial) {
    TVariant v;
    v.FType = TVarType::Date;
    v.FReal = serial;
    return v;
}

TVariant TVariant::FromString(QString s) {
    TVariant v;
    v.FType = TVarType::String;
    v.FStr = std::move(s);
    return v;
}

TVariant TVariant::FromArray(std::shared_ptr<TVarArray> a) {
    TVariant v;
    v.FType = TVarType::Array;
    v.FArr = a ? std::move(a) : std::make_shared<TVarArray>();
    return v;
}

bool TVariant::IsNumeric() const {
    switch (FType) {
    case TVarType::Empty:
    case TVarType::Integer:
    case TVarType::Long:
    case TVarType::Single:
    case TVarType::Double:
    case TVarType::Currency:
    case TVarType::Date:
    case TVarType::Boolean:
    case TVarType::Byte:
        return true;
    default:
        return false;
    }
}

TVarArray& TVariant::MutableArr() {
    if (!FArr)
        FArr = std::make_shared<TVarArray>();
    else if (FArr.use_count() > 1)
        FArr = std::make_shared<TVarArray>(*FArr);
    return *FArr;
}

// ---- Errors ----------------------------------------------------------------

EVbsError::EVbsError(int32_t number, QString description)
    : std::runtime_error(description.toStdString()), FNumber(number), FDescription(std::move(description)) {}

namespace {

QString ErrorText(int32_t number) {
    switch (number) {
    case 5:
        return QStringLiteral("Invalid procedure call or argument");
    case 6:
        return QStringLiteral("Overflow");
    case 7:
        return QStringLiteral("Out of memory");
    case 9:
        return QStringLiteral("Subscript out of range");
    case 10:
        return QStringLiteral("This array is fixed or temporarily locked");
    case 11:
        return QStringLiteral("Division by zero");
    case 13:
        return QStringLiteral("Type mismatch");
    case 28:
        return QStringLiteral("Out of stack space");
    case 35:
        return QStringLiteral("Sub or Function not defined");
    case 51:
        return QStringLiteral("Internal error");
    case 91:
        return QStringLiteral("Object variable not set");
    case 92:
        return QStringLiteral("For loop not initialized");
    case 94:
        return QStringLiteral("Invalid use of Null");
    case 424:
        return QStringLiteral("Object required");
    case 429:
        return QStringLiteral("ActiveX component can't create object");
    case 438:
        return QStringLiteral("Object doesn't support this property or method");
    case 450:
        return QStringLiteral("Wrong number of arguments or invalid property assignment");
    case 451:
        return QStringLiteral("Object not a collection");
    case 500:
        return QStringLiteral("Variable is undefined");
    case 501:
        return QStringLiteral("Illegal assignment");
    default:
        return QStringLiteral("Unknown runtime error");
    }
}

constexpr int32_t kErrInvalidNull = 94;

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// 0-9, then A-F in either case as 10-15; 99 for anything else.
int DigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 99;
}

} // namespace

void Raise(int32_t number) {
    throw EVbsError(number, ErrorText(number));
}

// ---- Numbers as text -------------------------------------------------------

double RoundHalfEven(double v) {
    if (!std::isfinite(v))
        return v;
    const double lower = std::floor(v);
    const double diff = v - lower;
    if (diff > 0.5)
        return lower + 1;
    if (diff < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

QString FormatReal(double v, int digits) {
    if (v == 0)
        return QStringLiteral("0");
    if (std::isnan(v))
        return QStringLiteral("NaN");
    if (std::isinf(v))
        return v < 0 ? QStringLiteral("-1.#INF") : QStringLiteral("1.#INF");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
    const std::string text(buf, res.ptr); // "-d.ddde+XX"
    const bool negative = text[0] == '-';
    const size_t ePos = text.find('e');
    std::string mantissa;
    for (size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (text[i] != '.')
            mantissa += text[i];
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
    const int exp = std::atoi(text.c_str() + ePos + 1);
    const int sig = static_cast<int>(mantissa.size());

    // The plain form holds at most `digits` digits after any leading zeros
    // of a fraction; smaller numbers and longer fractions use the exponent.
    const bool scientific = exp >= digits || exp <= -5 || (exp < 0 && (-exp - 1) + sig > digits);
    std::string out = negative ? "-" : "";
    if (scientific) {
        out += mantissa[0];
        if (sig > 1)
            out += '.' + mantissa.substr(1);
        out += 'E';
        out += exp < 0 ? '-' : '+';
        const int a = std::abs(exp);
        if (a < 10)
            out += '0';
        out += std::to_string(a);
    } else if (exp >= 0) {
        if (sig <= exp + 1) {
            out += mantissa + std::string(static_cast<size_t>(exp + 1 - sig), '0');
        } else {
            out += mantissa.substr(0, static_cast<size_t>(exp + 1)) + '.' +
                   mantissa.substr(static_cast<size_t>(exp + 1));
        }
    } else {
        out += "0." + std::string(static_cast<size_t>(-exp - 1), '0') + mantissa;
    }
    return QString::fromLatin1(out.c_str());
}

QString FormatCurrencyValue(int64_t scaled) {
    const bool negative = scaled < 0;
    const uint64_t mag =
        negative ? uint64_t(0) - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    QString out = QString::number(mag / 10000);
    QString frac = QStringLiteral("%1").arg(mag % 10000, 4, 10, QLatin1Char('0'));
    while (!frac.isEmpty() && frac.endsWith(u'0'))
        frac.chop(1);
    if (!frac.isEmpty())
        out += u'.' + frac;
    return negative ? u'-' + out : out;
}

void CheckResultSize(int64_t chars) {
    if (chars < 0 || chars > kMaxResultChars)
        Raise(kErrOutOfMemory);
}

void CheckArraySize(int64_t items) {
    if (items < 0 || items > kMaxResultBytes / static_cast<int64_t>(sizeof(TVariant)))
        Raise(kErrOutOfMemory);
}

QString TypeNameOf(const TVariant& v) {
    switch (v.Type()) {
    case TVarType::Empty:
        return QStringLiteral("Empty");
    case TVarType::Null:
        return QStringLiteral("Null");
    case TVarType::Integer:
        return QStringLiteral("Integer");
    case TVarType::Long:
        return QStringLiteral("Long");
    case TVarType::Single:
        return QStringLiteral("Single");
    case TVarType::Double:
        return QStringLiteral("Double");
    case TVarType::Currency:
        return QStringLiteral("Currency");
    case TVarType::Date:
        return QStringLiteral("Date");
    case TVarType::String:
        return QStringLiteral("String");
    case TVarType::Object:
        return QStringLiteral("Nothing");
    case TVarType::Boolean:
        return QStringLiteral("Boolean");
    case TVarType::Byte:
        return QStringLiteral("Byte");
    case TVarType::Array:
        return QStringLiteral("Variant()");
    }
    return QStringLiteral("Unknown");
}

// ---- Coercions -------------------------------------------------------------

bool ParseNumber(const QString& text, double& value) {
    int b = 0, e = text.size();
    while (b < e && IsBlank(text[b]))
        ++b;
    while (e > b && IsBlank(text[e - 1]))
        --e;
    if (b == e)
        return false;
    if (e - b > 400)
        return false; // no number is that long

    if (text[b] == u'&') {
        // &Hhex and &Ooctal read as 32-bit patterns: "&HFFFFFFFF" is -1.
        if (b + 2 > e)
            return false;
        const QChar kind = text[b + 1].toUpper();
        const int base = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
        if (base == 0 || b + 2 == e)
            return false;
        uint64_t acc = 0;
        for (int i = b + 2; i < e; ++i) {
            const int d = DigitValue(text[i]);
            if (d >= base)
                return false;
            acc = acc * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
            if (acc > 0xFFFFFFFFull)
                return false;
        }
        value = static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(acc)));
        return true;
    }

    std::string ascii;
    ascii.reserve(static_cast<size_t>(e - b));
    int i = b;
    if (text[i] == u'+' || text[i] == u'-') {
        if (text[i] == u'-')
            ascii += '-';
        ++i;
        while (i < e && IsBlank(text[i]))
            ++i; // "- 5" reads as -5
    }
    int mantissaDigits = 0;
    while (i < e && text[i] >= u'0' && text[i] <= u'9') {
        ascii += char(text[i].unicode());
        ++mantissaDigits;
        ++i;
    }
    if (i < e && text[i] == u'.') {
        ascii += '.';
        ++i;
        while (i < e && text[i] >= u'0' && text[i] <= u'9') {
            ascii += char(text[i].unicode());
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < e && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        ascii += 'e';
        ++i;
        if (i < e && (text[i] == u'+' || text[i] == u'-')) {
            ascii += char(text[i].unicode());
            ++i;
        }
        int expDigits = 0;
        while (i < e && text[i] >= u'0' && text[i] <= u'9') {
            ascii += char(text[i].unicode());
            ++expDigits;
            ++i;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != e)
        return false;
    double parsed = 0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

QString ToString(const TVariant& v) {
    switch (v.Type()) {
    case TVarType::Empty:
        return {};
    case TVarType::Null:
        Raise(kErrInvalidNull);
    case TVarType::Boolean:
        return v.Bool() ? QStringLiteral("True") : QStringLiteral("False");
    case TVarType::Integer:
    case TVarType::Long:
    case TVarType::Byte:
        return QString::number(v.Int());
    case TVarType::Single:
        return FormatReal(v.Real(), 7);
    case TVarType::Double:
        return FormatReal(v.Real(), 15);
    case TVarType::Currency:
        return FormatCurrencyValue(v.Int());
    case TVarType::Date:
        return FormatGeneralDate(v.Real());
    case TVarType::String:
        return v.Str();
    case TVarType::Object:
    case TVarType::Array:
        break;
    }
    Raise(kErrTypeMismatch);
}

double ToDouble(const TVariant& v) {
    switch (v.Type()) {
    case TVarType::Empty:
        return 0;
    case TVarType::Null:
        Raise(kErrInvalidNull);
    case TVarType::Boolean:
    case TVarType::Integer:
    case TVarType::Long:
    case TVarType::Byte:
        return static_cast<double>(v.Int());
    case TVarType::Currency:
        return static_cast<double>(v.Int()) / 10000.0;
    case TVarType::Single:
    case TVarType::Double:
    case TVarType::Date:
        return v.Real();
    case TVarType::String: {
        double d = 0;
        if (ParseNumber(v.Str(), d))
            return d;
        break;
    }
    case TVarType::Object:
    case TVarType::Array:
        break;
    }
    Raise(kErrTypeMismatch);
}

namespace {

int64_t RoundedInRange(const TVariant& v, int64_t lo, int64_t hi) {
    switch (v.Type()) {
    case TVarType::Boolean:
    case TVarType::Integer:
    case TVarType::Long:
    case TVarType::Byte:
        if (v.Int() < lo || v.Int() > hi)
            Raise(kErrOverflow);
        return v.Int();
    default:
        break;
    }
    const double r = RoundHalfEven(ToDouble(v));
    if (!(r >= static_cast<double>(lo) && r <= static_cast<double>(hi)))
        Raise(kErrOverflow);
    return static_cast<int64_t>(r);
}

} // namespace

int32_t ToLong(const TVariant& v) {
    return static_cast<int32_t>(RoundedInRange(v, INT32_MIN, INT32_MAX));
}

int16_t ToInteger(const TVariant& v) {
    return static_cast<int16_t>(RoundedInRange(v, INT16_MIN, INT16_MAX));
}

uint8_t ToByte(const TVariant& v) {
    return static_cast<uint8_t>(RoundedInRange(v, 0, 255));
}

float ToSingle(const TVariant& v) {
    const double d = ToDouble(v);
    if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max()))
        Raise(kErrOverflow);
    return static_cast<float>(d);
}

int64_t CurrencyFromDouble(double d) {
    const double scaled = RoundHalfEven(d * 10000.0);
    if (!(scaled >= -9.2233720368547758e18 && scaled < 9.2233720368547758e18))
        Raise(kErrOverflow);
    return static_cast<int64_t>(scaled);
}

int64_t ToCurrency(const TVariant& v) {
    if (v.Type() == TVarType::Currency)
        return v.Int();
    return CurrencyFromDouble(ToDouble(v));
}

bool ToBool(const TVariant& v) {
    if (v.Type() == TVarType::String) {
        const QString t = v.Str().trimmed();
        if (t.compare(u"True", Qt::CaseInsensitive) == 0 || t.compare(u"#TRUE#", Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(u"False", Qt::CaseInsensitive) == 0 || t.compare(u"#FALSE#", Qt::CaseInsensitive) == 0)
            return false;
    }
    switch (v.Type()) {
    case TVarType::Boolean:
    case TVarType::Integer:
    case TVarType::Long:
    case TVarType::Byte:
    case TVarType::Currency:
        return v.Int() != 0;
    default:
        return ToDouble(v) != 0;
    }
}

double ToDate(const TVariant& v) {
    double serial = 0;
    switch (v.Type()) {
    case TVarType::Date:
        return v.Real();
    case TVarType::String:
        if (ParseDateText(v.Str(), serial))
            return serial;
        if (!ParseNumber(v.Str(), serial))
            Raise(kErrTypeMismatch);
        break;
    default:
        serial = ToDouble(v);
        break;
    }
    if (!IsValidDateSerial(serial))
        Raise(kErrOverflow);
    return serial;
}

} // namespace zp::vbs
