// SPDX-License-Identifier: MIT
// Families not written yet: they refuse every datum with a note, so that the
// engine builds and a symbology can be plugged in one at a time. Delete a
// family's function here when its own source file defines it.
#include "barcode/BarcodeFamily.h"

namespace zp {

namespace {

template <uint8_t Code>
TBarcodeValidation NotSupported(std::string_view, const TBarcodeOptions&) {
    return {false, QStringLiteral("%1 bar codes are not supported yet").arg(QLatin1String(BarcodeTypeNames[Code]))};
}
std::string Nothing(std::string_view, const TBarcodeOptions&) { return {}; }

template <uint8_t Code>
const TBarcodeFamily& Stub(TPatternKind kind) {
    static const TBarcodeFamily family{
        .Kind = kind,
        .Validate = NotSupported<Code>,
        .Encode = Nothing,
        .HumanReadable = Nothing,
    };
    return family;
}

} // namespace

const TBarcodeFamily& Code128Family() { return Stub<bcCode128>(TPatternKind::Module); }
const TBarcodeFamily& UCC128Family() { return Stub<bcUCC128>(TPatternKind::Module); }
const TBarcodeFamily& Int2of5Family() { return Stub<bcInt2of5>(TPatternKind::Element); }
const TBarcodeFamily& CodabarFamily() { return Stub<bcCodabar>(TPatternKind::Element); }
const TBarcodeFamily& CodabarCLSIFamily() { return Stub<bcCodabarCLSI>(TPatternKind::Element); }
const TBarcodeFamily& MSIFamily() { return Stub<bcMSI>(TPatternKind::Bit); }
const TBarcodeFamily& MSIISBNFamily() { return Stub<bcMSIISBN>(TPatternKind::Bit); }
const TBarcodeFamily& Code93Family() { return Stub<bcCode93>(TPatternKind::Module); }
const TBarcodeFamily& Code11Family() { return Stub<bcCode11>(TPatternKind::Element); }
const TBarcodeFamily& PostnetFamily() { return Stub<bcPostnet>(TPatternKind::BarHeight); }
const TBarcodeFamily& FIMFamily() { return Stub<bcFIM>(TPatternKind::Position); }
const TBarcodeFamily& ITF14Family() { return Stub<bcITF14>(TPatternKind::Element); }

} // namespace zp
