// SPDX-License-Identifier: MIT
#include "barcode/Code128.h"

#include "barcode/BarcodeFamily.h"
#include "barcode/PatternTables.h"

#include <array>

namespace zp {
namespace code128 {
namespace {

// Bar and space widths of values 0..106 (bar first), from the published
// Code 128 symbol table; checked by decoding rendered symbols with two readers.
constexpr std::array<std::string_view, 107> kWidths = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};
static_assert(kWidths.size() == 107);
static_assert(AllWidthsSum(kWidths.data(), 106, 11) && WidthsSum(kWidths[106], 13));

constexpr auto kPatterns = ModulePatterns<107, 13>(kWidths);

enum class TSet { A, B, C };

constexpr bool IsDigit(uint8_t c) {
    return c >= '0' && c <= '9';
}

// Characters with no value in any set (which validation refuses) are left
// out of the symbol.
constexpr bool HasValue(uint8_t c) {
    return c <= 127 || (c >= 201 && c <= 207) || (c >= 251 && c <= 254);
}

constexpr bool InClassA(uint8_t c) {
    return c <= 95 || c == 201 || c == 202 || c == 206 || c == 207 || (c >= 211 && c <= 242) || c >= 251;
}
constexpr bool InClassB(uint8_t c) {
    return (c >= 32 && c <= 127) || c == 201 || c == 202 || c == 205 || c == 207 || c >= 251;
}
constexpr bool InClassC(uint8_t c) {
    return IsDigit(c) || c == 205 || c == 206 || c == 207 || c == 251;
}

// The set-changing characters 203..206 follow their own rows of the value table
// wherever the current set has one, so that 205 in set A is CODE B and not CODE B
// followed by an FNC4 (which a reader would apply to the next character).
constexpr bool HasSwitchRow(uint8_t c, TSet set) {
    if (c < 203 || c > 206)
        return false;
    return set != TSet::C || c == 205 || c == 206;
}

// Value of an ordinary character (not 203..206) in set A or B; -1 when it has none.
int PlainValue(uint8_t c, TSet set) {
    if (c >= 251 && c <= 253)
        return c == 251 ? kFnc1 : (c == 252 ? 97 : 96);
    if (c == 254)
        return set == TSet::A ? kCodeA : kCodeB;
    if (c == 201 || c == 202 || c == 207)
        return c - 105;
    if (set == TSet::A) {
        if (c <= 31)
            return c + 64;
        if (c <= 95)
            return c - 32;
        return -1;
    }
    if (c >= 32 && c <= 127)
        return c - 32;
    return -1;
}

class TEncoder {
public:
    explicit TEncoder(std::string_view data) {
        const std::string replaced = ReplaceFunctionEscapes(data);
        FData.reserve(replaced.size());
        for (const char ch : replaced)
            if (HasValue(static_cast<uint8_t>(ch)))
                FData.push_back(static_cast<uint8_t>(ch));
    }

    std::vector<uint8_t> Run() {
        const size_t n = FData.size();
        FValues.reserve(n + 8);
        if (n > 3 && InClassC(FData[0]) && InClassC(FData[1]) && InClassC(FData[2]) && InClassC(FData[3]))
            FSet = TSet::C;
        else if (n > 0 && InClassB(FData[0]))
            FSet = TSet::B;
        else
            FSet = TSet::A;
        FValues.push_back(FSet == TSet::C ? kStartC : (FSet == TSet::B ? kStartB : kStartA));
        size_t i = 0;
        while (i < n)
            i = Step(i);
        // Reduced even when nothing follows the start, so the check is never a start value.
        int sum = FValues.front() % 103;
        for (size_t k = 1; k < FValues.size(); ++k)
            sum = static_cast<int>((sum + static_cast<int64_t>(k % 103) * FValues[k]) % 103);
        FValues.push_back(static_cast<uint8_t>(sum));
        FValues.push_back(kStop);
        return std::move(FValues);
    }

private:
    std::vector<uint8_t> FData;
    std::vector<uint8_t> FValues;
    TSet FSet = TSet::B;

