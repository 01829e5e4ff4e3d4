// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeObject.h"
#include "base/LabelDpi.h"
#include "model/layout/LabelProperties.h"
#include "model/layout/LabelRoutines.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace zp::test {

/// One 4 x 2 inch label on a sheet of its own, at 300 label pixels per inch
/// unless a test says otherwise, with bar code objects added by the test.
class VerifyFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ClearStore();
        SetLetterSheet(Layout,
                       {.Width = 4.0f, .Height = 2.0f, .HorizontalPitch = 4.0f, .VerticalPitch = 2.0f});
        Layout.LabelShape = lsRectangle;
    }

    /// A bar code with its text, at (left, top) in label pixels, drawn once
    /// so that its bounds sit around its symbol.
    std::shared_ptr<TZpBarcodeObject> AddBarcode(uint8_t symbology, const QString& text, int32_t density,
                                                 int32_t left = 60, int32_t top = 60) {
        auto bc = std::make_shared<TZpBarcodeObject>();
        bc->Font().SetName(QStringLiteral("Liberation Sans"));
        bc->Symbology = symbology;
        bc->Density = density;
        bc->Height = 120;
        bc->Data().SetName(QStringLiteral("Code%1").arg(Objects.size() + 1));
        bc->Data().SetText(text);
        const TRect b = bc->GetBounds();
        bc->SetBoundsExact({left, top, left + b.Width(), top + b.Height()});
        Objects.push_back(bc);
        return bc;
    }

    TLabelProperties Layout;
    TZpObjectList Objects;
    TZpScriptedDialogsGuard Dialogs;

private:
    TLabelDpiGuard FDpi{300};
};

} // namespace zp::test
