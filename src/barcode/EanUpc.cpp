// SPDX-License-Identifier: MIT
// The EAN/UPC family: UPC-A, UPC-E Version 0 and 1, EAN 13, EAN 8 and
// Bookland, with 2- and 5-digit supplements.
#include "barcode/EanUpc.h"

#include "barcode/Barcode.h"

#include <array>
#include <string_view>

namespace zp {

namespace {

// Number sets A (odd parity), B (even) and C (right hand), digits 0..9.
// Checked against the EAN-13/UPC-A encodation tables of ISO/IEC 15420.
constexpr std::array<std::string_view, 10> kSetA = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                                    "0110001", "0101111", "0111011", "0110111", "0001011"};
constexpr std::array<std::string_view, 10> kSetB = {"0100111", "0110011", "0011011", "0100001", "0011101",
                                                    "0111001", "0000101", "0010001", "0001001", "0010111"};
constexpr std::array<std::string_view, 10> kSetC = {"1110010", "1100110", "1101100", "1000010", "1011100",
                                                    "1001110", "1010000", "1000100", "1001000", "1110100"};
static_assert(kSetA.size() == 10 && kSetB.size() == 10 && kSetC.size() == 10);
// C is A inverted and B is C reversed: a slip in one table breaks the check.
static_assert([] {
    for (size_t d = 0; d < 10; ++d)
        for (size_t m = 0; m < 7; ++m)
            if (kSetC[d][m] == kSetA[d][m] || kSetB[d][m] != kSetC[d][6 - m])
                return false;
    return true;
}());

// Sets of EAN-13 digits 2..7 by the first digit (ISO/IEC 15420).
constexpr std::array<std::string_view, 10> kEan13Parity = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                                           "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// UPC-E number system 0 sets by the check digit; number system 1 swaps A and B.
constexpr std::array<std::string_view, 10> kUpcEParity = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                                          "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};
// Five-digit supplement sets by its check value; two-digit ones by value mod 4.
constexpr std::array<std::string_view, 10> kSupplement5Parity = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                                                                 "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};
constexpr std::array<std::string_view, 4> kSupplement2Parity = {"AA", "AB", "BA", "BB"};
static_assert(kEan13Parity.size() == 10 && kUpcEParity.size() == 10 && kSupplement5Parity.size() == 10);

constexpr std::string_view kGuard = "101";
constexpr std::string_view kCentre = "01010";
constexpr std::string_view kUpcEEnd = "010101";
constexpr std::string_view kSupplementStart = "1011";
constexpr std::string_view kSupplementSeparator = "01";

void AppendDigit(std::string& pattern, char digit, char set) {
    const size_t d = static_cast<size_t>(digit - '0') % 10;
    pattern += set == 'A' ? kSetA[d] : set == 'B' ? kSetB[d] : kSetC[d];
}

char UpcESystem(uint8_t symbology) {
    return symbology == bcUPCE1 ? '1' : '0';
}

std::string Ean13Digits(const TEanSymbol& s) {
    return (s.Symbology == bcBookland ? "978" + s.Main : s.Main) + s.Check;
}

std::string SupplementSets(std::string_view digits) {
    if (digits.size() == 2)
        return std::string(
            kSupplement2Parity[static_cast<size_t>((digits[0] - '0') * 10 + (digits[1] - '0')) % 4]);
    const int check = (3 * ((digits[0] - '0') + (digits[2] - '0') + (digits[4] - '0')) +
                       9 * ((digits[1] - '0') + (digits[3] - '0'))) %
                      10;
    return std::string(kSupplement5Parity[static_cast<size_t>(check)]);
}

TBarcodeValidation Validate(std::string_view prepared, const TBarcodeOptions& options) {
    const size_t m = static_cast<size_t>(EanMainLength(options.Symbology));
    const size_t n = prepared.size();
    if ((n >= m && n <= m + 3) || n == m + 5 || n == m + 6)
        return {};
    switch (options.Symbology) {
    case bcUPCA:
        return {false, QStringLiteral("UPC-A bar codes must be 11 characters long with an optional 2 or 5 "
                                      "character supplement")};
    case bcUPCE0:
    case bcUPCE1:
        return {false, QStringLiteral("UPC-E bar codes must be 6 characters long with an optional 2 or 5 "
                                      "character supplement")};
    case bcEAN13:
        return {false, QStringLiteral("EAN-13 bar codes must be 12 characters long with an optional 2 or 5 "
                                      "character supplement")};
    case bcEAN8:
        return {false, QStringLiteral("EAN-8 bar codes must be 7 characters long with an optional 2 or 5 "
                                      "character supplement")};
    default:
        return {false, QStringLiteral("Bookland EAN bar codes must be 9 digits long with an optional 2 or 5 "
                                      "character supplement.")};
    }
}

// UPC-A and EAN 8: the left half in set A, the centre guard, the right half
// in set C, the end guard.
void AppendHalves(std::string& p, const std::string& digits) {
    const size_t half = digits.size() / 2;
    for (size_t i = 0; i < half; ++i)
        AppendDigit(p, digits[i], 'A');
    p += kCentre;
    for (size_t i = half; i < digits.size(); ++i)
        AppendDigit(p, digits[i], 'C');
    p += kGuard;
}

std::string Encode(std::string_view prepared, const TBarcodeOptions& options) {
    const TEanSymbol s = TEanSymbol::Parse(prepared, options.Symbology);
    std::string p;
    p.reserve(160);
    p += kGuard;
    switch (s.Symbology) {
    case bcUPCA:
    case bcEAN8:
        AppendHalves(p, s.Main + s.Check);
        break;
    case bcUPCE0:
    case bcUPCE1: {
        std::string_view sets = kUpcEParity[static_cast<size_t>(s.Check - '0')];
        for (size_t i = 0; i < 6; ++i) {
            char set = sets[i];
            if (s.Symbology == bcUPCE1)
                set = set == 'A' ? 'B' : 'A';
            AppendDigit(p, s.Main[i], set);
        }
        p += kUpcEEnd;
        break;
    }
    default: { // EAN 13 and Bookland
        const std::string digits = Ean13Digits(s);
        std::string_view sets = kEan13Parity[static_cast<size_t>(digits[0] - '0')];
        for (size_t i = 1; i < 7; ++i)
            AppendDigit(p, digits[i], sets[i - 1]);
        p += kCentre;
        for (size_t i = 7; i < 13; ++i)
            AppendDigit(p, digits[i], 'C');
        p += kGuard;
        break;
    }
    }
    if (!s.Supplement.empty()) {
        const std::string sets = SupplementSets(s.Supplement);
        p += kSupplementStart;
        for (size_t i = 0; i < s.Supplement.size(); ++i) {
            if (i > 0)
                p += kSupplementSeparator;
            AppendDigit(p, s.Supplement[i], sets[i]);
        }
    }
    return p;
}

std::string HumanReadable(std::string_view prepared, const TBarcodeOptions& options) {
    const TEanSymbol s = TEanSymbol::Parse(prepared, options.Symbology);
    const std::string& d = s.Main;
    const std::string& sup = s.Supplement;
    std::string t;
    switch (s.Symbology) {
    case bcUPCA:
        if (options.Descenders)
            return d + (options.ShowCheckDigit ? std::string(1, s.Check) : "") + sup;
        if (options.ShowNumberSystem)
            t += d.substr(0, 1) + ' ';
        t += d.substr(1, 5);
        if (options.ShowMfrProdSpace)
            t += ' ';
        t += d.substr(6, 5);
        break;
    case bcUPCE0:
    case bcUPCE1:
        if (options.Descenders)
            return UpcESystem(s.Symbology) + d + (options.ShowCheckDigit ? std::string(1, s.Check) : "") +
                   sup;
        if (options.ShowNumberSystem)
            t += std::string(1, UpcESystem(s.Symbology)) + ' ';
        t += d;
        break;
    case bcBookland:
        return Ean13Digits(s) + sup;
    default: // EAN 13, EAN 8
        if (options.Descenders)
            return d + s.Check + sup;
        return d + s.Check + (sup.empty() ? "" : " " + sup);
    }
    // UPC without descenders
    if (options.ShowCheckDigit)
        t += std::string(" ") + s.Check;
    if (!sup.empty())
        t += ' ' + sup;
    return t;
}

std::string CheckCharacters(std::string_view prepared, const TBarcodeOptions& options) {
    return std::string(1, TEanSymbol::Parse(prepared, options.Symbology).Check);
}

std::string FinishPreparation(std::string data, const TBarcodeOptions& options) {
    return DropSuppliedCheckDigit(data, options.Symbology);
}

TBarcodeGeometry Geometry(std::string_view prepared, const TBarcodeOptions& options) {
    const uint8_t code = options.Symbology;
    const bool upc = code == bcUPCA || code == bcUPCE0 || code == bcUPCE1;
    const int64_t g = EanDigitMargin(options);
    const TEanSymbol s = TEanSymbol::Parse(prepared, code);
    TBarcodeGeometry geometry;
    if ((upc && options.Descenders && options.ShowNumberSystem) || (code == bcEAN13 && options.Descenders) ||
        code == bcBookland)
        geometry.LeftMargin = static_cast<int32_t>(g);
    if (!s.Supplement.empty()) {
        geometry.GapAfter = s.MainModules;
        geometry.GapWidth = static_cast<int32_t>(g);
    } else if (upc && options.ShowHumanReadable && options.ShowCheckDigit && options.Descenders) {
        geometry.RightMargin = static_cast<int32_t>(g);
    }
    return geometry;
}

const TBarcodeFamily& Family() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Module,
        .NumericOnly = true,
        .Validate = Validate,
        .Encode = Encode,
        .HumanReadable = HumanReadable,
        .CheckCharacters = CheckCharacters,
        .FinishPreparation = FinishPreparation,
        .Geometry = Geometry,
        .Draw = DrawEanUpc,
    };
    return family;
}

} // namespace

