// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/DateSerial.h"
#include "platform/script/vbscript/Variant.h"
#include "platform/script/vbscript/VariantText.h"

#include <cmath>
#include <limits>

namespace zp::vbs {

namespace {

constexpr int32_t kErrInvalidNull = 94;

// The arithmetic kinds from least to most precise; a result takes the more
// precise kind of its operands (Single with Long gives Double) and widens
// Byte → Integer → Long → Double when the value does not fit.
enum class TRank { Byte, Integer, Long, Single, Currency, Double };

struct TNum {
    TRank Rank = TRank::Integer;
    int64_t I = 0; // Byte, Integer, Long, Currency (scaled)
    double D = 0;  // Single, Double
};

[[noreturn]] void Mismatch() {
    Raise(kErrTypeMismatch);
}

void CheckOperand(const TVariant& v) {
    if (v.IsArray() || v.Type() == TVarType::Object)
        Mismatch();
}

// An operand as a number: Empty is Integer 0, Boolean an Integer of -1 or 0,
// a Date its serial as Double, and text is read as a Double.
TNum Numeric(const TVariant& v) {
    TNum n;
    switch (v.Type()) {
    case TVarType::Empty:
        return n;
    case TVarType::Boolean:
    case TVarType::Integer:
        n.I = v.Int();
        return n;
    case TVarType::Byte:
        n.Rank = TRank::Byte;
        n.I = v.Int();
        return n;
    case TVarType::Long:
        n.Rank = TRank::Long;
        n.I = v.Int();
        return n;
    case TVarType::Currency:
        n.Rank = TRank::Currency;
        n.I = v.Int();
        return n;
    case TVarType::Single:
        n.Rank = TRank::Single;
        n.D = v.Real();
        return n;
    case TVarType::Double:
    case TVarType::Date:
        n.Rank = TRank::Double;
        n.D = v.Real();
        return n;
    case TVarType::String:
        n.Rank = TRank::Double;
        n.D = ToDouble(v);
        return n;
    default:
        Mismatch();
    }
}

double AsDouble(const TNum& n) {
    switch (n.Rank) {
    case TRank::Single:
    case TRank::Double:
        return n.D;
    case TRank::Currency:
        return static_cast<double>(n.I) / 10000.0;
    default:
        return static_cast<double>(n.I);
    }
}

TRank ResultRank(TRank a, TRank b) {
    if ((a == TRank::Single && b == TRank::Long) || (a == TRank::Long && b == TRank::Single))
        return TRank::Double;
    return a > b ? a : b;
}

TVariant FromDoubleChecked(double d) {
    if (!std::isfinite(d))
        Raise(kErrOverflow);
    return TVariant::FromDouble(d);
}

// An integer result in the smallest kind from `rank` upwards that holds it.
TVariant FromWideInt(int64_t r, TRank rank) {
    if (rank == TRank::Byte && r >= 0 && r <= 255)
        return TVariant::FromByte(static_cast<uint8_t>(r));
    if (rank <= TRank::Integer && r >= INT16_MIN && r <= INT16_MAX)
        return TVariant::FromInteger(static_cast<int16_t>(r));
    if (r >= INT32_MIN && r <= INT32_MAX)
        return TVariant::FromLong(static_cast<int32_t>(r));
    return TVariant::FromDouble(static_cast<double>(r));
}

TVariant FromSingleOrWider(double d) {
    if (std::fabs(d) <= static_cast<double>(std::numeric_limits<float>::max()))
        return TVariant::FromSingle(static_cast<float>(d));
    return FromDoubleChecked(d);
}

TVariant DateResult(double serial) {
    if (!IsValidDateSerial(serial))
        Raise(kErrOverflow);
    return TVariant::FromDate(serial);
}

enum class TArith { Add, Sub, Mul };

TVariant Arith(TArith op, const TVariant& a, const TVariant& b) {
    const TNum x = Numeric(a), y = Numeric(b);
    const TRank rank = ResultRank(x.Rank, y.Rank);
    switch (rank) {
    case TRank::Byte:
    case TRank::Integer:
    case TRank::Long: {
        const int64_t r = op == TArith::Add ? x.I + y.I : op == TArith::Sub ? x.I - y.I : x.I * y.I;
        return FromWideInt(r, rank);
    }
    case TRank::Currency: {
        const __int128 cx =
            x.Rank == TRank::Currency ? x.I : static_cast<__int128>(CurrencyFromDouble(AsDouble(x)));
        const __int128 cy =
            y.Rank == TRank::Currency ? y.I : static_cast<__int128>(CurrencyFromDouble(AsDouble(y)));
        __int128 r = 0;
        if (op == TArith::Add)
            r = cx + cy;
        else if (op == TArith::Sub)
            r = cx - cy;
        else {
            // Scaled twice: divide once, a half to the even neighbour.
            const __int128 p = cx * cy;
            r = p / 10000;
            const __int128 rem = p % 10000;
            const __int128 absRem = rem < 0 ? -rem : rem;
            if (absRem > 5000 || (absRem == 5000 && (r % 2 != 0)))
                r += p < 0 ? -1 : 1;
        }
        if (r > std::numeric_limits<int64_t>::max() || r < std::numeric_limits<int64_t>::min())
            Raise(kErrOverflow);
        return TVariant::FromCurrency(static_cast<int64_t>(r));
    }
    case TRank::Single: {
        const double dx = AsDouble(x), dy = AsDouble(y);
        const float r = op == TArith::Add   ? static_cast<float>(dx) + static_cast<float>(dy)
                        : op == TArith::Sub ? static_cast<float>(dx) - static_cast<float>(dy)
                                            : static_cast<float>(dx) * static_cast<float>(dy);
        if (std::isfinite(r))
            return TVariant::FromSingle(r);
        return FromDoubleChecked(op == TArith::Add ? dx + dy : op == TArith::Sub ? dx - dy : dx * dy);
    }
    case TRank::Double:
        break;
    }
    const double dx = AsDouble(x), dy = AsDouble(y);
    return FromDoubleChecked(op == TArith::Add ? dx + dy : op == TArith::Sub ? dx - dy : dx * dy);
}

bool IsDate(const TVariant& v) {
    return v.Type() == TVarType::Date;
}

// ---- Logical operators --------------------------------------------------

enum class TLogicKind { Boolean, Byte, Integer, Long };

struct TLogic {
    TLogicKind Kind = TLogicKind::Integer;
    int64_t V = 0;
};

TLogic Logical(const TVariant& v) {
    switch (v.Type()) {
    case TVarType::Empty:
        return {TLogicKind::Integer, 0};
    case TVarType::Boolean:
        return {TLogicKind::Boolean, v.Int()};
    case TVarType::Byte:
        return {TLogicKind::Byte, v.Int()};
    case TVarType::Integer:
        return {TLogicKind::Integer, v.Int()};
    case TVarType::Long:
        return {TLogicKind::Long, v.Int()};
    case TVarType::String: {
        const QString t = v.Str().trimmed();
        if (t.compare(u"True", Qt::CaseInsensitive) == 0)
            return {TLogicKind::Boolean, -1};
        if (t.compare(u"False", Qt::CaseInsensitive) == 0)
            return {TLogicKind::Boolean, 0};
        return {TLogicKind::Long, ToLong(v)};
    }
    default:
        CheckOperand(v);
        return {TLogicKind::Long, ToLong(v)};
    }
}

TLogicKind LogicResultKind(TLogicKind a, TLogicKind b) {
    if (a == b)
        return a;
    if (a == TLogicKind::Long || b == TLogicKind::Long)
        return TLogicKind::Long;
    return TLogicKind::Integer;
}

TVariant LogicValue(TLogicKind kind, int64_t r) {
    switch (kind) {
    case TLogicKind::Boolean:
        return TVariant::FromBool(r != 0);
    case TLogicKind::Byte:
        return TVariant::FromByte(static_cast<uint8_t>(r & 0xFF));
    case TLogicKind::Integer:
        return TVariant::FromInteger(static_cast<int16_t>(r));
    case TLogicKind::Long:
        break;
    }
    return TVariant::FromLong(static_cast<int32_t>(r));
}

bool AllBits(const TLogic& l) {
    return l.Kind == TLogicKind::Byte ? (l.V & 0xFF) == 0xFF : l.V == -1;
}

enum class TLogicOp { And, Or, Xor, Eqv, Imp };

TVariant Logic(TLogicOp op, const TVariant& a, const TVariant& b) {
    // Null is an unknown truth value: the result is known only where the
    // other side decides it (False And Null is False, True Or Null is True,
    // False Imp Null and Null Imp True are True).
    if (a.IsNull() && b.IsNull())
        return TVariant::Null();
    if (a.IsNull() || b.IsNull()) {
        const bool nullFirst = a.IsNull();
        const TLogic known = Logical(nullFirst ? b : a);
        switch (op) {
        case TLogicOp::And:
            return known.V == 0 ? LogicValue(known.Kind, 0) : TVariant::Null();
        case TLogicOp::Or:
            return AllBits(known) ? LogicValue(known.Kind, known.V) : TVariant::Null();
        case TLogicOp::Imp:
            if (nullFirst)
                return AllBits(known) ? LogicValue(known.Kind, known.V) : TVariant::Null();
            return known.V == 0 ? LogicValue(known.Kind, -1) : TVariant::Null();
        case TLogicOp::Xor:
        case TLogicOp::Eqv:
            return TVariant::Null();
        }
    }
    const TLogic x = Logical(a), y = Logical(b);
    int64_t r = 0;
    switch (op) {
    case TLogicOp::And:
        r = x.V & y.V;
        break;
    case TLogicOp::Or:
        r = x.V | y.V;
        break;
    case TLogicOp::Xor:
        r = x.V ^ y.V;
        break;
    case TLogicOp::Eqv:
        r = ~(x.V ^ y.V);
        break;
    case TLogicOp::Imp:
        r = ~x.V | y.V;
        break;
    }
    return LogicValue(LogicResultKind(x.Kind, y.Kind), r);
}

// ---- Integer division and Mod ----------------------------------------

// Both operands rounded to whole numbers first (banker's rounding); the
// result is Byte for two Bytes, Integer for the 16-bit kinds, else Long.
TVariant IntegerOp(bool mod, const TVariant& a, const TVariant& b) {
    if (a.IsNull() || b.IsNull())
        return TVariant::Null();
    CheckOperand(a);
    CheckOperand(b);
    auto rankOf = [](const TVariant& v) {
        switch (v.Type()) {
        case TVarType::Byte:
            return TRank::Byte;
        case TVarType::Empty:
        case TVarType::Boolean:
        case TVarType::Integer:
            return TRank::Integer;
        default:
            return TRank::Long;
        }
    };
    const TRank rank = std::max(rankOf(a), rankOf(b));
    const int64_t x = ToLong(a), y = ToLong(b);
    if (y == 0)
        Raise(kErrDivisionByZero);
    const int64_t r = mod ? x % y : x / y; // C++ truncates and keeps the dividend's sign, as Mod does
    const TVariant v = FromWideInt(r, rank);
    if (v.Type() == TVarType::Double)
        Raise(kErrOverflow);
    return v;
}

// ---- Comparison -------------------------------------------------------

int CompareNumbers(const TVariant& a, const TVariant& b) {
    const TNum x = Numeric(a), y = Numeric(b);
    const bool exact = x.Rank != TRank::Single && x.Rank != TRank::Double && y.Rank != TRank::Single &&
                       y.Rank != TRank::Double && (x.Rank == TRank::Currency) == (y.Rank == TRank::Currency);
    if (exact)
        return x.I < y.I ? -1 : x.I > y.I ? 1 : 0;
    const double dx = AsDouble(x), dy = AsDouble(y);
    return dx < dy ? -1 : dx > dy ? 1 : 0;
}

int CompareText(const QString& a, const QString& b, bool textCompare) {
    const int c = QString::compare(a, b, textCompare ? Qt::CaseInsensitive : Qt::CaseSensitive);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

bool Holds(TCompareOp op, int c) {
    switch (op) {
    case TCompareOp::Eq:
        return c == 0;
    case TCompareOp::Ne:
        return c != 0;
    case TCompareOp::Lt:
        return c < 0;
    case TCompareOp::Le:
        return c <= 0;
    case TCompareOp::Gt:
        return c > 0;
    case TCompareOp::Ge:
        return c >= 0;
    }
    return false;
}

} // namespace

TVariant OpAdd(const TVariant& a, const TVariant& b) {
    if (a.IsNull() || b.IsNull())
        return TVariant::Null();
    CheckOperand(a);
    CheckOperand(b);
    const bool sa = a.Type() == TVarType::String, sb = b.Type() == TVarType::String;
    // Text joins text; Empty beside text is the empty text.
    if ((sa && sb) || (sa && b.IsEmpty()) || (a.IsEmpty() && sb)) {
        CheckResultSize(int64_t{a.Str().size()} + b.Str().size());
        return TVariant::FromString(a.Str() + b.Str());
    }
    if (IsDate(a) || IsDate(b))
        return DateResult(ToDouble(a) + ToDouble(b));
    return Arith(TArith::Add, a, b);
}

TVariant OpSub(const TVariant& a, const TVariant& b) {
    if (a.IsNull() || b.IsNull())
        return TVariant::Null();
    CheckOperand(a);
    CheckOperand(b);
    // A date less a number stays a date; the distance of two dates is days.
    if (IsDate(a) && IsDate(b))
        return FromDoubleChecked(a.Real() - b.Real());
    if (IsDate(a) || IsDate(b))
        return DateResult(ToDouble(a) - ToDouble(b));
    return Arith(TArith::Sub, a, b);
}

TVariant OpMul(const TVariant& a, const TVariant& b) {
    if (a.IsNull() || b.IsNull())
        return TVariant::Null();
    CheckOperand(a);
    CheckOperand(b);
    return Arith(TArith::Mul, a, b);
}

TVariant OpDiv(const TVariant& a, const TVariant& b) {
    if (a.IsNull() || b.IsNull())
        return TVariant::Null();
    CheckOperand(a);
    CheckOperand(b);
    const TNum x = Numeric(a), y = Numeric(b);
    const double dx = AsDouble(x), dy = AsDouble(y);
    if (dy == 0)
        Raise(dx == 0 ? kErrOverflow : kErrDivisionByZero); // 0/0 is an overflow
    const bool single = (x.Rank == TRank::Single || y.Rank == TRank::Single) && x.Rank <= TRank::Single &&
                        y.Rank <= TRank::Single && x.Rank != TRank::Long && y.Rank != TRank::Long;
    if (single)
        return FromSingleOrWider(static_cast<double>(static_cast<float>(dx) / static_cast<float>(dy)));
    return FromDoubleChecked(dx / dy);
}

TVariant OpIntDiv(const TVariant& a, const TVariant& b) {
    return IntegerOp(false, a, b);
}

TVariant OpMod(const TVariant& a, const TVariant& b) {
    return IntegerOp(true, a, b);
}

TVariant OpPow(const TVariant& a, const TVariant& b) {
    if (a.IsNull() || b.IsNull())
        return TVariant::Null();
    CheckOperand(a);
    CheckOperand(b);
    const double x = ToDouble(a), y = ToDouble(b);
    // A negative base needs a whole exponent, and zero no negative one.
    if ((x < 0 && y != std::trunc(y)) || (x == 0 && y < 0))
        Raise(kErrInvalidCall);
    return FromDoubleChecked(std::pow(x, y));
}

TVariant OpNeg(const TVariant& a) {
    switch (a.Type()) {
    case TVarType::Null:
        return a;
    case TVarType::Empty:
        return TVariant::FromInteger(0);
    case TVarType::Boolean:
    case TVarType::Byte:
    case TVarType::Integer:
        return FromWideInt(-a.Int(), TRank::Integer);
    case TVarType::Long:
        return FromWideInt(-a.Int(), TRank::Long);
    case TVarType::Single:
        return TVariant::FromSingle(-static_cast<float>(a.Real()));
    case TVarType::Double:
        return TVariant::FromDouble(-a.Real());
    case TVarType::Date:
        return DateResult(-a.Real());
    case TVarType::Currency:
        if (a.Int() == std::numeric_limits<int64_t>::min())
            Raise(kErrOverflow);
        return TVariant::FromCurrency(-a.Int());
    case TVarType::String:
        return TVariant::FromDouble(-ToDouble(a));
    default:
        Mismatch();
    }
}

TVariant OpConcat(const TVariant& a, const TVariant& b) {
    // Null joins as the empty text; only Null & Null stays Null.
    if (a.IsNull() && b.IsNull())
        return TVariant::Null();
    const QString x = a.IsNull() ? QString() : ToString(a);
    const QString y = b.IsNull() ? QString() : ToString(b);
    CheckResultSize(int64_t{x.size()} + y.size());
    return TVariant::FromString(x + y);
}

TVariant OpNot(const TVariant& a) {
    if (a.IsNull())
        return a;
    const TLogic x = Logical(a);
    return LogicValue(x.Kind, ~x.V);
}

TVariant OpAnd(const TVariant& a, const TVariant& b) {
    return Logic(TLogicOp::And, a, b);
}
TVariant OpOr(const TVariant& a, const TVariant& b) {
    return Logic(TLogicOp::Or, a, b);
}
TVariant OpXor(const TVariant& a, const TVariant& b) {
    return Logic(TLogicOp::Xor, a, b);
}
TVariant OpEqv(const TVariant& a, const TVariant& b) {
    return Logic(TLogicOp::Eqv, a, b);
}
TVariant OpImp(const TVariant& a, const TVariant& b) {
    return Logic(TLogicOp::Imp, a, b);
}

int Compare(const TVariant& a, const TVariant& b, bool textCompare) {
    if (a.IsNull() || b.IsNull())
        Raise(kErrInvalidNull);
    CheckOperand(a);
    CheckOperand(b);
    // The language's rules for values whose kinds are only known at run time:
    // two numbers compare as numbers, two texts as texts; Empty is 0 beside
    // a number and "" beside a text; and a number is always less than a text.
    const bool sa = a.Type() == TVarType::String, sb = b.Type() == TVarType::String;
    if (sa && sb)
        return CompareText(a.Str(), b.Str(), textCompare);
    if (sa && b.IsEmpty())
        return CompareText(a.Str(), QString(), textCompare);
    if (a.IsEmpty() && sb)
        return CompareText(QString(), b.Str(), textCompare);
    if (sa)
        return 1;
    if (sb)
        return -1;
    return CompareNumbers(a, b);
}

TVariant OpCompare(TCompareOp op, const TVariant& a, const TVariant& b) {
    if (a.IsNull() || b.IsNull())
        return TVariant::Null();
    return TVariant::FromBool(Holds(op, Compare(a, b)));
}

TVariant OpCompareTyped(TCompareOp op, const TVariant& a, bool aLiteral, const TVariant& b, bool bLiteral,
                        bool textCompare) {
    if (a.IsNull() || b.IsNull())
        return TVariant::Null();
    // A literal in the script fixes its kind, and the other side is read as
    // that kind when it can be: the literal 5 equals a variable holding "5",
    // the literal "5" a variable holding 5.
    const bool sa = a.Type() == TVarType::String, sb = b.Type() == TVarType::String;
    const bool na = a.IsNumeric() && !a.IsEmpty(), nb = b.IsNumeric() && !b.IsEmpty();
    // Text beside a literal number as a number; beside True or False, the
    // words True and False count too.
    const auto asNumber = [](const QString& text, const TVariant& literal, double& d) {
        if (ParseNumber(text, d))
            return true;
        if (literal.Type() != TVarType::Boolean)
            return false;
        const QString t = text.trimmed();
        if (t.compare(u"True", Qt::CaseInsensitive) == 0)
            d = -1;
        else if (t.compare(u"False", Qt::CaseInsensitive) == 0)
            d = 0;
        else
            return false;
        return true;
    };
    double d = 0;
    if (aLiteral && na && sb && asNumber(b.Str(), a, d))
        return TVariant::FromBool(Holds(op, Compare(a, TVariant::FromDouble(d))));
    if (bLiteral && nb && sa && asNumber(a.Str(), b, d))
        return TVariant::FromBool(Holds(op, Compare(TVariant::FromDouble(d), b)));
    if (aLiteral && sa && nb)
        return TVariant::FromBool(Holds(op, CompareText(a.Str(), ToString(b), textCompare)));
    if (bLiteral && sb && na)
        return TVariant::FromBool(Holds(op, CompareText(ToString(a), b.Str(), textCompare)));
    return TVariant::FromBool(Holds(op, Compare(a, b, textCompare)));
}

} // namespace zp::vbs
