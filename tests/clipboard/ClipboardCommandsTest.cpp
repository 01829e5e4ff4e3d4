// SPDX-License-Identifier: MIT
// The clipboard commands on a real design area (with its tools installed, as
// the main window has them) and the Paste Special dialog, on the offscreen
// platform's in-process clipboard.
#include "design/view/ClipboardCommands.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "data/FieldDrag.h"
#include "design/dialogs/PasteSpecialDialog.h"
#include "design/tools/ToolBox.h"
#include "design/view/DesignArea.h"
#include "model/data/ZpData.h"
#include "model/objects/Interfaces.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/RVData.h"
#include "model/objects/TextInterfaces.h"
#include "model/objects/ZpObject.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDrag>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zp {
namespace {

/// One design area as the main window sets it up.
struct TArea {
    explicit TArea(int width = 600, int height = 450) {
        TZpIDEProperties& ide = Session.Environment();
        ide.RulerWidth = 75; // 24 pixels at 96 per inch
        ide.SnapToRulers = false;
        ide.SnapToGuides = false;
        Session.Document().Layout().Width = 4.0f;
        Session.Document().Layout().Height = 3.0f;
        Area.SetScreenPixelsPerInch(96);
        Area.resize(width, height);
        Area.show();
        Area.RefreshView();
        Box.EditOnDrop = false;
    }
    QWidget* View() { return Area.viewport(); }
    TZpObjectPtr Add(const char* className, TRect bounds, const QString& text = {}) {
        TZpObjectPtr o = CreateObject(QString::fromLatin1(className));
        o->SetBounds(bounds);
        if (auto* data = Supports<IZpData>(o); data && !text.isEmpty())
            data->SetText(text);
        Session.AddObject(o);
        return o;
    }

    TZpEditSession Session{100};
    TZpDesignArea Area{Session};
    TZpToolBox Box{Area};
    TZpClipboardCommands* Commands = new TZpClipboardCommands(Area);
};

class ClipboardCommandsTest : public ::testing::Test {
protected:
    ClipboardCommandsTest() {
        SetLabelDPI(300);
        QGuiApplication::clipboard()->clear();
    }
    ~ClipboardCommandsTest() override {
        QGuiApplication::clipboard()->clear();
        SetLabelDPI(FOldDpi);
    }
    static const QMimeData& Offered() { return *QGuiApplication::clipboard()->mimeData(); }
    static void Offer(std::initializer_list<std::pair<const char*, QByteArray>> formats) {
        auto* mime = new QMimeData;
        for (const auto& [type, bytes] : formats)
            mime->setData(QLatin1String(type), bytes);
        QGuiApplication::clipboard()->setMimeData(mime);
    }
    /// Drag enter, move and drop of mime at a device point of the area's
    /// viewport, as the window system delivers them; whether the drop was
    /// accepted.
    static bool Drop(TArea& target, const QMimeData& mime, QPoint at) {
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target.View(), &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target.View(), &move);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target.View(), &drop);
        return drop.isAccepted();
    }

    TZpScriptedDialogsGuard Dialogs;

private:
    int FOldDpi = LabelDPI();
};