    void Emit(int value) { FValues.push_back(static_cast<uint8_t>(value)); }

    bool AllClassC(size_t from, size_t count) const {
        for (size_t k = from; k < from + count; ++k)
            if (!InClassC(FData[k]))
                return false;
        return true;
    }

    TSet WantedSet(size_t i) const {
        const uint8_t c = FData[i];
        const TSet other = InClassB(c) ? TSet::B : TSet::A;
        if (!InClassC(c))
            return other;
        if (FSet == TSet::C)
            return TSet::C;
        if (FData.size() - i < 4)
            return other;
        return AllClassC(i, 4) ? TSet::C : other;
    }

    // Applies the value-table row of 203..206 in the current set; returns the next index.
    size_t SwitchRow(size_t i) {
        const uint8_t c = FData[i];
        switch (c) {
        case 203: {
            // SHIFT codes only the next character in the other of sets A and B, as
            // readers decode it; a SHIFT with nothing it could shift is left out.
            const TSet shifted = FSet == TSet::A ? TSet::B : TSet::A;
            const int next = i + 1 < FData.size() && (FData[i + 1] < 203 || FData[i + 1] > 206)
                                 ? PlainValue(FData[i + 1], shifted)
                                 : -1;
            if (next < 0)
                return i + 1;
            Emit(kShift);
            Emit(next);
            return i + 2;
        }
        case 204:
            Emit(kCodeC);
            FSet = TSet::C;
            break;
        case 205: // CODE B, or FNC4 in set B
            Emit(kCodeB);
            FSet = TSet::B;
            break;
        default: // 206: CODE A, or FNC4 in set A
            Emit(kCodeA);
            FSet = TSet::A;
            break;
        }
        return i + 1;
    }

    // Emits character i in set A or B (switching there first when needed).
    size_t EmitIn(size_t i, TSet w) {
        if (FSet != w) {
            Emit(w == TSet::A ? kCodeA : kCodeB);
            FSet = w;
        }
        if (HasSwitchRow(FData[i], FSet))
            return SwitchRow(i);
        Emit(PlainValue(FData[i], FSet));
        return i + 1;
    }

    size_t Step(size_t i) {
        const uint8_t c = FData[i];
        if (HasSwitchRow(c, FSet))
            return SwitchRow(i);
        const TSet w = WantedSet(i);
        if (w != TSet::C)
            return EmitIn(i, w);
        if (FSet != TSet::C) {
            Emit(kCodeC);
            FSet = TSet::C;
        }
        // 205 and 206 took their rows above; of class C only FNC1 and digits remain.
        if (c == 207 || c == 251) {
            Emit(kFnc1);
            return i + 1;
        }
        if (i + 1 < FData.size() && IsDigit(FData[i + 1])) {
            Emit((c - '0') * 10 + (FData[i + 1] - '0'));
            return i + 2;
        }
        const bool toB = i + 1 < FData.size() && InClassB(c) && InClassB(FData[i + 1]);
        return EmitIn(i, toB ? TSet::B : TSet::A);
    }
};

// "\F1".."\F4" starts at data[i].
bool IsFunctionEscape(std::string_view data, size_t i) {
    return data[i] == '\\' && i + 2 < data.size() && data[i + 1] == 'F' && data[i + 2] >= '1' &&
           data[i + 2] <= '4';
}

} // namespace

std::string_view ValuePattern(int value) {
    return value >= 0 && value <= kStop ? std::string_view(kPatterns[value].data()) : std::string_view();
}

std::string ReplaceFunctionEscapes(std::string_view data) {
    std::string out;
    out.reserve(data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        if (IsFunctionEscape(data, i)) {
            out.push_back(static_cast<char>(251 + (data[i + 2] - '1')));
            i += 2;
        } else {
            out.push_back(data[i]);
        }
    }
    return out;
}

std::vector<uint8_t> Values(std::string_view data) {
    return TEncoder(data).Run();
}

std::string PatternOf(const std::vector<uint8_t>& values) {
    std::string out;
    out.reserve(values.size() * 11 + 2);
    for (const uint8_t v : values)
        out.append(ValuePattern(v));
    return out;
}

std::string HumanReadable(std::string_view data) {
    std::string out;
    out.reserve(data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        if (IsFunctionEscape(data, i)) {
            i += 2;
            continue;
        }
        if (static_cast<uint8_t>(data[i]) >= 32)
            out.push_back(data[i]);
    }
    return out;
}

std::string UccSymbolData(std::string_view data, bool checkDigit) {
    std::string out;
    out.reserve(data.size() + 5);
    out.push_back(static_cast<char>(207));
    if (data.size() == 8)
        out.append("\\F1");
    out.append(data);
    if (checkDigit)
        out.push_back(Mod10Weight3(data));
    return out;
}

std::string UccHumanReadable(std::string_view data, bool checkDigit, bool uccFormatting) {
    std::string text = HumanReadable(data);
    const bool eightDigits = text.size() == 8;
    if (checkDigit)
        text.push_back(Mod10Weight3(data));
    if (!uccFormatting)
        return text;
    std::string out("(");
    if (eightDigits)
        return out.append(Characters(text, 1, 3)).append(") ").append(Characters(text, 4, 8));
    out.append(Characters(text, 1, 2)).append(") ");
    return out.append(Groups(text, {{3, 3}, {4, 10}, {11, 19}, {20, 20}}));
}

} // namespace code128

