// SPDX-License-Identifier: MIT
#include "barcode/Code93.h"

#include "barcode/BarcodeFamily.h"
#include "barcode/PatternTables.h"

#include <array>

namespace zp {
namespace code93 {
namespace {

// Bar and space widths of values 0..47 (bar first), from the published Code 93
// symbol table; checked by decoding rendered symbols with two readers.
constexpr std::array<std::string_view, 48> kWidths = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211", "141111",
    "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212", "112311", "122112",
    "132111", "111123", "111222", "111321", "121122", "131121", "212112", "212211", "211122", "211221",
    "221121", "222111", "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211", "111141"};
static_assert(kWidths.size() == 48);
static_assert(AllWidthsSum(kWidths.data(), kWidths.size(), 9));

constexpr auto kPatterns = ModulePatterns<48, 9>(kWidths);

constexpr int LetterValue(char upper) {
    return 10 + (upper - 'A');
}

// Appends the values of one character (full-ASCII translation).
void Translate(uint8_t c, std::vector<uint8_t>& out) {
    const auto pair = [&out](int shift, char letter) {
        out.push_back(static_cast<uint8_t>(shift));
        out.push_back(static_cast<uint8_t>(LetterValue(letter)));
    };
    if (c >= '0' && c <= '9')
        out.push_back(static_cast<uint8_t>(c - '0'));
    else if (c >= 'A' && c <= 'Z')
        out.push_back(static_cast<uint8_t>(LetterValue(static_cast<char>(c))));
    else if (c == '-')
        out.push_back(36);
    else if (c == '.')
        out.push_back(37);
    else if (c == ' ')
        out.push_back(38);
    else if (c == '$')
        out.push_back(39);
    else if (c == '/')
        out.push_back(40);
    else if (c == '+')
        out.push_back(41);
    else if (c == '%')
        out.push_back(42);
    else if (c == 0)
        pair(kShiftPercent, 'U');
    else if (c <= 26)
        pair(kShiftDollar, static_cast<char>('A' + c - 1));
    else if (c <= 31)
        pair(kShiftPercent, static_cast<char>('A' + c - 27));
    else if (c <= 35)
        pair(kShiftSlash, static_cast<char>('A' + c - 33));
    else if (c >= 38 && c <= 42)
        pair(kShiftSlash, static_cast<char>('F' + c - 38));
    else if (c == ',')
        pair(kShiftSlash, 'L');
    else if (c == ':')
        pair(kShiftSlash, 'Z');
    else if (c >= 59 && c <= 63)
        pair(kShiftPercent, static_cast<char>('F' + c - 59));
    else if (c == '@')
        pair(kShiftPercent, 'V');
    else if (c >= 91 && c <= 95)
        pair(kShiftPercent, static_cast<char>('K' + c - 91));
    else if (c == '`')
        pair(kShiftPercent, 'W');
    else if (c >= 'a' && c <= 'z')
        pair(kShiftPlus, static_cast<char>(c - 'a' + 'A'));
    else if (c >= 123 && c <= 127)
        pair(kShiftPercent, static_cast<char>('P' + c - 123));
    // 128..255: no Code 93 value (validation refuses them)
}

int WeightedSum(const std::vector<uint8_t>& values, int maxWeight) {
    int sum = 0;
    int weight = 1;
    for (size_t k = values.size(); k-- > 0;) {
        sum = (sum + weight * values[k]) % 47;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum;
}

} // namespace

std::string_view ValuePattern(int value) {
    return value >= 0 && value <= kStartStop ? std::string_view(kPatterns[value].data()) : std::string_view();
}

std::vector<uint8_t> DataValues(std::string_view data) {
    std::vector<uint8_t> out;
    out.reserve(data.size() * 2 + 2);
    for (const char ch : data)
        Translate(static_cast<uint8_t>(ch), out);
    return out;
}

void AppendCheckValues(std::vector<uint8_t>& values) {
    values.push_back(static_cast<uint8_t>(WeightedSum(values, 20)));
    values.push_back(static_cast<uint8_t>(WeightedSum(values, 15)));
}

std::string HumanReadable(std::string_view data) {
    std::string out;
    out.reserve(data.size());
    for (const char ch : data)
        if (static_cast<uint8_t>(ch) >= 32)
            out.push_back(ch);
    return out;
}

} // namespace code93

const char* ValidateCode93(std::string_view data) {
    if (data.size() > 60)
        return "Data must be 60 characters or less";
    for (const char ch : data)
        if (static_cast<uint8_t>(ch) > 127)
            return "Code 93 bar codes can only include ASCII characters (codes 0 to 127)";
    return nullptr;
}

std::string EncodeCode93(std::string_view data) {
    std::vector<uint8_t> values = code93::DataValues(data);
    code93::AppendCheckValues(values);
    std::string out;
    out.reserve((values.size() + 2) * 9 + 1);
    out.append(code93::ValuePattern(code93::kStartStop));
    for (const uint8_t v : values)
        out.append(code93::ValuePattern(v));
    out.append(code93::ValuePattern(code93::kStartStop));
    out.push_back('1'); // termination bar
    return out;
}

namespace {

TBarcodeValidation Validate93(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidateCode93(prepared));
}
std::string Encode93(std::string_view prepared, const TBarcodeOptions&) {
    return EncodeCode93(prepared);
}
std::string Text93(std::string_view prepared, const TBarcodeOptions&) {
    return code93::HumanReadable(prepared);
}

} // namespace

const TBarcodeFamily& Code93Family() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Module,
        .ExpandsEscapes = true,
        .Validate = Validate93,
        .Encode = Encode93,
        .HumanReadable = Text93,
    };
    return family;
}

} // namespace zp