TEST_F(ClipboardCommandsTest, CutCopyAndPasteGoThroughTheSystemClipboard) {
    TArea a;
    TZpObjectPtr rect = a.Add("TZpRectangleObject", {100, 100, 200, 180});
    TZpObjectPtr text = a.Add("TZpTextObject", {300, 300, 600, 400}, QStringLiteral("Best before"));
    EXPECT_FALSE(a.Commands->CanPaste());

    a.Session.ClearSelection();
    a.Session.SelectObject(text);
    a.Commands->Run(QStringLiteral("acCopy"));
    EXPECT_TRUE(OffersObjects(Offered()));
    EXPECT_TRUE(Offered().hasFormat(QStringLiteral("image/png")));
    EXPECT_EQ(Offered().text(), QStringLiteral("Best before"));
    EXPECT_TRUE(a.Commands->CanPaste());

    a.Session.ClearSelection();
    a.Session.SelectObject(rect);
    a.Commands->Run(QStringLiteral("acCut"));
    ASSERT_EQ(a.Session.ControlCount(), 1);
    EXPECT_FALSE(Offered().hasText()); // a rectangle has no text to offer

    a.Session.SetModified(false);
    a.Commands->Run(QStringLiteral("acPaste"));
    a.Commands->Run(QStringLiteral("acPaste"));
    ASSERT_EQ(a.Session.ControlCount(), 3);
    EXPECT_EQ(a.Session.Objects()[1]->GetBounds(), (TRect{110, 110, 210, 190}));
    EXPECT_EQ(a.Session.Objects()[2]->GetBounds(), (TRect{120, 120, 220, 200}));
    EXPECT_TRUE(a.Session.Modified());
    EXPECT_EQ(a.Session.UndoStack().UndoCaption(), QStringLiteral("Paste"));

    // Nothing Paste can take: the message, the label untouched but marked
    // modified as after every paste.
    Offer({{"image/x-emf", QByteArray(64, '\1')}});
    EXPECT_FALSE(a.Commands->CanPaste());
    a.Session.SetModified(false);
    try {
        a.Commands->Run(QStringLiteral("acPaste"));
        ADD_FAILURE() << "no error";
    } catch (const EZpError& e) {
        EXPECT_EQ(e.Message(), NoClipboardFormatMessage());
    }
    EXPECT_EQ(a.Session.ControlCount(), 3);
    EXPECT_TRUE(a.Session.Modified());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ClipboardCommandsTest, WhileAnObjectIsEditedInPlaceTheCommandsGoToItsEditor) {
    TArea a;
    TZpObjectPtr rect = a.Add("TZpRectangleObject", {100, 100, 200, 180});
    a.Session.SelectObject(rect);
    auto* editor = new QLineEdit(QStringLiteral("typed"), a.View());
    editor->show();
    QApplication::setActiveWindow(&a.Area);
    editor->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), editor);

    editor->selectAll();
    a.Commands->Run(QStringLiteral("acCopy"));
    EXPECT_EQ(Offered().text(), QStringLiteral("typed"));
    EXPECT_FALSE(OffersObjects(Offered()));

    QGuiApplication::clipboard()->setText(QStringLiteral(" more"));
    editor->end(false);
    a.Commands->Run(QStringLiteral("acPaste"));
    EXPECT_EQ(editor->text(), QStringLiteral("typed more"));
    a.Commands->Run(QStringLiteral("acCut"));
    EXPECT_EQ(a.Session.ControlCount(), 1); // the selected object stays
}

