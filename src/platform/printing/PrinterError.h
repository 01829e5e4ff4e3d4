// SPDX-License-Identifier: MIT
#pragma once

#include "base/Errors.h"

namespace zp {

/// A failure of the printer layer; the message is what the user sees.
class EZpPrinterError : public EZpError {
public:
    using EZpError::EZpError;
};

/// The fixed messages of the printer layer.
namespace printer_messages {
inline const char* const kPrinting = "Printing in progress";
inline const char* const kNotPrinting = "Printer is not currently printing";
inline const char* const kIndexError = "Printer index out of range";
inline const char* const kNoDefault = "There is no default printer currently selected";
inline const char* const kInvalid = "Printer selected is not valid";
inline const char* const kNotSupported = "Operation not supported on selected printer";
} // namespace printer_messages

} // namespace zp
