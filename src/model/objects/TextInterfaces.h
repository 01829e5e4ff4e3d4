// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/Interfaces.h"

namespace zp {

class TZpRVData;

/// Superscript and subscript of a text object's runs.
class IZpTextShift : public virtual IZpUnknown {
public:
    /// Whether the text style at the caret is shifted; false outside editing.
    [[nodiscard]] virtual bool GetShifted() const = 0;
    /// 0 normal, 1 superscript, 2 subscript.
    virtual void SetShift(uint8_t kind) = 0;
};

/// The percentage by which the in-place editor enlarges fonts.
class IZpEditZoom : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual int32_t GetEditZoom() const = 0;
    virtual void SetEditZoom(int32_t percent) = 0;
};

/// A text object's document and its leading corrections.
class IZpRVData : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual TZpRVData& GetRVData() = 0;
    [[nodiscard]] virtual bool GetSkipFirstLeading() const = 0;
    virtual void SetSkipFirstLeading(bool on) = 0;
    [[nodiscard]] virtual bool GetCustomLeading() const = 0;
    virtual void SetCustomLeading(bool on) = 0;
    /// Tenths of a point.
    [[nodiscard]] virtual int32_t GetCustomLeadingSize() const = 0;
    virtual void SetCustomLeadingSize(int32_t tenths) = 0;
};

} // namespace zp
