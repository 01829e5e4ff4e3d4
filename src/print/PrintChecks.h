// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

namespace zp {

class TLabelProperties;
class TZpDataConnections;
struct TZpPrintInfo;

/// The questions of the checks before a print or preview.
namespace check_messages {
inline const char* const kOutside =
    "%1 objects are outside the label and will be cut off.  Do you want to print anyway?";
inline const char* const kUnprintable =
    "%1 objects overlap non-printable areas for the current printer.  Do you want to print anyway?";
inline const char* const kUnusedDataset = "The dataset \"%1\" is not used by any objects on the label.\r\n"
                                          "Would you like to remove it now? (Recommended)";
inline const char* const kInvalidData =
    "Bar code object \"%1\" was passed invalid data for the given symbology.  Do you want to print anyway?";
inline const char* const kTooLargeForLabel =
    "Bar code object \"%1\" grew too large to fit on the label.  Do you want to print anyway?";
inline const char* const kTooLargeForPrinter =
    "Bar code object \"%1\" grew too large to fit the printable "
    "areas as defined by your printer.  Do you want to print anyway?";
inline const char* const kAbortCheck = "Aborting error check...print labels anyway?";
inline const char* const kNotReadBack =
    "Bar code object \"%1\" could not be read back at %2 dpi (record %3).  "
    "Do you want to print anyway?";
} // namespace check_messages

/// The checks before a print or preview: objects outside the label, objects
/// in the printer's unprintable margins at any sheet position, the bar code
/// dry run (with the CheckBarCodes option) and datasets no object uses.
/// Each question goes on with Yes; No makes the objects concerned the
/// selection and gives false; Cancel leaves through EZpAbort. A Cancel on a
/// dataset question gives false.
[[nodiscard]] bool CheckBeforePrint(const TZpObjectList& objects, TZpObjectList& selection,
                                    const TLabelProperties& layout, const TZpPrintInfo& info,
                                    TZpDataConnections& connections);

/// The bar code dry run: the labels of the run walked without drawing, each
/// printable bar code checked for its data, for the label and for the
/// printable area, under the "Checking Bar Codes" window. With the option
/// ReadBackBarCodes each label is also drawn at the printer's resolution and
/// every symbol read back; one that cannot be is asked about once.
[[nodiscard]] bool VerifyBarCodes(const TZpObjectList& objects, TZpObjectList& selection,
                                  const TLabelProperties& layout, const TZpPrintInfo& info,
                                  TZpDataConnections& connections);

} // namespace zp
