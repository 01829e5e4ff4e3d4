// SPDX-License-Identifier: MIT
// "Object Properties" on several objects: shared values shown, differing
// values blank, OK writes only what was changed, Cancel nothing.
#include "base/ValueStream.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/MultiplePropertySheet.h"
#include "design/edit/Arrange.h"
#include "model/objects/ObjectClasses.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace zp {
namespace {

QByteArray Record(TZpObject& object) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TZpWriter writer(buffer);
    object.SaveToStream(writer);
    return bytes;
}

/// A control of the dialog by its name; fails the test when it is missing.
template <class W> W* Find(QWidget& dialog, const char* name) {
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class MultiplePropertiesTest : public ::testing::Test {
protected:
    TZpObjectPtr Make(const char* className, TRect bounds = {0, 0, 300, 150}) {
        TZpObjectPtr o = CreateObject(QString::fromLatin1(className));
        o->SetBounds(bounds);
        return o;
    }
    test::TLabelDpiGuard FDpi{300};
};

TEST_F(MultiplePropertiesTest, OffersOnlyWhatEveryObjectHas) {
    TZpObjectPtr text = Make("TZpTextObject");
    TZpObjectPtr line = Make("TZpLineObject");
    TfrmPropertyMultipleObject dialog;
    dialog.LoadFromObjects({text, line});
    EXPECT_NE(dialog.Page(QStringLiteral("Properties")), nullptr);
    EXPECT_EQ(dialog.Page(QStringLiteral("Font")), nullptr);
    EXPECT_EQ(dialog.Page(QStringLiteral("Picture")), nullptr);
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
        EXPECT_TRUE(box->isHidden()) << box->title().toStdString();
    EXPECT_TRUE(Find<QComboBox>(dialog, "cmbSizing")->isHidden());
    EXPECT_TRUE(Find<QComboBox>(dialog, "cmbRotation")->isHidden());
    EXPECT_FALSE(Find<QCheckBox>(dialog, "cbPrintObject")->isHidden());
}

TEST_F(MultiplePropertiesTest, DifferingValuesAreBlankAndUntouchedOnesStay) {
    TZpObjectPtr a = Make("TZpRectangleObject");
    TZpObjectPtr b = Make("TZpRectangleObject");
    Supports<IZpLineStyle>(a)->SetWidth(4);
    Supports<IZpLineStyle>(b)->SetWidth(9);
    Supports<IZpFillStyle>(a)->SetColor(0x0000ff);
    Supports<IZpFillStyle>(b)->SetColor(0x0000ff);
    const QByteArray recordA = Record(*a), recordB = Record(*b);
    TfrmPropertyMultipleObject dialog;
    dialog.LoadFromObjects({a, b});
    auto* width = Find<TZpNumberField>(dialog, "spnLineWidth");
    ASSERT_NE(width, nullptr);
    EXPECT_TRUE(width->text().isEmpty());
    EXPECT_EQ(Find<TZpPropertyColorButton>(dialog, "edtFillColor")->Color(), 0x0000ffu);
    dialog.accept();
    EXPECT_EQ(Record(*a), recordA);
    EXPECT_EQ(Record(*b), recordB);
}

TEST_F(MultiplePropertiesTest, OkWritesOnlyTheChangedControlToEveryObject) {
    TZpObjectPtr a = Make("TZpTextObject");
    TZpObjectPtr b = Make("TZpTextObject");
    TZpObjectPtr c = Make("TZpTextObject");
    Supports<IZpFont>(a)->SetBold(true);
    Supports<IZpFont>(b)->SetSize(20);
    TfrmPropertyMultipleObject dialog;
    dialog.LoadFromObjects({a, b, c});
    ASSERT_NE(dialog.Page(QStringLiteral("Font")), nullptr);
    auto* bold = Find<QCheckBox>(dialog, "cbBold");
    EXPECT_EQ(bold->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(Find<QCheckBox>(dialog, "cbItalic")->checkState(), Qt::Unchecked);
    EXPECT_TRUE(Find<TZpNumberField>(dialog, "spnFontSize")->text().isEmpty());
    bold->click();
    EXPECT_EQ(bold->checkState(), Qt::Checked);
    dialog.accept();
    for (const TZpObjectPtr& o : {a, b, c})
        EXPECT_TRUE(Supports<IZpFont>(o)->GetStyle() & 1);
    // The differing sizes were not touched.
    EXPECT_EQ(Supports<IZpFont>(b)->GetSize(), 20);
    EXPECT_NE(Supports<IZpFont>(a)->GetSize(), 20);
}

TEST_F(MultiplePropertiesTest, CancelLeavesRecordsAsTheyWereAndOkRecordsOneEvent) {
    TZpEditSession session{100};
    TZpObjectPtr a = Make("TZpTextObject");
    TZpObjectPtr b = Make("TZpRectangleObject");
    session.AddObject(a);
    session.AddObject(b);
    session.SelectObject(a);
    session.SelectObject(b);
    const bool printed = a->GetPrintObject();
    const QByteArray recordA = Record(*a), recordB = Record(*b);
    const int events = session.UndoStack().UndoCount();
    auto edit = [&](bool ok) {
        return EditSelectedProperties(session, [ok](const TZpObjectList& objects) {
            TfrmPropertyMultipleObject dialog;
            dialog.LoadFromObjects(objects);
            Find<QCheckBox>(dialog, "cbPrintObject")->click();
            if (!ok) {
                dialog.reject();
                return false;
            }
            dialog.accept();
            return true;
        });
    };
    EXPECT_FALSE(edit(false));
    EXPECT_EQ(Record(*a), recordA);
    EXPECT_EQ(Record(*b), recordB);
    EXPECT_EQ(session.UndoStack().UndoCount(), events);
    EXPECT_TRUE(edit(true));
    EXPECT_EQ(a->GetPrintObject(), !printed);
    EXPECT_EQ(b->GetPrintObject(), !printed);
    EXPECT_EQ(session.UndoStack().UndoCaption(), QStringLiteral("Object Properties"));
    session.Undo();
    EXPECT_EQ(Record(*a), recordA);
    EXPECT_EQ(Record(*b), recordB);
}

} // namespace
} // namespace zp