int EanMainLength(uint8_t symbology) {
    switch (symbology) {
    case bcUPCA:
        return 11;
    case bcUPCE0:
    case bcUPCE1:
        return 6;
    case bcEAN13:
        return 12;
    case bcEAN8:
        return 7;
    default:
        return 9;
    }
}

bool IsEanUpc(uint8_t symbology) {
    return symbology >= bcUPCA && symbology <= bcBookland;
}

int64_t EanDigitMargin(const TBarcodeOptions& options) {
    const bool seven =
        (options.Symbology == bcEAN13 && options.Descenders) || options.Symbology == bcBookland;
    return (seven ? 7 : 9) * static_cast<int64_t>(options.Density);
}

std::string DropSuppliedCheckDigit(std::string_view data, uint8_t symbology) {
    std::string out(data);
    if (!IsEanUpc(symbology))
        return out;
    const size_t m = static_cast<size_t>(EanMainLength(symbology));
    if (out.size() == m + 1 || out.size() == m + 3 || out.size() == m + 6)
        out.erase(m, 1);
    return out;
}

std::string ExpandUpcE(std::string_view d) {
    const std::string s(d);
    switch (d[5]) {
    case '0':
    case '1':
    case '2':
        return s.substr(0, 2) + s[5] + "0000" + s.substr(2, 3);
    case '3':
        return s.substr(0, 3) + "00000" + s.substr(3, 2);
    case '4':
        return s.substr(0, 4) + "00000" + s[4];
    default:
        return s.substr(0, 5) + "0000" + s[5];
    }
}