const char* ValidateCode128(std::string_view data) {
    if (data.size() > 60)
        return "Data must be 60 characters or less";
    // Only the escapes make 251..254; typed, they would print as functions.
    for (const char ch : data) {
        const auto c = static_cast<uint8_t>(ch);
        if (c > 127 && (c < 201 || c > 207))
            return "Code 128 bar codes can only include ASCII characters (codes 0 to 127) and the function "
                   "characters 201 to 207";
    }
    return nullptr;
}

const char* ValidateUcc128(std::string_view data, bool checkDigit) {
    const size_t n = data.size();
    if (n == 8 || n == (checkDigit ? 19u : 20u))
        return nullptr;
    return "UCC Code 128 bar codes must be 8,19 (if Zentaprint supplies check digit) or 20 characters long "
           "(if user supplies check digit)";
}

std::string EncodeCode128(std::string_view data) {
    return code128::PatternOf(code128::Values(data));
}

std::string EncodeUcc128(std::string_view data, bool checkDigit) {
    return EncodeCode128(code128::UccSymbolData(data, checkDigit));
}

namespace {

TBarcodeValidation Validate128(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidateCode128(prepared));
}
TBarcodeValidation ValidateUcc(std::string_view prepared, const TBarcodeOptions& options) {
    return Verdict(ValidateUcc128(prepared, options.CheckDigit));
}
std::string Encode128(std::string_view prepared, const TBarcodeOptions&) {
    return EncodeCode128(prepared);
}
std::string EncodeUcc(std::string_view prepared, const TBarcodeOptions& options) {
    return EncodeUcc128(prepared, options.CheckDigit);
}
std::string Text128(std::string_view prepared, const TBarcodeOptions&) {
    return code128::HumanReadable(prepared);
}
std::string TextUcc(std::string_view prepared, const TBarcodeOptions& options) {
    return code128::UccHumanReadable(prepared, options.CheckDigit, options.UCCFormatting);
}
std::string ChecksUcc(std::string_view prepared, const TBarcodeOptions& options) {
    return options.CheckDigit ? std::string(1, Mod10Weight3(prepared)) : std::string();
}

} // namespace

const TBarcodeFamily& Code128Family() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Module,
        .ExpandsEscapes = true,
        .Validate = Validate128,
        .Encode = Encode128,
        .HumanReadable = Text128,
    };
    return family;
}

const TBarcodeFamily& UCC128Family() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Module,
        .NumericOnly = true,
        .ExpandsEscapes = true,
        .Validate = ValidateUcc,
        .Encode = EncodeUcc,
        .HumanReadable = TextUcc,
        .CheckCharacters = ChecksUcc,
    };
    return family;
}

} // namespace zp
