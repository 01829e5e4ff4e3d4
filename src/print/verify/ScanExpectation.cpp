// SPDX-License-Identifier: MIT
#include "print/verify/ScanExpectation.h"

#include "barcode/BarcodeFamily.h"
#include "barcode/Codabar.h"
#include "barcode/Code128.h"
#include "barcode/EanUpc.h"
#include "barcode/Interleaved2of5.h"

namespace zp {

namespace {

constexpr char kGroupSeparator = '\x1d';

// Code 128 data as a reader transmits it: FNC1 is the group separator except
// in first place (where it marks GS1 data and sends nothing), FNC2, FNC3 and
// the set changes send nothing, FNC4 lifts the next character by 128.
std::string Code128Transmission(std::string_view data) {
    const std::string replaced = code128::ReplaceFunctionEscapes(data);
    std::string out;
    bool lift = false;
    for (const char ch : replaced) {
        const auto c = static_cast<uint8_t>(ch);
        if (c == 207 || c == 251) {
            if (!out.empty())
                out.push_back(kGroupSeparator);
        } else if (c == 254) {
            lift = true;
        } else if ((c >= 201 && c <= 206) || c == 252 || c == 253) {
            // function and set-change characters carry no data
        } else {
            out.push_back(lift && c < 128 ? static_cast<char>(c + 128) : ch);
            lift = false;
        }
    }
    return out;
}

TZpScanExpectation EanUpc(const TBarcodeOptions& options, std::string_view prepared) {
    const TEanSymbol s = TEanSymbol::Parse(prepared, options.Symbology);
    TZpScanExpectation e{true, s.Main + s.Check, s.Supplement};
    if (options.Symbology == bcUPCE0)
        e.Text.insert(0, 1, '0');
    else if (options.Symbology == bcUPCE1)
        e.Text.insert(0, 1, '1');
    else if (options.Symbology == bcBookland)
        e.Text.insert(0, "978");
    return e;
}

} // namespace

TZpScanExpectation ExpectedScan(const TBarcodeOptions& options, std::string_view prepared) {
    switch (options.Symbology) {
    case bcCode39:
    case bcCode39Ascii:
    case bcCode93:
        return {true, std::string(prepared), {}};
    case bcCode128:
        return {true, Code128Transmission(prepared), {}};
    case bcUCC128:
        return {true, Code128Transmission(code128::UccSymbolData(prepared, options.CheckDigit)), {}};
    case bcUPCA:
    case bcUPCE0:
    case bcUPCE1:
    case bcEAN13:
    case bcEAN8:
    case bcBookland:
        return EanUpc(options, prepared);
    case bcInt2of5:
        return {true, i25::SymbolDigits(prepared, options.CheckDigit, options.I25CheckDigitType), {}};
    case bcITF14:
        return {true, std::string(prepared) + Mod10Weight3(prepared), {}};
    case bcCodabar:
    case bcCodabarCLSI: {
        std::string text(1, codabar::FrameCharacter(options.CodabarStart));
        text.append(prepared);
        if (options.Symbology == bcCodabarCLSI)
            text.push_back(codabar::ClsiCheckDigit(prepared));
        text.push_back(codabar::FrameCharacter(options.CodabarStop));
        return {true, text, {}};
    }
    default:
        return {};
    }
}

} // namespace zp
