// SPDX-License-Identifier: MIT
#pragma once

#include "model/base/Color.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace zp {

class TZpReader;
class TZpWriter;

/// One text style of a text object's style sheet.
struct TZpTextStyle {
    TColor Color = 0;
    QString FontName;
    int32_t Size = 10;  ///< points
    int32_t VShift = 0; ///< vertical shift in percent: 50 superscript, -50 subscript
    uint8_t Style = 0;  ///< TZpFontStyleBits, strike-out included
    friend bool operator==(const TZpTextStyle&, const TZpTextStyle&) = default;
};

/// The stored state of a text object's document: the style sheet, the
/// leading corrections and the rich-text content in its own stream format.
/// Until the rich-text document exists the content is kept as bytes and
/// written back unchanged.
class TZpRVData {
public:
    TZpRVData();

    std::vector<TZpTextStyle> TextStyles;
    /// Paragraph styles by their alignment; a new document has the four,
    /// index = alignment.
    std::vector<int32_t> ParaStyles;
    bool SkipFirstLeading = true;
    bool CustomLeading = false;
    int32_t CustomLeadingSize = 100; ///< tenths of a point
    QByteArray Content;

    /// The text section after the object's script block: text styles,
    /// paragraph styles, rotation, leading settings (ov > 14) and the content.
    void LoadSection(TZpReader& reader, int32_t ov, int32_t& rotation);
    void SaveSection(TZpWriter& writer, int32_t rotation) const;
};

} // namespace zp
