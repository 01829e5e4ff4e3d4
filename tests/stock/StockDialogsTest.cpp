// SPDX-License-Identifier: MIT
#include "model/stock/StockCatalogue.h"
#include "model/stock/dialogs/LabelFormatsDialog.h"
#include "model/stock/dialogs/LabelInfoDialog.h"
#include "model/stock/dialogs/NewLabelDialog.h"
#include "model/stock/dialogs/SaveAsTemplateDialog.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "stock/StockTestSupport.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace zp::test {
namespace {

/// Saves what the dialog shows into the build folder, to be looked at.
void Screenshot(QWidget& dialog, const char* name) {
    dialog.show();
    dialog.adjustSize();
    EXPECT_TRUE(dialog.grab().save(QString(ZP_BUILD_DIR "/stock-%1.png").arg(name)));
    dialog.hide();
}

class StockDialogs : public StockFolderTest {
protected:
    TZpScriptedDialogsGuard FDialogs;
};

TEST_F(StockDialogs, SelectLabelFormatPreselectsDeletesAndAssigns) {
    WriteFormats(Shipped("Acme.ldb"), {Stock("A-100", 2.6f, 1), Stock("S-200", 4, 2, "Shipping")});
    SaveToCustomList(Stock("Mine", 3, 1, "Custom"));
    TLabelProperties data = Stock("S-200", 4, 2, "Shipping");
    data.Manufacturer = "Acme";
    TfrmDialogLabelFormats dialog(data);
    ASSERT_TRUE(dialog.Initialize());
    EXPECT_EQ(dialog.Manufacturers()->currentText(), "Acme");
    EXPECT_EQ(dialog.Categories()->currentText(), "Shipping");
    EXPECT_EQ(dialog.Formats()->currentText(), "S-200 (4.00 x 2.00)");
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());
    Screenshot(dialog, "select-label-format");

    dialog.Categories()->setCurrentIndex(0);
    EXPECT_EQ(dialog.Formats()->currentText(), "A-100 (2.60 x 1.00)");
    dialog.accept();
    EXPECT_EQ(data.Product, "A-100");
    EXPECT_FLOAT_EQ(data.Width, 2.6f);

    dialog.Manufacturers()->setCurrentIndex(0);
    EXPECT_EQ(dialog.Manufacturers()->currentText(), "Custom");
    EXPECT_TRUE(dialog.DeleteButton()->isEnabled());
    FDialogs->Queue(TZpAnswer::Yes);
    dialog.DeleteSelected();
    EXPECT_EQ(FDialogs->Messages(), QStringList({"Are you sure you want to delete this label format?"}));
    EXPECT_FALSE(QFileInfo::exists(UserStockFolder() + "Custom.ldb"));

    TfrmDialogLabelFormats again(data);
    ASSERT_TRUE(again.Initialize());
    EXPECT_EQ(again.Manufacturers()->count(), 1);
}

TEST_F(StockDialogs, SelectLabelFormatDoesNotOpenWithoutCatalogues) {
    TLabelProperties data;
    TfrmDialogLabelFormats dialog(data);
    EXPECT_FALSE(dialog.Initialize());
    EXPECT_EQ(FDialogs->Messages(), QStringList({"No label format files (*.ldb) are currently installed."}));
}

TEST_F(StockDialogs, LabelPropertiesPitchRulesAndSavingToTheCustomList) {
    TLabelProperties data = Stock("Mine", 2.5f, 1);
    data.Columns = 1;
    data.LabelShape = lsRoundRect;
    data.EllipseHeight = 0.25f;
    TfrmDialogLabelInfo dialog(data);
    EXPECT_FALSE(dialog.spnHorizontalPitch->isEnabled());
    EXPECT_TRUE(dialog.spnVerticalPitch->isEnabled());
    EXPECT_TRUE(dialog.spnCurveHeight->isEnabled());
    dialog.spnNumberAcross->setValue(3);
    EXPECT_TRUE(dialog.spnHorizontalPitch->isEnabled());
    dialog.spnHorizontalPitch->setValue(1.0);
    EXPECT_DOUBLE_EQ(dialog.spnHorizontalPitch->value(), 2.5);
    Screenshot(dialog, "label-properties");

    FDialogs->Queue(TZpAnswer::Yes);
    dialog.SaveToCustom();
    dialog.reject();
    EXPECT_EQ(data.Manufacturer, "Custom");
    EXPECT_EQ(data.Category, "Custom");
    EXPECT_EQ(data.LabelType, "Custom");
    EXPECT_EQ(data.Columns, 1); // cancelled: the fields stay
    TZpLabelCatalogue catalogue;
    LoadInstalledCatalogue(catalogue);
    ASSERT_EQ(catalogue.size(), 1u);
    const TLabelProperties& saved = catalogue[0].Categories[0].Formats[0].Layout;
    EXPECT_EQ(saved.Product, "Mine");
    EXPECT_EQ(saved.Columns, 3);
    EXPECT_FLOAT_EQ(saved.EllipseWidth, 0.25f);
}

TEST_F(StockDialogs, TemplatesAreSavedAndStartNewUntitledLabels) {
    TZpLabelDocument document;
    document.Layout().Product = "From template";
    {
        TfrmDialogSaveAsTemplate save(document);
        save.accept();
        EXPECT_EQ(FDialogs->Messages(), QStringList({"Please enter a template name."}));
        save.edtTemplateName->setText("Shelf");
        save.memDescription->setPlainText("Shelf edge labels");
        Screenshot(save, "save-as-template");
        save.accept();
        EXPECT_EQ(save.result(), QDialog::Accepted);
    }
    ASSERT_TRUE(QFileInfo::exists(UserTemplateFile("Shelf")));
    {
        FDialogs->Clear();
        FDialogs->Queue(TZpAnswer::No);
        TfrmDialogSaveAsTemplate again(document);
        again.edtTemplateName->setText("Shelf");
        again.accept();
        EXPECT_EQ(FDialogs->Messages(),
                  QStringList({"The specified template already exists.  Do you want to overwrite it?"}));
        EXPECT_NE(again.result(), QDialog::Accepted);
    }

    TZpLabelDocument fresh;
    fresh.SetFileName("old.zp3");
    TfrmDialogNewLabel dialog(fresh);
    ASSERT_EQ(dialog.lstTemplates->count(), 1);
    EXPECT_FALSE(dialog.lstTemplates->isEnabled());
    dialog.rbTemplate->setChecked(true);
    EXPECT_EQ(dialog.memDescription->toPlainText(), "Shelf edge labels");
    Screenshot(dialog, "new-label");
    dialog.accept();
    EXPECT_EQ(fresh.Layout().Product, "From template");
    EXPECT_EQ(fresh.Environment().Description, "Shelf edge labels");
    EXPECT_TRUE(fresh.FileName().isEmpty());
    EXPECT_FALSE(fresh.Modified());
}

} // namespace
} // namespace zp::test
