// SPDX-License-Identifier: MIT
#include "barcode/Postal.h"

#include "barcode/BarcodeFamily.h"
#include "barcode/PatternTables.h"

#include <array>

namespace zp {
namespace postal {
namespace {

// Tall ("1") and short bars of the digits 0..9, the standard Postnet table
// (two tall bars in five, weights 7 4 2 1 0); checked against an independent
// encoder (libzint).
constexpr std::array<std::string_view, 10> kDigits = {"11000", "00011", "00101", "00110", "01001",
                                                      "01010", "01100", "10001", "10010", "10100"};
static_assert(kDigits.size() == 10 && AllBinary(kDigits, 5) && AllHaveOnes(kDigits, 2));

// The nine positions of the facing identification marks A..D; checked against
// an independent encoder (libzint).
constexpr std::array<std::string_view, 4> kFim = {"110010011", "101101101", "110101011", "111010111"};
static_assert(kFim.size() == 4 && AllBinary(kFim, 9));

} // namespace

std::string PostnetDigits(std::string_view data) {
    std::string digits;
    digits.reserve(data.size());
    for (const char c : data)
        if (c >= '0' && c <= '9')
            digits.push_back(c);
    return digits;
}

char PostnetCheckDigit(std::string_view data) {
    int sum = 0;
    for (const char c : data)
        if (c >= '0' && c <= '9')
            sum = (sum + (c - '0')) % 10;
    return static_cast<char>('0' + (10 - sum) % 10);
}

} // namespace postal

const char* ValidatePostnet(std::string_view data) {
    size_t n = 0;
    for (const char c : data)
        n += c >= '0' && c <= '9';
    return n == 5 || n == 9 || n == 11 ? nullptr : "Postnet bar codes must be 5, 9 or 11 digits long";
}

const char* ValidateFim(std::string_view data) {
    return data.size() == 1 && data[0] >= 'A' && data[0] <= 'D'
               ? nullptr
               : "FIM bar codes must be one character long (A,B,C,D)";
}

std::string EncodePostnet(std::string_view data) {
    std::string out;
    out.reserve(data.size() * 5 + 7);
    out.push_back('1');
    for (const char c : data)
        if (c >= '0' && c <= '9')
            out.append(postal::kDigits[c - '0']);
    out.append(postal::kDigits[postal::PostnetCheckDigit(data) - '0']);
    out.push_back('1');
    return out;
}

std::string EncodeFim(std::string_view data) {
    if (data.empty() || data[0] < 'A' || data[0] > 'D')
        return std::string();
    return std::string(postal::kFim[data[0] - 'A']);
}

namespace {

TBarcodeValidation ValidateP(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidatePostnet(prepared));
}
TBarcodeValidation ValidateF(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidateFim(prepared));
}
std::string EncodeP(std::string_view prepared, const TBarcodeOptions&) {
    return EncodePostnet(prepared);
}
std::string EncodeF(std::string_view prepared, const TBarcodeOptions&) {
    return EncodeFim(prepared);
}
std::string TextAsData(std::string_view prepared, const TBarcodeOptions&) {
    return std::string(prepared);
}
std::string ChecksP(std::string_view prepared, const TBarcodeOptions&) {
    return std::string(1, postal::PostnetCheckDigit(prepared));
}

} // namespace

const TBarcodeFamily& PostnetFamily() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::BarHeight,
        .DrawsText = false,
        .Validate = ValidateP,
        .Encode = EncodeP,
        .HumanReadable = TextAsData,
        .CheckCharacters = ChecksP,
    };
    return family;
}

const TBarcodeFamily& FIMFamily() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Position,
        .DrawsText = false,
        .Validate = ValidateF,
        .Encode = EncodeF,
        .HumanReadable = TextAsData,
    };
    return family;
}

} // namespace zp
