// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeObject.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/ObjectPreview.h"
#include "design/dialogs/PropertySheet.h"
#include "model/ModelTestSupport.h"
#include "model/objects/PictureObject.h"
#include "model/objects/ShapeObjects.h"
#include "model/objects/TextObject.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace zp::test {

/// The widget of type W with this accessible name inside root, a shown one
/// first (option panels repeat captions); fails the test when there is none.
template <class W> W* Find(QWidget* root, const QString& name) {
    W* hidden = nullptr;
    for (W* w : root->findChildren<W*>())
        if (w->accessibleName() == name) {
            if (w->isVisibleTo(root))
                return w;
            if (!hidden)
                hidden = w;
        }
    if (hidden)
        return hidden;
    ADD_FAILURE() << "no widget named " << name.toStdString();
    return nullptr;
}

/// Types into a field as a user does: everything selected, then the keys.
inline void Type(QWidget* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    QTest::keyClicks(field, text);
}

/// Chooses a list item by its text as a user does.
inline void Choose(QComboBox* list, const QString& text) {
    ASSERT_NE(list, nullptr);
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

/// Every test works at 300 label pixels per inch, answers questions from a
/// script, and picks colours without the colour dialog.
class SheetTest : public ::testing::Test {
protected:
    SheetTest() {
        TZpPropertyColorButton::Chooser = [this](QWidget*, TColor& c) {
            c = NextColor;
            return true;
        };
    }
    ~SheetTest() override { TZpPropertyColorButton::Chooser = nullptr; }

    /// A dialog loaded on subject, shown so its pages lay out.
    std::unique_ptr<TfrmPropertyObject> Open(TZpObject& subject) {
        auto dialog = std::make_unique<TfrmPropertyObject>();
        dialog->LoadFromObjects(subject);
        dialog->show();
        return dialog;
    }
    static QWidget* ShowPage(TfrmPropertyObject& dialog, const QString& title) {
        TZpPropertyPage* page = dialog.Page(title);
        EXPECT_NE(page, nullptr) << title.toStdString();
        if (page)
            dialog.Pages()->setCurrentWidget(page);
        return page;
    }

    TLabelDpiGuard Dpi{300};
    TZpScriptedDialogsGuard Dialogs;
    TColor NextColor = clRed;
};

} // namespace zp::test
