// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace zp {
class TLabelProperties;
class TZpObject;
} // namespace zp

namespace zp::test {

/// Empties the user's settings store (a temporary one in tests).
void ClearStore();

/// Bytes from a string of hex pairs, spaces ignored: "02 64" -> {0x02, 0x64}.
[[nodiscard]] QByteArray Hex(const char* text);
/// Hex pairs separated by spaces, for readable failure messages.
[[nodiscard]] QString ToHex(const QByteArray& bytes);

/// The object's record as the label file stores it, to compare an object
/// byte for byte before and after.
[[nodiscard]] QByteArray ObjectRecord(TZpObject& object);

/// A file of tests/data.
[[nodiscard]] QString TestDataPath(const QString& name);

/// Sets the label resolution while it lives and puts the one before back.
/// As a fixture's last member it does what SetUp and TearDown would.
class TLabelDpiGuard {
public:
    explicit TLabelDpiGuard(int dpi);
    ~TLabelDpiGuard();
    TLabelDpiGuard(const TLabelDpiGuard&) = delete;
    TLabelDpiGuard& operator=(const TLabelDpiGuard&) = delete;

private:
    int FPrevious;
};

/// A sheet of labels on a US Letter page, in inches.
struct TSheetGrid {
    int Columns = 1, Rows = 1;
    float LeftMargin = 0, TopMargin = 0;
    float Width = 0, Height = 0;
    float HorizontalPitch = 0, VerticalPitch = 0;
};
/// The common address sheet: 3 x 10 labels of 2.625 x 1 inches.
inline constexpr TSheetGrid kAddressSheet{3, 10, 0.1875f, 0.5f, 2.625f, 1.0f, 2.75f, 1.0f};

/// Puts the grid on a Letter page into layout; everything else stays.
void SetLetterSheet(TLabelProperties& layout, const TSheetGrid& grid);

} // namespace zp::test
