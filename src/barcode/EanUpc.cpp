// SPDX-License-Identifier: MIT
#include "barcode/BarcodeFamily.h"

namespace zp {

namespace {
TBarcodeValidation NotYet(std::string_view, const TBarcodeOptions&) {
    return {false, QStringLiteral("EAN/UPC bar codes are not supported yet")};
}
std::string Nothing(std::string_view, const TBarcodeOptions&) { return {}; }
const TBarcodeFamily& Stub() {
    static const TBarcodeFamily family{
        .Kind = TPatternKind::Module, .NumericOnly = true, .Validate = NotYet, .Encode = Nothing,
        .HumanReadable = Nothing};
    return family;
}
} // namespace

const TBarcodeFamily& UPCAFamily() { return Stub(); }
const TBarcodeFamily& UPCE0Family() { return Stub(); }
const TBarcodeFamily& UPCE1Family() { return Stub(); }
const TBarcodeFamily& EAN13Family() { return Stub(); }
const TBarcodeFamily& EAN8Family() { return Stub(); }
const TBarcodeFamily& BooklandFamily() { return Stub(); }

} // namespace zp
