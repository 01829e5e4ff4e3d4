// SPDX-License-Identifier: MIT
#include "barcode/Interleaved2of5.h"

#include "barcode/BarcodeFamily.h"
#include "barcode/PatternTables.h"

#include <array>

namespace zp {
namespace i25 {
namespace {

// Narrow/wide elements of the digits 0..9, the standard 2-of-5 table; checked
// by decoding rendered symbols with two readers.
constexpr std::array<std::string_view, 10> kDigits = {"00110", "10001", "01001", "11000", "00101",
                                                      "10100", "01100", "00011", "10010", "01010"};
static_assert(kDigits.size() == 10 && AllBinary(kDigits, 5) && AllHaveOnes(kDigits, 2));

constexpr std::string_view kStart = "0000";
constexpr std::string_view kStop = "100";

int DigitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

} // namespace

char CheckDigit(std::string_view digits, uint8_t method) {
    int sum = 0;
    if (method == 0) {
        // Weights 1, 3, ... from the left of the even-length number (a virtual
        // leading zero for an odd count): the rightmost digit weighs 3.
        int weight = 3;
        for (size_t k = digits.size(); k-- > 0;) {
            sum = (sum + weight * DigitValue(digits[k])) % 10;
            weight = 4 - weight;
        }
    } else if (method == 1) {
        int weight = 2;
        for (size_t k = digits.size(); k-- > 0;) {
            const int product = weight * DigitValue(digits[k]);
            sum = (sum + (product >= 10 ? product - 9 : product)) % 10;
            weight = 3 - weight;
        }
    } else {
        return '0';
    }
    return static_cast<char>('0' + (10 - sum) % 10);
}

std::string SymbolDigits(std::string_view data, bool checkDigit, uint8_t method) {
    std::string digits;
    digits.reserve(data.size() + 2);
    digits.append(data);
    if (checkDigit)
        digits.push_back(CheckDigit(data, method));
    if (digits.size() % 2 != 0)
        digits.insert(digits.begin(), '0');
    return digits;
}

std::string PatternOfDigits(std::string_view digits) {
    std::string padded;
    if (digits.size() % 2 != 0) {
        padded = "0";
        padded.append(digits);
        digits = padded;
    }
    std::string out;
    out.reserve(digits.size() * 5 + kStart.size() + kStop.size());
    out.append(kStart);
    for (size_t k = 0; k + 1 < digits.size(); k += 2) {
        const std::string_view bars = kDigits[DigitValue(digits[k])];
        const std::string_view spaces = kDigits[DigitValue(digits[k + 1])];
        for (size_t e = 0; e < 5; ++e) {
            out.push_back(bars[e]);
            out.push_back(spaces[e]);
        }
    }
    out.append(kStop);
    return out;
}

std::string HumanReadable(std::string_view data, bool checkDigit, bool showCheckDigit, uint8_t method) {
    const size_t count = data.size() + (checkDigit ? 1 : 0);
    std::string text;
    text.reserve(data.size() + 2);
    if (count % 2 != 0)
        text.push_back('0');
    text.append(data);
    if (checkDigit && showCheckDigit)
        text.push_back(CheckDigit(data, method));
    return text;
}

std::string Itf14HumanReadable(std::string_view data, bool showCheckDigit) {
    std::string text(data);
    if (showCheckDigit)
        text.push_back(Mod10Weight3(data));
    return Groups(text, {{1, 1}, {2, 3}, {4, 8}, {9, 13}, {14, 14}});
}

} // namespace i25

const char* ValidateInterleaved2of5(std::string_view data) {
    return data.size() > 60 ? "Data must be 60 characters or less" : nullptr;
}

const char* ValidateItf14(std::string_view data) {
    return data.size() != 13 ? "ITF14 bar codes must be 13 digits long" : nullptr;
}

std::string EncodeInterleaved2of5(std::string_view data, bool checkDigit, uint8_t method) {
    return i25::PatternOfDigits(i25::SymbolDigits(data, checkDigit, method));
}

std::string EncodeItf14(std::string_view data) {
    std::string digits(data);
    digits.push_back(Mod10Weight3(data));
    return i25::PatternOfDigits(digits);
}

namespace {

TBarcodeValidation ValidateI25(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidateInterleaved2of5(prepared));
}
TBarcodeValidation Validate14(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidateItf14(prepared));
}
std::string EncodeI25(std::string_view prepared, const TBarcodeOptions& options) {
    return EncodeInterleaved2of5(prepared, options.CheckDigit, options.I25CheckDigitType);
}
std::string Encode14(std::string_view prepared, const TBarcodeOptions&) {
    return EncodeItf14(prepared);
}
std::string TextI25(std::string_view prepared, const TBarcodeOptions& options) {
    return i25::HumanReadable(prepared, options.CheckDigit, options.ShowCheckDigit,
                              options.I25CheckDigitType);
}
std::string Text14(std::string_view prepared, const TBarcodeOptions& options) {
    return i25::Itf14HumanReadable(prepared, options.ShowCheckDigit);
}
std::string ChecksI25(std::string_view prepared, const TBarcodeOptions& options) {
    return options.CheckDigit ? std::string(1, i25::CheckDigit(prepared, options.I25CheckDigitType))
                              : std::string();
}
std::string Checks14(std::string_view prepared, const TBarcodeOptions&) {
    return std::string(1, Mod10Weight3(prepared));
}

} // namespace

const TBarcodeFamily& Int2of5Family() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Element,
        .NumericOnly = true,
        .BearerBars = true,
        .Validate = ValidateI25,
        .Encode = EncodeI25,
        .HumanReadable = TextI25,
        .CheckCharacters = ChecksI25,
    };
    return family;
}

const TBarcodeFamily& ITF14Family() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Element,
        .NumericOnly = true,
        .BearerBars = true,
        .Validate = Validate14,
        .Encode = Encode14,
        .HumanReadable = Text14,
        .CheckCharacters = Checks14,
    };
    return family;
}

} // namespace zp
