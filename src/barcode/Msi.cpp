// SPDX-License-Identifier: MIT
#include "barcode/Msi.h"

#include "barcode/BarcodeFamily.h"

namespace zp {
namespace msi {
namespace {

// Digits count their value, "X" 10, anything else 0.
int ValueOf(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return c == 'X' ? 10 : 0;
}

char CheckCharacter(int value) {
    return value == 10 ? 'X' : static_cast<char>('0' + value);
}

} // namespace

char Mod10(std::string_view digits) {
    // The odd-position digits, met least significant first from the right,
    // form the number that is doubled; the doubling carries from one of them
    // to the next, so any length works without building the number.
    int sum = 0;
    int carry = 0;
    bool odd = true;
    for (size_t k = digits.size(); k-- > 0; odd = !odd) {
        const int v = ValueOf(digits[k]);
        if (odd) {
            const int doubled = 2 * v + carry;
            sum += doubled % 10;
            carry = doubled / 10;
        } else {
            sum += v;
        }
        sum %= 10;
    }
    for (; carry > 0; carry /= 10)
        sum = (sum + carry % 10) % 10;
    return static_cast<char>('0' + (10 - sum) % 10);
}

// The checks agree with an independent encoder (libzint) except that this
// program has always written a modulo 11 remainder of 1 as the one character "X".
char Mod11(std::string_view digits) {
    int sum = 0;
    int weight = 2;
    for (size_t k = digits.size(); k-- > 0;) {
        sum = (sum + weight * ValueOf(digits[k])) % 11;
        weight = weight == 7 ? 2 : weight + 1;
    }
    return sum == 0 ? '0' : (sum == 1 ? 'X' : static_cast<char>('0' + 11 - sum));
}

char IsbnCheck(std::string_view digits) {
    int sum = 0;
    for (size_t k = 0; k < digits.size(); ++k)
        sum = static_cast<int>((sum + static_cast<int64_t>((k + 1) % 11) * ValueOf(digits[k])) % 11);
    return CheckCharacter(sum);
}

char Mod11Rising(std::string_view characters) {
    int sum = 0;
    int64_t weight = 2;
    for (size_t k = characters.size(); k-- > 0; ++weight)
        sum = static_cast<int>((sum + (weight % 11) * ValueOf(characters[k])) % 11);
    return sum == 0 ? '0' : (sum == 1 ? 'X' : static_cast<char>('0' + 11 - sum));
}

std::string CheckCharacters(std::string_view data, bool checkDigit, bool firstMod11) {
    if (!checkDigit)
        return std::string(1, Mod10(data));
    const char first = firstMod11 ? Mod11(data) : Mod10(data);
    std::string withFirst(data);
    withFirst.push_back(first);
    return std::string{first, Mod10(withFirst)};
}

std::string IsbnCheckCharacters(std::string_view data) {
    std::string withFirst(data);
    withFirst.push_back(IsbnCheck(data));
    return std::string{withFirst.back(), Mod11Rising(withFirst)};
}

std::string BitPattern(std::string_view characters) {
    std::string out;
    out.reserve(characters.size() * 4 + 3);
    out.push_back('1');
    for (const char c : characters) {
        const int v = ValueOf(c);
        for (int bit = 3; bit >= 0; --bit)
            out.push_back((v >> bit) & 1 ? '1' : '0');
    }
    out.append("00");
    return out;
}

std::string HumanReadable(std::string_view data, bool checkDigit, bool firstMod11, bool showCheckDigit,
                          bool showCheckDigit2) {
    std::string text(data);
    if (!showCheckDigit)
        return text;
    const std::string checks = CheckCharacters(data, checkDigit, firstMod11);
    text.push_back(checks[0]);
    if (checks.size() > 1 && showCheckDigit2)
        text.push_back(checks[1]);
    return text;
}

std::string IsbnHumanReadable(std::string_view data, bool showCheckDigit) {
    std::string text(data);
    if (showCheckDigit)
        text.append(IsbnCheckCharacters(data));
    return text;
}

} // namespace msi

const char* ValidateMsi(std::string_view data) {
    return data.size() < 3 || data.size() > 15 ? "MSI/Plessey bar codes must be 3-15 digits long" : nullptr;
}

const char* ValidateMsiIsbn(std::string_view data) {
    return data.size() != 9 ? "MSI/Plessey ISBN bar codes must be 9 digits long" : nullptr;
}

std::string EncodeMsi(std::string_view data, bool checkDigit, bool firstMod11) {
    std::string characters(data);
    characters.append(msi::CheckCharacters(data, checkDigit, firstMod11));
    return msi::BitPattern(characters);
}

std::string EncodeMsiIsbn(std::string_view data) {
    std::string characters(data);
    characters.append(msi::IsbnCheckCharacters(data));
    return msi::BitPattern(characters);
}

namespace {

TBarcodeValidation ValidatePlain(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidateMsi(prepared));
}
TBarcodeValidation ValidateIsbn(std::string_view prepared, const TBarcodeOptions&) {
    return Verdict(ValidateMsiIsbn(prepared));
}
std::string EncodePlain(std::string_view prepared, const TBarcodeOptions& options) {
    return EncodeMsi(prepared, options.CheckDigit, options.FirstCheckMod11);
}
std::string EncodeIsbn(std::string_view prepared, const TBarcodeOptions&) {
    return EncodeMsiIsbn(prepared);
}
std::string TextPlain(std::string_view prepared, const TBarcodeOptions& options) {
    return msi::HumanReadable(prepared, options.CheckDigit, options.FirstCheckMod11, options.ShowCheckDigit,
                              options.ShowCheckDigit2);
}
std::string TextIsbn(std::string_view prepared, const TBarcodeOptions& options) {
    return msi::IsbnHumanReadable(prepared, options.ShowCheckDigit);
}
std::string ChecksPlain(std::string_view prepared, const TBarcodeOptions& options) {
    return msi::CheckCharacters(prepared, options.CheckDigit, options.FirstCheckMod11);
}
std::string ChecksIsbn(std::string_view prepared, const TBarcodeOptions&) {
    return msi::IsbnCheckCharacters(prepared);
}

} // namespace

const TBarcodeFamily& MSIFamily() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Bit,
        .NumericOnly = true,
        .Validate = ValidatePlain,
        .Encode = EncodePlain,
        .HumanReadable = TextPlain,
        .CheckCharacters = ChecksPlain,
    };
    return family;
}

const TBarcodeFamily& MSIISBNFamily() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Bit,
        .NumericOnly = true,
        .Validate = ValidateIsbn,
        .Encode = EncodeIsbn,
        .HumanReadable = TextIsbn,
        .CheckCharacters = ChecksIsbn,
    };
    return family;
}

} // namespace zp
