// SPDX-License-Identifier: MIT
// Cut, copy and paste on the editing session, without a window or the
// system clipboard: the MIME data stands in for it.
#include "design/edit/Clipboard.h"

#include "base/Errors.h"
#include "design/edit/EditSession.h"
#include "model/data/ZpData.h"
#include "model/objects/Interfaces.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/RVData.h"
#include "model/objects/TextInterfaces.h"
#include "model/objects/ZpObject.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <gtest/gtest.h>

namespace zp {
namespace {

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Device pixels equal label pixels; the window shows (0,0)-(1000,1000).
        View.Mapping = TZpViewMapping{300, 300, 0, 0};
        View.ClientRect = {0, 0, 1000, 1000};
        View.ScreenPpi = 96;
    }

    TZpObjectPtr Add(const char* className, TRect bounds, int32_t group = -1) {
        TZpObjectPtr o = CreateObject(QString::fromLatin1(className));
        o->SetBounds(bounds);
        Session.AddObject(o);
        o->SetGroupId(group);
        return o;
    }
    void Select(std::initializer_list<TZpObjectPtr> objects) {
        Session.ClearSelection();
        for (const TZpObjectPtr& o : objects)
            Session.SelectObject(o);
    }
    static TPoint TopLeft(const TZpObjectPtr& o) { return o->GetBounds().TopLeft(); }
    /// The objects added since count, in drawing order.
    std::vector<TZpObjectPtr> Since(size_t count) const {
        return {Session.Objects().begin() + qsizetype(count), Session.Objects().end()};
    }

    TZpEditSession Session{100};
    TZpClipboard Clipboard{Session};
    TZpPasteView View;

private:
    test::TLabelDpiGuard FDpi{300};
};

TEST_F(ClipboardTest, CutThenPasteComesBackOffsetAndEachPasteMovesFurther) {
    TZpObjectPtr rect = Add("TZpRectangleObject", {100, 100, 200, 180});
    Select({rect});
    std::unique_ptr<QMimeData> mime = Clipboard.Cut(96);
    ASSERT_TRUE(mime);
    EXPECT_EQ(Session.ControlCount(), 0);
    EXPECT_EQ(Session.UndoStack().UndoCaption(), QStringLiteral("Delete Object"));

    Clipboard.Paste(*mime, View);
    ASSERT_EQ(Session.ControlCount(), 1);
    EXPECT_EQ(Session.Objects()[0]->GetBounds(), (TRect{110, 110, 210, 190}));
    Clipboard.Paste(*mime, View);
    ASSERT_EQ(Session.ControlCount(), 2);
    EXPECT_EQ(TopLeft(Session.Objects()[1]), (TPoint{120, 120}));
    EXPECT_EQ(Session.SelectedCount(), 1);
    EXPECT_TRUE(Session.IsSelected(Session.Objects()[1]));
    EXPECT_EQ(Session.UndoStack().UndoCaption(), QStringLiteral("Paste"));

    Session.Undo();
    EXPECT_EQ(Session.ControlCount(), 1);
}

TEST_F(ClipboardTest, ObjectsPastedTogetherAreOffsetOneStepEachInDrawingOrder) {
    TZpObjectPtr a = Add("TZpRectangleObject", {0, 0, 50, 50});
    TZpObjectPtr b = Add("TZpCircleObject", {0, 0, 50, 50});
    TZpObjectPtr c = Add("TZpRectangleObject", {0, 0, 50, 50});
    Select({c, a, b}); // selection order differs from drawing order
    std::unique_ptr<QMimeData> mime = Clipboard.Cut(96);
    Clipboard.Paste(*mime, View);
    ASSERT_EQ(Session.ControlCount(), 3);
    const char* classes[] = {"TZpRectangleObject", "TZpCircleObject", "TZpRectangleObject"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(TopLeft(Session.Objects()[size_t(i)]), (TPoint{10 * (i + 1), 10 * (i + 1)}));
        EXPECT_EQ(Session.Objects()[size_t(i)]->GetClassName(), QLatin1String(classes[i]));
    }
    EXPECT_EQ(Session.SelectedCount(), 3);
    EXPECT_EQ(Clipboard.PasteOffset(), (TPoint{30, 30}));
}

