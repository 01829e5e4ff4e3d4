// SPDX-License-Identifier: MIT
#pragma once

#include "settings/AppOptions.h"

namespace zp {

/// Puts back what reading a label file changes in the program (the selected
/// printer and its orientation, LabelDPI, the options the file carries)
/// unless Keep() was called: for previews and for loads that fail.
class TZpProcessStateKeeper {
public:
    TZpProcessStateKeeper();
    ~TZpProcessStateKeeper();
    TZpProcessStateKeeper(const TZpProcessStateKeeper&) = delete;
    TZpProcessStateKeeper& operator=(const TZpProcessStateKeeper&) = delete;
    void Keep() { FKeep = true; }
    [[nodiscard]] int Dpi() const { return FDpi; }

private:
    TZpAppOptions FOptions;
    int FDpi;
    int FPrinter = -1;
    int FOrientation = 0;
    bool FKeep = false;
};

} // namespace zp