TEST_F(ClipboardCommandsTest, AltDragCarriesTheSelectionIntoAnotherAreaWhereItLandsAtTheDropPoint) {
    // Alt held at the press, or pressed once a move is under way (window
    // managers that move windows on Alt+press never pass that press on).
    QMimeData carried;
    for (const bool altAtPress : {true, false}) {
        SCOPED_TRACE(altAtPress ? "Alt at the press" : "Alt during a move");
        TArea source;
        TZpObjectPtr text = source.Add("TZpTextObject", {300, 300, 600, 450}, QStringLiteral("Drag me"));
        TZpObjectPtr rect = source.Add("TZpRectangleObject", {400, 600, 700, 700});
        source.Session.SelectObject(text);
        source.Session.SelectObject(rect);
        const QPoint onText = source.Area.LabelToDevice({450, 375});
        auto move = [&](QPoint to, Qt::KeyboardModifiers modifiers) {
            QMouseEvent event(QEvent::MouseMove, to, source.View()->mapToGlobal(to), Qt::NoButton,
                              Qt::LeftButton, modifiers);
            QApplication::sendEvent(source.View(), &event);
        };
        if (altAtPress) {
            QTest::mousePress(source.View(), Qt::LeftButton, Qt::AltModifier, onText);
        } else {
            QTest::mousePress(source.View(), Qt::LeftButton, {}, onText);
            move(onText + QPoint(40, 30), {});
            ASSERT_NE(text->GetBounds().TopLeft(), (TPoint{300, 300})) << "the move did not start";
            move(onText + QPoint(50, 40), Qt::AltModifier);
        }
        QTest::mouseRelease(source.View(), Qt::LeftButton, Qt::AltModifier, onText);
        // The offscreen platform ends the drag at once; its data stays with
        // the drag object until the event loop deletes it.
        auto* drag = source.Area.findChild<QDrag*>();
        ASSERT_NE(drag, nullptr) << "no drag started";
        for (const QString& format : drag->mimeData()->formats())
            carried.setData(format, drag->mimeData()->data(format));
        EXPECT_TRUE(OffersObjects(carried));
        EXPECT_TRUE(carried.hasFormat(QStringLiteral("image/png")));
        EXPECT_EQ(carried.text(), QStringLiteral("Drag me"));
        // A copy, not a move: the objects stay where they were.
        EXPECT_EQ(source.Session.ControlCount(), 2);
        EXPECT_EQ(text->GetBounds().TopLeft(), (TPoint{300, 300}));
        EXPECT_EQ(rect->GetBounds().TopLeft(), (TPoint{400, 600}));
    }

    // The carried text must not turn into a plain text object: the objects
    // land with the first one's corner at the drop point.
    TArea target;
    target.Add("TZpCircleObject", {0, 0, 50, 50});
    const QPoint at = target.Area.LabelToDevice({150, 100});
    ASSERT_TRUE(Drop(target, carried, at));
    ASSERT_EQ(target.Session.ControlCount(), 3);
    const TZpObjectPtr first = target.Session.Objects()[1];
    const TZpObjectPtr second = target.Session.Objects()[2];
    EXPECT_EQ(first->GetClassName(), QStringLiteral("TZpTextObject"));
    EXPECT_EQ(first->GetBounds(), (TRect{150, 100, 450, 250}));
    EXPECT_EQ(Supports<IZpData>(first)->GetText(), QStringLiteral("Drag me"));
    EXPECT_EQ(second->GetBounds(), (TRect{250, 400, 550, 500}));
    EXPECT_EQ(target.Session.SelectedCount(), 2);
    EXPECT_EQ(target.Session.UndoStack().UndoCaption(), QStringLiteral("Paste"));
    target.Session.Undo();
    EXPECT_EQ(target.Session.ControlCount(), 1);

    // A locked label takes nothing.
    target.Session.Environment().SetLockState(true, QString());
    EXPECT_FALSE(Drop(target, carried, at));
    EXPECT_EQ(target.Session.ControlCount(), 1);
}

