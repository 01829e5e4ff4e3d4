// SPDX-License-Identifier: MIT
// Code 39 and its Full ASCII form: 43 data characters plus the "*" frame,
// nine elements each (three wide), a narrow gap after every character.
#include "barcode/BarcodeFamily.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zp {

namespace {

/// Character values for the MOD 43 check: a character's value is its position.
constexpr std::string_view kCode39Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
static_assert(kCode39Chars.size() == 43);

// Elements bar, space, bar, ... of each character in the order of
// kCode39Chars, then "*". Checked against the character table of the Code 39
// standard (ANSI/AIM BC1).
constexpr std::array<std::string_view, 44> kCode39Patterns = {
    "000110100", "100100001", "001100001", "101100000", "000110001", "100110000", "001110000", "000100101",
    "100100100", "001100100", "100001001", "001001001", "101001000", "000011001", "100011000", "001011000",
    "000001101", "100001100", "001001100", "000011100", "100000011", "001000011", "101000010", "000010011",
    "100010010", "001010010", "000000111", "100000110", "001000110", "000010110", "110000001", "011000001",
    "111000000", "010010001", "110010000", "011010000", "010000101", "110000100", "011000100", "010101000",
    "010100010", "010001010", "000101010", "010010100",
};
static_assert(kCode39Patterns.size() == kCode39Chars.size() + 1);
static_assert(
    [] {
        for (std::string_view p : kCode39Patterns)
            if (p.size() != 9 || std::count(p.begin(), p.end(), '1') != 3)
                return false;
        return true;
    }(),
    "every Code 39 character has nine elements, three of them wide");
constexpr size_t kStarIndex = 43;

// Full ASCII pairs for codes 0..127; one character means the character itself.
// Checked against the ANSI/AIM BC1 Full ASCII table (DEL kept as %Z, as the
// program always printed it).
constexpr std::array<std::string_view, 128> kFullAscii = {
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O",
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W", "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E",
    " ",  "/A", "/B", "/C", "/D", "/E", "/F", "/G", "/H", "/I", "/J", "/K", "/L", "-",  ".",  "/O",
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "/Z", "%F", "%G", "%H", "%I", "%J",
    "%V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  "X",  "Y",  "Z",  "%K", "%L", "%M", "%N", "%O",
    "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G", "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O",
    "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W", "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%Z",
};
static_assert(kFullAscii.size() == 128);

/// Full ASCII text of 8-bit data. Characters above 127 have no Code 39 form
/// (validation refuses them).
std::string TranslateFullAscii(std::string_view data) {
    std::string out;
    out.reserve(data.size() * 2);
    for (char c : data) {
        const auto code = static_cast<unsigned char>(c);
        if (code < kFullAscii.size())
            out += kFullAscii[code];
    }
    return out;
}

/// Translated (code 1) or plain (code 0) text made of Code 39 characters.
std::string Code39Text(std::string_view prepared, const TBarcodeOptions& options) {
    return options.Symbology == bcCode39Ascii ? TranslateFullAscii(prepared) : std::string(prepared);
}

char Mod43(std::string_view text) {
    size_t sum = 0;
    for (char c : text) {
        const size_t value = kCode39Chars.find(c);
        if (value != std::string_view::npos)
            sum += value;
    }
    return kCode39Chars[sum % 43];
}

std::string CheckCharacters(std::string_view prepared, const TBarcodeOptions& options) {
    if (!options.CheckDigit)
        return {};
    return std::string(1, Mod43(Code39Text(prepared, options)));
}

TBarcodeValidation ValidateCode39(std::string_view prepared, const TBarcodeOptions&) {
    for (char c : prepared)
        if (kCode39Chars.find(c) == std::string_view::npos)
            return {false,
                    QStringLiteral("Code39 bar codes can only include uppercase letters, numbers, or the "
                                   "following: \"-. $/+%\"")};
    if (prepared.size() > 60)
        return {false, MsgDataTooLong()};
    return {};
}

TBarcodeValidation ValidateCode39Ascii(std::string_view prepared, const TBarcodeOptions&) {
    if (prepared.size() > 60)
        return {false, MsgDataTooLong()};
    // A character without a translation would be left out of the symbol.
    for (char c : prepared)
        if (static_cast<unsigned char>(c) >= kFullAscii.size())
            return {false, QStringLiteral("Code 39 (Full Ascii) bar codes can only include ASCII characters "
                                          "(codes 0 to 127)")};
    return {};
}

std::string Encode(std::string_view prepared, const TBarcodeOptions& options) {
    std::string text = Code39Text(prepared, options);
    text += CheckCharacters(prepared, options);
    std::string pattern;
    pattern.reserve((text.size() + 2) * 9);
    pattern += kCode39Patterns[kStarIndex];
    for (char c : text) {
        const size_t value = kCode39Chars.find(c);
        if (value != std::string_view::npos)
            pattern += kCode39Patterns[value];
    }
    pattern += kCode39Patterns[kStarIndex];
    return pattern;
}

std::string HumanReadable(std::string_view prepared, const TBarcodeOptions& options) {
    std::string text(prepared);
    if (options.ShowCheckDigit)
        text += CheckCharacters(prepared, options);
    if (options.ShowStartStop)
        text = '*' + text + '*';
    std::erase_if(text, [](char c) { return static_cast<unsigned char>(c) < 32; });
    return text;
}

} // namespace

const TBarcodeFamily& Code39Family() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Element,
        .ElementsPerCharacter = 9,
        .Validate = ValidateCode39,
        .Encode = Encode,
        .HumanReadable = HumanReadable,
        .CheckCharacters = CheckCharacters,
    };
    return family;
}

const TBarcodeFamily& Code39AsciiFamily() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Element,
        .ElementsPerCharacter = 9,
        .ExpandsEscapes = true,
        .Validate = ValidateCode39Ascii,
        .Encode = Encode,
        .HumanReadable = HumanReadable,
        .CheckCharacters = CheckCharacters,
    };
    return family;
}

} // namespace zp
