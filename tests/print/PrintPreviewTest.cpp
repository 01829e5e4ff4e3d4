// SPDX-License-Identifier: MIT
// "Print Preview" on the offscreen platform, over the pages of a real preview run.
#include "print/dialogs/PrintPreview.h"

#include "base/LabelDpi.h"
#include "data/DataConnections.h"
#include "model/layout/LabelProperties.h"
#include "model/objects/ShapeObjects.h"
#include "print/PrintInfo.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace zp {
namespace {

class PrintPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        FLayout.SetDesignDefaults();
        test::SetLetterSheet(FLayout, test::kAddressSheet);
        FLayout.EllipseWidth = 0.125f;
        FLayout.EllipseHeight = 0.125f;
        auto mark = std::make_shared<TZpCircleObject>();
        const int dpi = LabelDPI();
        mark->SetBoundsExact({dpi / 10, dpi / 10, dpi * 8 / 10, dpi * 8 / 10});
        FObjects.push_back(mark);
        FInfo.StartLabel = 1;
        FInfo.Copies = 1;
        FInfo.TotalLabels = 75; // two full sheets and a half
        FPages = BuildPreviewPages(FObjects, FLayout, FData, FInfo);
    }

    TZpObjectList FObjects;
    TLabelProperties FLayout;
    TZpDataConnections FData;
    TZpPrintInfo FInfo;
    TZpPreviewPages FPages;
    QString FTitle = QStringLiteral("Preview test");
};

TEST_F(PrintPreviewTest, PagingEnablesOnlyTheWaysThatLeadSomewhere) {
    ASSERT_EQ(FPages.size(), 3u);
    TZpPreviewRequest request{FObjects, FLayout, FData, FTitle, FInfo, FPages};
    TfrmPrintPreview window(request);
    window.resize(700, 800);
    EXPECT_EQ(window.edtPage->text(), QStringLiteral("Page 1 of 3"));
    EXPECT_FALSE(window.acFirst->isEnabled());
    EXPECT_FALSE(window.acPrevious->isEnabled());
    EXPECT_TRUE(window.acNext->isEnabled());
    EXPECT_TRUE(window.acLast->isEnabled());

    window.acLast->trigger();
    EXPECT_EQ(window.edtPage->text(), QStringLiteral("Page 3 of 3"));
    EXPECT_TRUE(window.acFirst->isEnabled());
    EXPECT_TRUE(window.acPrevious->isEnabled());
    EXPECT_FALSE(window.acNext->isEnabled());
    EXPECT_FALSE(window.acLast->isEnabled());
    window.acPrevious->trigger();
    EXPECT_EQ(window.PageIndex(), 1);

    window.acFirst->trigger();
    window.grab().save(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("print-preview.png")));
}

TEST_F(PrintPreviewTest, ZoomStartsOnTheWholeUprightPageAndAPercentageReleasesTheButtons) {
    TZpPreviewRequest request{FObjects, FLayout, FData, FTitle, FInfo, FPages};
    TfrmPrintPreview window(request);
    window.resize(700, 800);
    EXPECT_TRUE(window.acZoomWhole->isChecked());
    // The whole page fills the view's height.
    EXPECT_EQ(window.Page->height(), window.Scroll->viewport()->height());

    window.acZoomActual->trigger();
    const QRect picture = FPages.front().boundingRect();
    EXPECT_EQ(window.Page->size(), picture.size());
    EXPECT_EQ(window.spnZoom->value(), 100);
    EXPECT_FALSE(window.acZoomWhole->isChecked());

    window.spnZoom->setValue(50);
    EXPECT_FALSE(window.acZoomWhole->isChecked() || window.acZoomWidth->isChecked() ||
                 window.acZoomActual->isChecked());
    EXPECT_EQ(window.Page->height(), (picture.height() + 1) / 2);

    window.acZoomWidth->trigger();
    EXPECT_EQ(window.Page->width(), window.Scroll->viewport()->width());
    EXPECT_TRUE(window.acZoomWidth->isChecked());
}

} // namespace
} // namespace zp