TEST_F(ClipboardCommandsTest, DropsReachTheHandlerOfWhatTheyCarry) {
    struct Case {
        const char* Name;
        std::function<void(QMimeData&)> Fill;
        const char* ExpectedClass; // null: nothing on the label
        QString ExpectedText;
    };
    TZpFieldDrag field{
        TZpDropKind::Text, QStringLiteral("Products"), QStringLiteral("Items"), {QStringLiteral("Name")}};
    const Case cases[] = {
        {"plain text becomes a text object", [](QMimeData& m) { m.setText(QStringLiteral("Dropped")); },
         "TZpTextObject", QStringLiteral("Dropped")},
        {"a field is bound, not pasted as its name",
         [&](QMimeData& m) {
             m.setData(QLatin1String(kFieldDragMimeType), EncodeFieldDrag(field));
             m.setText(QStringLiteral("Name"));
         },
         "TZpTextObject",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TArea a;
        QMimeData mime;
        c.Fill(mime);
        Drop(a, mime, a.Area.LabelToDevice({300, 300}));
        ASSERT_EQ(a.Session.ControlCount(), 1);
        const TZpObjectPtr o = a.Session.Objects()[0];
        EXPECT_EQ(o->GetClassName(), QLatin1String(c.ExpectedClass));
        EXPECT_EQ(o->GetBounds().TopLeft(), (TPoint{300, 300}));
        auto* data = Supports<IZpData>(o);
        if (c.ExpectedText.isEmpty()) {
            EXPECT_EQ(data->GetKind(), dkDatabaseField);
        } else {
            EXPECT_EQ(data->GetText(), c.ExpectedText);
            EXPECT_EQ(Supports<IZpRVData>(o)->GetRVData().PlainText(), c.ExpectedText); // what is drawn
        }
    }
}

TEST_F(ClipboardCommandsTest, PasteSpecialListsWhatIsOfferedAndPastesTheChoice) {
    QMimeData text;
    text.setText(QStringLiteral("4006381333931"));
    TfrmDialogPasteSpecial dialog(text);
    ASSERT_EQ(dialog.lstFormats->count(), 2);
    EXPECT_EQ(dialog.lstFormats->item(0)->text(), QStringLiteral("New Text Object"));
    EXPECT_EQ(dialog.lstFormats->item(1)->text(), QStringLiteral("New Barcode Object"));
    EXPECT_TRUE(dialog.lstFormats->selectedItems().isEmpty());
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    dialog.lstFormats->setCurrentRow(1);
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.Choice(), TZpPasteKind::Barcode);

    QMimeData all;
    all.setData(QStringLiteral("image/png"), "p");
    all.setData(QLatin1String(kObjectsMimeType), "o");
    TfrmDialogPasteSpecial both(all);
    ASSERT_EQ(both.lstFormats->count(), 2);
    EXPECT_EQ(both.lstFormats->currentItem()->text(), QStringLiteral("Zentaprint Object"));
    EXPECT_EQ(both.Choice(), TZpPasteKind::Objects);

    // Through the command: a double click on an entry acts as OK; Cancel
    // pastes nothing but still marks the label modified.
    TArea a;
    QGuiApplication::clipboard()->setText(QStringLiteral("4006381333931"));
    auto answer = [](const char* entry) {
        QTimer::singleShot(0, [entry] {
            auto* d = qobject_cast<TfrmDialogPasteSpecial*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            if (!entry) {
                d->reject();
                return;
            }
            const QList<QListWidgetItem*> items =
                d->lstFormats->findItems(QLatin1String(entry), Qt::MatchExactly);
            ASSERT_EQ(items.size(), 1);
            const QRect r = d->lstFormats->visualItemRect(items.front());
            // A real double click: press, release, then the double click.
            QTest::mousePress(d->lstFormats->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseRelease(d->lstFormats->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(d->lstFormats->viewport(), Qt::LeftButton, {}, r.center());
            if (d->isVisible())
                d->reject(); // keeps the test from hanging when the double click did nothing
        });
    };
    answer("New Barcode Object");
    a.Commands->Run(QStringLiteral("acPasteSpecial"));
    ASSERT_EQ(a.Session.ControlCount(), 1);
    EXPECT_EQ(a.Session.Objects()[0]->GetClassName(), QStringLiteral("TZpBarcodeObject"));
    EXPECT_EQ(Supports<IZpData>(a.Session.Objects()[0])->GetText(), QStringLiteral("4006381333931"));
    EXPECT_TRUE(a.Session.IsSelected(a.Session.Objects()[0]));

    a.Session.SetModified(false);
    answer(nullptr);
    a.Commands->Run(QStringLiteral("acPasteSpecial"));
    EXPECT_EQ(a.Session.ControlCount(), 1);
    EXPECT_TRUE(a.Session.Modified());
}

} // namespace
} // namespace zp
