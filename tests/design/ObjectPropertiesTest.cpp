// SPDX-License-Identifier: MIT
// "Object Properties" on the session: one undoable event on OK, none on Cancel.
#include "base/LabelDpi.h"
#include "design/edit/Arrange.h"
#include "design/edit/EditSession.h"
#include "model/objects/ObjectClasses.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

// The scripted services, with a property dialog that moves the object before
// it answers, as a user's edit would.
class TMovingDialogs : public TZpScriptedDialogs {
public:
    bool EditObjectProperties(TZpObject& object) override {
        object.SetBounds({500, 500, 700, 600});
        return TZpScriptedDialogs::EditObjectProperties(object);
    }
};

class ObjectPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto dialogs = std::make_unique<TMovingDialogs>();
        Dialogs = dialogs.get();
        FPrevious = SetZpDialogs(std::move(dialogs));
        Object = CreateObject(QStringLiteral("TZpRectangleObject"));
        Object->SetBounds({10, 10, 110, 60});
        Session.AddObject(Object);
    }
    void TearDown() override { SetZpDialogs(std::move(FPrevious)); }

    TZpEditSession Session{100};
    TZpObjectPtr Object;
    TMovingDialogs* Dialogs = nullptr;
    std::unique_ptr<IZpDialogs> FPrevious;
    test::TLabelDpiGuard FDpi{300};
};

TEST_F(ObjectPropertiesTest, OkRecordsOneEventWhoseUndoRestoresTheObject) {
    Session.SelectObject(Object);
    Session.SetModified(false);
    Dialogs->Queue(true);
    int signals = 0;
    QObject::connect(&Session, &TZpEditSession::Changed, [&](TZpChanges) { ++signals; });
    EXPECT_TRUE(EditSelectedProperties(Session, {}));
    EXPECT_EQ(signals, 1);
    EXPECT_TRUE(Session.Modified());
    EXPECT_EQ(Session.UndoCommandCaption(), QStringLiteral("&Undo Object Properties"));
    Session.Undo();
    EXPECT_EQ(Object->GetBounds(), TRect(10, 10, 110, 60));
    EXPECT_EQ(Session.UndoCommandCaption(), QStringLiteral("&Undo Add Object"));
    Session.Redo();
    EXPECT_EQ(Object->GetBounds(), TRect(500, 500, 700, 600));
}

TEST_F(ObjectPropertiesTest, CancelOrNotExactlyOneSelectedRecordsNothing) {
    // Nothing selected, then two: the dialog is not even asked.
    EXPECT_FALSE(EditSelectedProperties(Session, {}));
    TZpObjectPtr other = CreateObject(QStringLiteral("TZpRectangleObject"));
    Session.AddObject(other);
    Session.SelectAll();
    EXPECT_FALSE(EditSelectedProperties(Session, {}));
    EXPECT_TRUE(Dialogs->Questions().empty());

    Session.ClearSelection();
    Session.SelectObject(Object);
    Dialogs->Queue(false);
    EXPECT_FALSE(EditSelectedProperties(Session, {}));
    EXPECT_EQ(Dialogs->Questions().size(), 1u);
    EXPECT_EQ(Session.UndoCommandCaption(), QStringLiteral("&Undo Add Object"));
}

} // namespace
} // namespace zp
