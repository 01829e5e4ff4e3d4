// SPDX-License-Identifier: MIT
#include "support/TestSupport.h"

#include "base/LabelDpi.h"
#include "base/ValueStream.h"
#include "model/layout/LabelProperties.h"
#include "model/objects/ZpObject.h"
#include "platform/store/SettingsStore.h"

#include <QBuffer>

namespace zp::test {

void ClearStore() {
    TZpSettingsStore& store = ZpStore();
    for (const QString& section :
         {"Application Options", "Last Used", "Label Properties", "Form Position", "Settings",
          "Custom Colors", "Database Connection Strings", "Bar Code Settings", "Text Settings",
          "Fill Style Settings", "Line Style Settings", "MRU Items", "Toolbars", "Vendor Specific"})
        store.EraseSection(section);
}

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QString ToHex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ')).toUpper();
}

QString TestDataPath(const QString& name) {
    return QStringLiteral(ZP_TEST_DATA_DIR "/") + name;
}

TLabelDpiGuard::TLabelDpiGuard(int dpi) : FPrevious(LabelDPI()) {
    SetLabelDPI(dpi);
}

TLabelDpiGuard::~TLabelDpiGuard() {
    SetLabelDPI(FPrevious);
}

void SetLetterSheet(TLabelProperties& layout, const TSheetGrid& grid) {
    layout.PageWidth = 8.5f;
    layout.PageHeight = 11.0f;
    layout.Columns = grid.Columns;
    layout.Rows = grid.Rows;
    layout.LeftMargin = grid.LeftMargin;
    layout.TopMargin = grid.TopMargin;
    layout.Width = grid.Width;
    layout.Height = grid.Height;
    layout.HorizontalPitch = grid.HorizontalPitch;
    layout.VerticalPitch = grid.VerticalPitch;
}

QByteArray ObjectRecord(TZpObject& object) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TZpWriter writer(buffer);
    object.SaveToStream(writer);
    return bytes;
}

} // namespace zp::test