char IsbnCheck(std::string_view nine) {
    int sum = 0;
    for (size_t i = 0; i < nine.size() && i < 9; ++i)
        sum += static_cast<int>(i + 1) * (nine[i] - '0');
    const int check = sum % 11;
    return check == 10 ? 'X' : static_cast<char>('0' + check);
}

std::string IsbnLine(std::string_view d) {
    size_t p = 1;
    auto number = [&](size_t from, size_t count) {
        int n = 0;
        for (size_t i = from; i < from + count; ++i)
            n = n * 10 + (d[i] - '0');
        return n;
    };
    if (d[0] == '0') {
        if (d[1] == '0' || d[1] == '1') {
            p = 2;
        } else if (d[1] <= '6') {
            p = 3;
        } else {
            const int n = number(1, 2);
            p = n <= 84 ? 4 : n <= 89 ? 5 : n <= 94 ? 6 : 7;
        }
    } else if (d[0] == '1') {
        const int n = number(1, 4);
        p = n < 8698 ? 5 : n <= 9989 ? 6 : 7;
    }
    return "ISBN " + std::string(d.substr(0, 1)) + '-' + std::string(d.substr(1, p)) + '-' +
           std::string(d.substr(1 + p, 8 - p)) + '-' + IsbnCheck(d);
}

TEanSymbol TEanSymbol::Parse(std::string_view prepared, uint8_t symbology) {
    TEanSymbol s;
    s.Symbology = symbology;
    const std::string data = DropSuppliedCheckDigit(prepared, symbology);
    const size_t m = static_cast<size_t>(EanMainLength(symbology));
    s.Main = data.substr(0, m);
    if (data.size() == m + 2 || data.size() == m + 5)
        s.Supplement = data.substr(m);
    switch (symbology) {
    case bcUPCE0:
    case bcUPCE1:
        s.Check = Mod10Weight3(UpcESystem(symbology) + ExpandUpcE(s.Main));
        s.MainModules = 51;
        break;
    case bcEAN8:
        s.Check = Mod10Weight3(s.Main);
        s.MainModules = 67;
        break;
    case bcBookland:
        s.Check = Mod10Weight3("978" + s.Main);
        break;
    default:
        s.Check = Mod10Weight3(s.Main);
        break;
    }
    return s;
}

const TBarcodeFamily& UPCAFamily() {
    return Family();
}
const TBarcodeFamily& UPCE0Family() {
    return Family();
}
const TBarcodeFamily& UPCE1Family() {
    return Family();
}
const TBarcodeFamily& EAN13Family() {
    return Family();
}
const TBarcodeFamily& EAN8Family() {
    return Family();
}
const TBarcodeFamily& BooklandFamily() {
    return Family();
}

} // namespace zp
