// SPDX-License-Identifier: MIT
#include "barcode/Codabar.h"

#include "barcode/BarcodeFamily.h"
#include "barcode/PatternTables.h"

#include <array>

namespace zp {
namespace codabar {
namespace {

constexpr std::string_view kCharacters = "0123456789-$:/.+ABCD";

// Elements (bar first) of the characters of kCharacters, the standard Codabar
// table; checked by decoding rendered symbols with two readers.
constexpr std::array<std::string_view, 20> kPatterns = {
    "0000011", "0000110", "0001001", "1100000", "0010010", "1000010", "0100001",
    "0100100", "0110000", "1001000", "0001100", "0011000", "1000101", "1010001",
    "1010100", "0010101", "0011010", "0101001", "0001011", "0001110"};
static_assert(kPatterns.size() == kCharacters.size() && AllBinary(kPatterns, 7));

constexpr std::string_view kDataCharacters = "0123456789-$:/.+";

std::string Framed(std::string_view data, uint8_t start, uint8_t stop) {
    std::string out;
    out.reserve(data.size() + 2);
    out.push_back(FrameCharacter(start));
    out.append(data);
    out.push_back(FrameCharacter(stop));
    return out;
}

} // namespace

char FrameCharacter(uint8_t option) {
    return option <= 3 ? static_cast<char>('A' + option) : 'A';
}

std::string_view CharacterPattern(char c) {
    const size_t k = kCharacters.find(c);
    return k == std::string_view::npos ? std::string_view() : kPatterns[k];
}

char ClsiCheckDigit(std::string_view digits) {
    int sum = 0;
    int weight = 2;
    for (const char c : digits) {
        const int product = weight * (c >= '0' && c <= '9' ? c - '0' : 0);
        sum = (sum + (product >= 10 ? product - 9 : product)) % 10;
        weight = 3 - weight;
    }
    return static_cast<char>('0' + (10 - sum) % 10);
}

std::string HumanReadable(std::string_view data, uint8_t start, uint8_t stop, bool showStartStop) {
    return showStartStop ? Framed(data, start, stop) : std::string(data);
}

std::string ClsiHumanReadable(std::string_view data, uint8_t start, uint8_t stop, bool showStartStop) {
    const std::string text = HumanReadable(data, start, stop, showStartStop);
    return Groups(text, {{1, 1}, {2, 5}, {6, 10}, {11, text.size()}});
}

} // namespace codabar

const char* ValidateCodabar(std::string_view data) {
    if (data.size() > 60)
        return "Data must be 60 characters or less";
    if (data.find_first_not_of(codabar::kDataCharacters) != std::string_view::npos)
        return "Codabar codes can only include numbers or the following: \"-$:/.+\"";
    return nullptr;
}

const char* ValidateCodabarClsi(std::string_view data) {
    return data.size() != 13 ? "Codabar CLSI codes must be 13 characters long" : nullptr;
}

std::string EncodeCodabar(std::string_view data, uint8_t start, uint8_t stop) {
    const std::string framed = codabar::Framed(data, start, stop);
    std::string out;
    out.reserve(framed.size() * 7);
    for (const char c : framed)
        out.append(codabar::CharacterPattern(c));
    return out;
}

std::string EncodeCodabarClsi(std::string_view data, uint8_t start, uint8_t stop) {
    std::string digits(data);
    digits.push_back(codabar::ClsiCheckDigit(data));
    return EncodeCodabar(digits, start, stop);
}

namespace {

TBarcodeValidation ValidatePlain(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidateCodabar(prepared));
}
TBarcodeValidation ValidateClsi(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidateCodabarClsi(prepared));
}
std::string EncodePlain(std::string_view prepared, const TBarcodeOptions& options) {
    return EncodeCodabar(prepared, options.CodabarStart, options.CodabarStop);
}
std::string EncodeClsi(std::string_view prepared, const TBarcodeOptions& options) {
    return EncodeCodabarClsi(prepared, options.CodabarStart, options.CodabarStop);
}
std::string TextPlain(std::string_view prepared, const TBarcodeOptions& options) {
    return codabar::HumanReadable(prepared, options.CodabarStart, options.CodabarStop, options.ShowStartStop);
}
std::string TextClsi(std::string_view prepared, const TBarcodeOptions& options) {
    return codabar::ClsiHumanReadable(prepared, options.CodabarStart, options.CodabarStop,
                                      options.ShowStartStop);
}
std::string ChecksClsi(std::string_view prepared, const TBarcodeOptions&) {
    return std::string(1, codabar::ClsiCheckDigit(prepared));
}

} // namespace

const TBarcodeFamily& CodabarFamily() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Element,
        .ElementsPerCharacter = 7,
        .Validate = ValidatePlain,
        .Encode = EncodePlain,
        .HumanReadable = TextPlain,
    };
    return family;
}

const TBarcodeFamily& CodabarCLSIFamily() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Element,
        .ElementsPerCharacter = 7,
        .NumericOnly = true,
        .Validate = ValidateClsi,
        .Encode = EncodeClsi,
        .HumanReadable = TextClsi,
        .CheckCharacters = ChecksClsi,
    };
    return family;
}

} // namespace zp
