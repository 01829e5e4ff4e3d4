// SPDX-License-Identifier: MIT
#include "barcode/Code11.h"

#include "barcode/BarcodeFamily.h"
#include "barcode/PatternTables.h"

#include <array>

namespace zp {
namespace code11 {
namespace {

// Elements (bar first) of "0".."9" and "-", the standard Code 11 table; start and
// stop share one pattern. Checked against an independent encoder (libzint),
// check characters included.
constexpr std::array<std::string_view, 11> kPatterns = {"00001", "10001", "01001", "11000", "00101", "10100",
                                                        "01100", "00011", "10010", "10000", "00100"};
static_assert(kPatterns.size() == 11 && AllBinary(kPatterns, 5));
constexpr std::string_view kStartStop = "00110";

int ValueOf(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return c == '-' ? 10 : -1;
}

} // namespace

char CheckCharacter(std::string_view characters, int maxWeight) {
    int sum = 0;
    int weight = 1;
    for (size_t k = characters.size(); k-- > 0;) {
        const int v = ValueOf(characters[k]);
        sum = (sum + weight * (v < 0 ? 0 : v)) % 11;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum == 10 ? '-' : static_cast<char>('0' + sum);
}

std::string CheckCharacters(std::string_view data, bool checkDigit) {
    std::string checks(1, CheckCharacter(data, 10));
    if (checkDigit) {
        std::string withC(data);
        withC.push_back(checks[0]);
        checks.push_back(CheckCharacter(withC, 9));
    }
    return checks;
}

std::string HumanReadable(std::string_view data, bool checkDigit, bool showCheckDigit, bool showCheckDigit2) {
    std::string text(data);
    const std::string checks = CheckCharacters(data, checkDigit);
    if (showCheckDigit)
        text.push_back(checks[0]);
    // K is printed only when the symbol carries it.
    if (showCheckDigit2 && checks.size() > 1)
        text.push_back(checks[1]);
    return text;
}

} // namespace code11

const char* ValidateCode11(std::string_view data) {
    if (data.size() > 60)
        return "Data must be 60 characters or less";
    if (data.find_first_not_of("0123456789-") != std::string_view::npos)
        return "Code 11 bar codes can only include numbers or the dash symbol(-)";
    return nullptr;
}

std::string EncodeCode11(std::string_view data, bool checkDigit) {
    std::string characters(data);
    characters.append(code11::CheckCharacters(data, checkDigit));
    std::string out;
    out.reserve((characters.size() + 2) * 5);
    out.append(code11::kStartStop);
    for (const char c : characters) {
        const int v = code11::ValueOf(c);
        if (v >= 0)
            out.append(code11::kPatterns[v]);
    }
    out.append(code11::kStartStop);
    return out;
}

namespace {

TBarcodeValidation Validate11(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidateCode11(prepared));
}
std::string Encode11(std::string_view prepared, const TBarcodeOptions& options) {
    return EncodeCode11(prepared, options.CheckDigit);
}
std::string Text11(std::string_view prepared, const TBarcodeOptions& options) {
    return code11::HumanReadable(prepared, options.CheckDigit, options.ShowCheckDigit,
                                 options.ShowCheckDigit2);
}
std::string Checks11(std::string_view prepared, const TBarcodeOptions& options) {
    return code11::CheckCharacters(prepared, options.CheckDigit);
}

} // namespace

const TBarcodeFamily& Code11Family() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Element,
        .ElementsPerCharacter = 5,
        .Validate = Validate11,
        .Encode = Encode11,
        .HumanReadable = Text11,
        .CheckCharacters = Checks11,
    };
    return family;
}

} // namespace zp