TEST_F(ClipboardTest, RectangleOutsideTheWindowLandsAtItsTopLeftOrTheLabelOrigin) {
    struct Case {
        const char* Name;
        int OriginX, OriginY; // where the label's origin lies in the window
        TRect Bounds;
        TRect Expected;
    };
    const Case cases[] = {
        {"inside stays", 0, 0, {300, 300, 400, 350}, {310, 310, 410, 360}},
        {"only its bottom-right inside stays", 0, 0, {-50, -50, 40, 40}, {0, 0, 90, 90}},
        {"beyond the window", 0, 0, {2000, 2000, 2100, 2050}, {0, 0, 100, 50}},
        {"scrolled: window corner", -500, -400, {2000, 2000, 2100, 2050}, {500, 400, 600, 450}},
        {"label right of the corner: origin", 200, 100, {2000, 2000, 2100, 2050}, {0, 0, 100, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TZpEditSession session(100);
        TZpClipboard clipboard(session);
        TZpObjectPtr o = CreateObject(QStringLiteral("TZpRectangleObject"));
        o->SetBoundsExact(c.Bounds);
        std::unique_ptr<QMimeData> mime = ObjectsToMimeData({o}, 96);
        TZpPasteView view = View;
        view.Mapping.OriginX = c.OriginX;
        view.Mapping.OriginY = c.OriginY;
        clipboard.Paste(*mime, view);
        ASSERT_EQ(session.ControlCount(), 1);
        EXPECT_EQ(session.Objects()[0]->GetBounds(), c.Expected);
    }
}

TEST_F(ClipboardTest, PastedMembersOfAnyGroupFormOneNewGroup) {
    TZpObjectPtr a = Add("TZpRectangleObject", {0, 0, 10, 10}, 1);
    TZpObjectPtr b = Add("TZpRectangleObject", {0, 0, 10, 10}, 1);
    TZpObjectPtr c = Add("TZpRectangleObject", {0, 0, 10, 10}, 2);
    TZpObjectPtr loose = Add("TZpRectangleObject", {0, 0, 10, 10});
    Add("TZpRectangleObject", {0, 0, 10, 10}, 7);
    std::unique_ptr<QMimeData> mime = ObjectsToMimeData({a, b, c, loose}, 96);
    const size_t before = Session.Objects().size();
    Clipboard.Paste(*mime, View);
    const std::vector<TZpObjectPtr> pasted = Since(before);
    ASSERT_EQ(pasted.size(), 4u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(pasted[size_t(i)]->GetGroupId(), 8);
    EXPECT_EQ(pasted[3]->GetGroupId(), -1);
    EXPECT_EQ(a->GetGroupId(), 1);
}

TEST_F(ClipboardTest, PastedCopiesOfANamedTextGetFreeNames) {
    TZpObjectPtr text = Add("TZpTextObject", {0, 0, 100, 40});
    ASSERT_EQ(Supports<IZpData>(text)->GetName(), QStringLiteral("TEXT_1"));
    std::unique_ptr<QMimeData> mime = ObjectsToMimeData({text}, 96);
    Clipboard.Paste(*mime, View);
    Clipboard.Paste(*mime, View);
    ASSERT_EQ(Session.ControlCount(), 3);
    EXPECT_EQ(Supports<IZpData>(Session.Objects()[1])->GetName(), QStringLiteral("TEXT_2"));
    EXPECT_EQ(Supports<IZpData>(Session.Objects()[2])->GetName(), QStringLiteral("TEXT_3"));
    EXPECT_EQ(Supports<IZpData>(Session.Objects()[2])->GetConnections(), &Session.Document().Connections());
}

TEST_F(ClipboardTest, DamagedBlocksLeaveTheLabelUnchanged) {
    Add("TZpRectangleObject", {0, 0, 10, 10});
    TZpObjectPtr text = Add("TZpTextObject", {0, 0, 100, 40});
    const QByteArray good = ObjectsToMimeData({text}, 96)->data(QLatin1String(kObjectsMimeType));
    QByteArray wrongClass = good;
    wrongClass.replace("TZpTextObject", "TZpNoSuchThin");
    TZpObjectPtr far = CreateObject(QStringLiteral("TZpRectangleObject"));
    far->SetBoundsExact({2000000000, 0, 2000000010, 10});
    const QByteArray farOff = ObjectsToMimeData({far}, 96)->data(QLatin1String(kObjectsMimeType));
    struct Case {
        const char* Name;
        QByteArray Block;
        QString Message; // empty: the reader's own message
    };
    const Case cases[] = {
        {"empty", QByteArray(), InvalidClipboardBlockMessage()},
        {"huge", QByteArray(65 * 1024 * 1024, '\0'), InvalidClipboardBlockMessage()},
        {"truncated", good.left(good.size() - 3), {}},
        {"unknown class", wrongClass, {}},
        {"garbage", QByteArray("\x01\xff\xff\xff\x7f garbage", 14), {}},
        {"far off the label", farOff, InvalidClipboardBlockMessage()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QMimeData mime;
        mime.setData(QLatin1String(kObjectsMimeType), c.Block);
        const QString undo = Session.UndoStack().UndoCaption();
        try {
            Clipboard.Paste(mime, View);
            ADD_FAILURE() << "no error";
        } catch (const EZpError& e) {
            if (!c.Message.isEmpty()) {
                EXPECT_EQ(e.Message(), c.Message);
            }
        }
        EXPECT_EQ(Session.ControlCount(), 2);
        EXPECT_EQ(Session.UndoStack().UndoCaption(), undo);
    }
    // The block may be longer than the list: reading stops at its end.
    QMimeData longer;
    longer.setData(QLatin1String(kObjectsMimeType), good + QByteArray(100, '\xee'));
    Clipboard.Paste(longer, View);
    EXPECT_EQ(Session.ControlCount(), 3);
}

TEST_F(ClipboardTest, PasteTakesObjectsThenPicturesThenText) {
    TZpObjectPtr text = Add("TZpTextObject", {0, 0, 100, 40});
    Supports<IZpData>(text)->SetText(QStringLiteral("Hello"));
    std::unique_ptr<QMimeData> copied = ObjectsToMimeData({text}, 96);
    EXPECT_TRUE(copied->hasFormat(QStringLiteral("image/png")));
    EXPECT_TRUE(copied->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_EQ(copied->text(), QStringLiteral("Hello"));
    EXPECT_FALSE(QImage::fromData(copied->data(QStringLiteral("image/png"))).isNull());

    Clipboard.Paste(*copied, View);
    EXPECT_EQ(Session.Objects().back()->GetClassName(), QStringLiteral("TZpTextObject"));

    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QMimeData picture;
    picture.setData(QStringLiteral("text/plain"), "ignored");
    picture.setData(QStringLiteral("image/png"), png);
    Clipboard.Paste(picture, View);
    TZpObjectPtr pasted = Session.Objects().back();
    EXPECT_EQ(pasted->GetClassName(), QStringLiteral("TZpPictureObject"));
    EXPECT_EQ(pasted->GetBounds(), (TRect{0, 0, 300, 150})); // one image pixel per screen pixel
    EXPECT_EQ(Session.UndoStack().UndoCaption(), QStringLiteral("Add Object"));

    QMimeData plain;
    plain.setData(QStringLiteral("text/plain;charset=utf-8"), QStringLiteral("Grüße").toUtf8());
    Clipboard.Paste(plain, View);
    EXPECT_EQ(Session.Objects().back()->GetClassName(), QStringLiteral("TZpTextObject"));
    EXPECT_EQ(Supports<IZpData>(Session.Objects().back())->GetText(), QStringLiteral("Grüße"));
    // The text drawn, not only the data behind it.
    EXPECT_EQ(Supports<IZpRVData>(Session.Objects().back())->GetRVData().PlainText(),
              QStringLiteral("Grüße"));
    QMimeData digits;
    digits.setText(QStringLiteral("12345"));
    Clipboard.PasteAs(TZpPasteKind::Barcode, digits, View);
    EXPECT_EQ(Session.Objects().back()->GetClassName(), QStringLiteral("TZpBarcodeObject"));
    EXPECT_EQ(Supports<IZpData>(Session.Objects().back())->GetText(), QStringLiteral("12345"));
    EXPECT_EQ(Session.SelectedCount(), 1);
}

TEST_F(ClipboardTest, MetafileAloneCannotBePasted) {
    QMimeData mime;
    mime.setData(QStringLiteral("image/x-emf"), QByteArray(64, '\1'));
    EXPECT_FALSE(CanPasteFrom(mime));
    try {
        Clipboard.Paste(mime, View);
        ADD_FAILURE() << "no error";
    } catch (const EZpError& e) {
        EXPECT_EQ(e.Message(), NoClipboardFormatMessage());
    }
    EXPECT_EQ(Session.ControlCount(), 0);
}

TEST(PasteSpecialTest, ListsTheOfferedKindsInClipboardOrder) {
    auto captions = [](const QMimeData& mime, int& pre) {
        QStringList list;
        for (const TZpPasteChoice& c : PasteSpecialChoices(mime, &pre))
            list << c.Caption;
        return list.join(QLatin1Char('|'));
    };
    int pre = 0;
    QMimeData text;
    text.setData(QStringLiteral("text/plain;charset=utf-8"), "x");
    text.setData(QStringLiteral("text/plain"), "x");
    EXPECT_EQ(captions(text, pre), QStringLiteral("New Text Object|New Barcode Object"));
    EXPECT_EQ(pre, -1);

    QMimeData all;
    all.setData(QStringLiteral("image/png"), "p");
    all.setData(QStringLiteral("text/plain"), "x");
    all.setData(QLatin1String(kObjectsMimeType), "o");
    EXPECT_EQ(captions(all, pre),
              QStringLiteral("New Picture Object|New Text Object|New Barcode Object|Zentaprint Object"));
    EXPECT_EQ(pre, 3);
}

} // namespace
} // namespace zp
