// SPDX-License-Identifier: MIT
#include "barcode/BarcodeFamily.h"

#include <array>

namespace zp {

namespace {

// Type codes above 19 are accepted and draw nothing: files from newer
// versions must not fail because of a symbology this one lacks.
TBarcodeValidation AcceptAll(std::string_view, const TBarcodeOptions&) {
    return {};
}
std::string Nothing(std::string_view, const TBarcodeOptions&) {
    return {};
}

const TBarcodeFamily kEmptyFamily{
    .Kind = TPatternKind::Module,
    .DrawsText = false,
    .Validate = AcceptAll,
    .Encode = Nothing,
    .HumanReadable = Nothing,
};

using TFamilyGetter = const TBarcodeFamily& (*)();

// Indexed by type code.
constexpr std::array<TFamilyGetter, kBarcodeTypeCount> kFamilies = {
    Code39Family,  Code39AsciiFamily, Code128Family,     UCC128Family, UPCAFamily,
    UPCE0Family,   UPCE1Family,       EAN13Family,       EAN8Family,   BooklandFamily,
    Int2of5Family, CodabarFamily,     CodabarCLSIFamily, MSIFamily,    MSIISBNFamily,
    Code93Family,  Code11Family,      PostnetFamily,     FIMFamily,    ITF14Family,
};

} // namespace

const TBarcodeFamily& BarcodeFamily(uint8_t symbology) {
    if (symbology >= kFamilies.size())
        return kEmptyFamily;
    return kFamilies[symbology]();
}

QString MsgDataTooLong() {
    return QStringLiteral("Data must be 60 characters or less");
}

TBarcodeValidation Verdict(const char* message) {
    return message == nullptr ? TBarcodeValidation{}
                              : TBarcodeValidation{false, QString::fromLatin1(message)};
}

std::string_view Characters(std::string_view text, size_t from, size_t to) {
    if (from < 1 || from > text.size() || to < from)
        return {};
    return text.substr(from - 1, to - from + 1);
}

std::string Groups(std::string_view text, std::initializer_list<std::pair<size_t, size_t>> groups) {
    std::string out;
    out.reserve(text.size() + groups.size());
    bool first = true;
    for (const auto& [from, to] : groups) {
        if (!first)
            out.push_back(' ');
        first = false;
        out.append(Characters(text, from, to));
    }
    return out;
}

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

char Mod10Weight3(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

} // namespace zp
