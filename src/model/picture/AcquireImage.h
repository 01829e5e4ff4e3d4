// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zp {

class IZpGraphic;
class TZpScanner;

extern const QString kNoScannerMessage;

/// Scans an image into the picture: the scan goes to "TWAINIMG.TIF" in a
/// private folder of the temporary folder (removed after), which the
/// picture then loads. When no device answers, the warning kNoScannerMessage is shown and
/// false returned; a scan that yields no picture raises the loader's error.
bool AcquireImage(IZpGraphic& picture, const TZpScanner& scanner);

} // namespace zp
