// SPDX-License-Identifier: MIT
// The data side of the engine: preparation, escapes, validation, pattern and
// text, dispatched to the symbology families.
#include "barcode/Barcode.h"
#include "barcode/BarcodeFamily.h"
#include "platform/dialogs/DialogServices.h"

namespace zp {

namespace {

// These rules belong to the type codes, whichever family draws them.
bool TakesEscapes(uint8_t code, const TBarcodeFamily& family) {
    return code == bcCode39Ascii || code == bcCode128 || code == bcUCC128 || code == bcCode93 ||
           family.ExpandsEscapes;
}

bool DigitsOnly(uint8_t code, const TBarcodeFamily& family) {
    return (code >= bcUCC128 && code <= bcInt2of5) || code == bcCodabarCLSI || code == bcMSI ||
           code == bcMSIISBN || code == bcITF14 || family.NumericOnly;
}

} // namespace

std::string ExpandBarcodeEscapes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\\' || i + 1 >= text.size()) {
            out += c;
            ++i;
            continue;
        }
        const char next = text[i + 1];
        if (next == '\\') {
            out += '\\';
            i += 2;
            continue;
        }
        if (next == 'F') {
            // \F1..\F4 are Code 128 function escapes, resolved by the encoder.
            out += "\\F";
            i += 2;
            continue;
        }
        const std::string_view number = text.substr(i + 1, 3);
        int value = 0;
        bool isNumber = !number.empty();
        for (char d : number) {
            if (d < '0' || d > '9') {
                isNumber = false;
                break;
            }
            value = value * 10 + (d - '0');
        }
        if (isNumber && value <= 128) {
            out += static_cast<char>(value);
        } else {
            // Not an escape: the backslash and the characters stay as written.
            out += c;
            out += number;
        }
        i += 1 + number.size();
    }
    return out;
}

std::string PrepareBarcodeData(std::string_view data, const TBarcodeOptions& options) {
    std::string prepared;
    prepared.reserve(options.Preamble.size() + data.size() + options.Postamble.size());
    prepared += options.Preamble;
    prepared += data;
    prepared += options.Postamble;
    const TBarcodeFamily& family = BarcodeFamily(options.Symbology);
    if (TakesEscapes(options.Symbology, family))
        prepared = ExpandBarcodeEscapes(prepared);
    if (family.FinishPreparation)
        prepared = family.FinishPreparation(std::move(prepared), options);
    return prepared;
}

bool ValidateBarcodeData(const TBarcodeOptions& options, std::string_view prepared, bool showMessages) {
    if (prepared.empty())
        return false;
    const TBarcodeFamily& family = BarcodeFamily(options.Symbology);
    TBarcodeValidation result;
    if (DigitsOnly(options.Symbology, family) && !AllDigits(prepared))
        result = {false, QStringLiteral("Only numeric values are allowed by the selected bar code")};
    else if (family.Validate)
        result = family.Validate(prepared, options);
    if (result.Ok)
        return true;
    if (!showMessages || result.Message.isEmpty())
        return false;
    return ZpDialogs().MessageBox(TZpMsgKind::Information, result.Message, TZpButtons::OkIgnore,
                                  TZpAnswer::Ok) == TZpAnswer::Ignore;
}

// Families may rely on valid data; anything else has no pattern and no text.
std::string EncodeBarcode(std::string_view prepared, const TBarcodeOptions& options) {
    const TBarcodeFamily& family = BarcodeFamily(options.Symbology);
    if (!family.Encode || !ValidateBarcodeData(options, prepared, false))
        return {};
    return family.Encode(prepared, options);
}

std::string BarcodeHumanReadable(std::string_view prepared, const TBarcodeOptions& options) {
    const TBarcodeFamily& family = BarcodeFamily(options.Symbology);
    if (!family.HumanReadable || !ValidateBarcodeData(options, prepared, false))
        return {};
    return family.HumanReadable(prepared, options);
}

std::string BarcodeBytes(const QString& text) {
    std::string out;
    out.reserve(text.size());
    for (QChar c : text)
        out += static_cast<char>(c.unicode() > 255 ? 0xFF : c.unicode());
    return out;
}

QString BarcodeText(std::string_view data) {
    return QString::fromLatin1(data.data(), static_cast<qsizetype>(data.size()));
}

} // namespace zp
