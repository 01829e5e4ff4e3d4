// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace zp::vbs {

/// The value kinds, numbered as VarType answers them.
enum class TVarType : int {
    Empty = 0,
    Null = 1,
    Integer = 2, ///< 16-bit
    Long = 3,    ///< 32-bit
    Single = 4,
    Double = 5,
    Currency = 6, ///< 64-bit, scaled by 10,000
    Date = 7,     ///< days since 30 December 1899, time as the fraction
    String = 8,
    Object = 9, ///< only Nothing exists: scripts get no objects
    Boolean = 11,
    Byte = 17,
    Array = 8204, ///< vbArray + vbVariant: arrays always hold Variants
};

class TVariant;

/// An array's storage, shared by the Variants that hold it until one of them
/// writes (arrays are values: assignment copies).
struct TVarArray {
    std::vector<int32_t> Upper;  ///< upper bound per dimension; lower bounds are 0
    std::vector<TVariant> Items; ///< row-major: the last index runs fastest
};

/// A VBScript value.
class TVariant {
public:
    TVariant() = default; // Empty
    static TVariant Null();
    static TVariant Nothing();
    static TVariant FromBool(bool v);
    static TVariant FromInteger(int16_t v);
    static TVariant FromLong(int32_t v);
    static TVariant FromByte(uint8_t v);
    static TVariant FromSingle(float v);
    static TVariant FromDouble(double v);
    static TVariant FromCurrency(int64_t scaled);
    static TVariant FromDate(double serial);
    static TVariant FromString(QString v);
    static TVariant FromArray(std::shared_ptr<TVarArray> v);

    [[nodiscard]] TVarType Type() const { return FType; }
    [[nodiscard]] bool IsEmpty() const { return FType == TVarType::Empty; }
    [[nodiscard]] bool IsNull() const { return FType == TVarType::Null; }
    [[nodiscard]] bool IsArray() const { return FType == TVarType::Array; }
    [[nodiscard]] bool IsNumeric() const; ///< a numeric kind, Boolean or Empty (not String)

    // The raw payload; valid only for the matching Type().
    [[nodiscard]] bool Bool() const { return FInt != 0; }
    [[nodiscard]] int64_t Int() const { return FInt; }  ///< Integer, Long, Byte, Boolean, Currency
    [[nodiscard]] double Real() const { return FReal; } ///< Single, Double, Date
    [[nodiscard]] const QString& Str() const { return FStr; }
    [[nodiscard]] const std::shared_ptr<TVarArray>& Arr() const { return FArr; }
    /// The array for writing: copied first when another Variant shares it.
    TVarArray& MutableArr();

private:
    TVarType FType = TVarType::Empty;
    int64_t FInt = 0;
    double FReal = 0;
    QString FStr;
    std::shared_ptr<TVarArray> FArr;
};

/// A run-time error as the language raises it: the number Err.Number
/// gives and the description in the language's usual wording.
class EVbsError : public std::runtime_error {
public:
    EVbsError(int32_t number, QString description);
    [[nodiscard]] int32_t Number() const { return FNumber; }
    [[nodiscard]] const QString& Description() const { return FDescription; }

private:
    int32_t FNumber;
    QString FDescription;
};

// The common error numbers.
inline constexpr int32_t kErrInvalidCall = 5;      // "Invalid procedure call or argument"
inline constexpr int32_t kErrOverflow = 6;         // "Overflow"
inline constexpr int32_t kErrOutOfMemory = 7;      // "Out of memory"
inline constexpr int32_t kErrSubscript = 9;        // "Subscript out of range"
inline constexpr int32_t kErrDivisionByZero = 11;  // "Division by zero"
inline constexpr int32_t kErrTypeMismatch = 13;    // "Type mismatch"
inline constexpr int32_t kErrActiveX = 429;        // "ActiveX component can't create object"
inline constexpr int32_t kErrObjectRequired = 424; // "Object required"
inline constexpr int32_t kErrWrongArgs = 450; // "Wrong number of arguments or invalid property assignment"
inline constexpr int32_t kErrUndefined = 500; // "Variable is undefined"
inline constexpr int32_t kErrNotArray = 13;   // indexing a non-array is a type mismatch

/// Raises the error with its usual description.
[[noreturn]] void Raise(int32_t number);

// Coercions, as the language defines them; each raises "Type mismatch" or
// "Overflow" where the language does.
[[nodiscard]] QString ToString(const TVariant& v);  ///< CStr; Null raises "Invalid use of Null"
[[nodiscard]] double ToDouble(const TVariant& v);   ///< CDbl
[[nodiscard]] int32_t ToLong(const TVariant& v);    ///< CLng, banker's rounding
[[nodiscard]] int16_t ToInteger(const TVariant& v); ///< CInt, banker's rounding
[[nodiscard]] bool ToBool(const TVariant& v);       ///< CBool
[[nodiscard]] double ToDate(const TVariant& v);     ///< CDate, as a serial
/// Whether text reads as a number in the invariant way the language accepts
/// (leading/trailing blanks, sign, decimals, exponent, &H/&O).
[[nodiscard]] bool ParseNumber(const QString& text, double& value);

// Operators, with the language's coercion rules (Null propagation,
// Empty as 0 or "", string + string concatenates, result kinds widening
// Integer → Long → Double on overflow).
[[nodiscard]] TVariant OpAdd(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpSub(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpMul(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpDiv(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpIntDiv(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpMod(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpPow(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpNeg(const TVariant& a);
[[nodiscard]] TVariant OpConcat(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpNot(const TVariant& a);
[[nodiscard]] TVariant OpAnd(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpOr(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpXor(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpEqv(const TVariant& a, const TVariant& b);
[[nodiscard]] TVariant OpImp(const TVariant& a, const TVariant& b);

enum class TCompareOp { Eq, Ne, Lt, Le, Gt, Ge };
/// A comparison's value: Boolean, or Null when either side is Null.
[[nodiscard]] TVariant OpCompare(TCompareOp op, const TVariant& a, const TVariant& b);
/// As OpCompare, where a side written in the script as a literal number or
/// text fixes its kind: the other side is read as that kind when it can be,
/// so the literal 5 equals a variable holding "5" (which is otherwise
/// greater than any number).
[[nodiscard]] TVariant OpCompareTyped(TCompareOp op, const TVariant& a, bool aLiteral, const TVariant& b,
                                      bool bLiteral, bool textCompare = false);
/// -1, 0 or 1 as the comparison rules order a and b (Null not allowed);
/// textCompare compares strings without letter case.
[[nodiscard]] int Compare(const TVariant& a, const TVariant& b, bool textCompare = false);

/// What a built-in may ask of the running script.
class IVbsRuntime {
public:
    virtual ~IVbsRuntime() = default;
    /// The next number of the script's random sequence (Rnd, Randomize).
    virtual double NextRandom(double argument, bool hasArgument) = 0;
    virtual void Randomize(double seed, bool hasSeed) = 0;
};

/// A built-in function: arguments already evaluated, missing optional ones
/// absent from the vector.
using TBuiltinFn = TVariant (*)(IVbsRuntime& runtime, const std::vector<TVariant>& args);

struct TBuiltin {
    TBuiltinFn Fn = nullptr;
    int MinArgs = 0;
    int MaxArgs = 0;
};

/// The built-in function of that name (any letter case), or null.
[[nodiscard]] const TBuiltin* FindBuiltin(const QString& name);
/// The value of a vb… constant (vbCrLf, vbTextCompare, vbSunday …) in
/// any letter case; false when there is none.
[[nodiscard]] bool FindConstant(const QString& name, TVariant& value);

} // namespace zp::vbs
