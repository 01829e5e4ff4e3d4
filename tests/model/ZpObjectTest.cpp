// SPDX-License-Identifier: MIT
#include "base/Errors.h"
#include "model/ModelTestSupport.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/ShapeObjects.h"
#include "platform/dialogs/ScriptedDialogs.h"

namespace zp {
namespace {

using test::TLabelDpiGuard;

struct BoundsCase {
    const char* name;
    TRect given;
    TRect stored;
};

// The base rule shifts, never shrinks.
const BoundsCase kBaseBounds[] = {
    {"LeftNegative", {-10, 5, 90, 50}, {0, 5, 100, 50}},  {"TopNegative", {5, -20, 50, 30}, {5, 0, 50, 50}},
    {"BothNegative", {-1, -2, 3, 4}, {0, 0, 4, 6}},       {"Inside", {1, 2, 3, 4}, {1, 2, 3, 4}},
    {"ReversedKept", {50, 40, 10, 10}, {50, 40, 10, 10}},
};

class BaseBoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(BaseBoundsTest, ShiftsToTheOrigin) {
    TZpRectangleObject obj;
    obj.SetBounds(GetParam().given);
    EXPECT_EQ(obj.GetBounds(), GetParam().stored);
    obj.SetBoundsExact(GetParam().given);
    EXPECT_EQ(obj.GetBounds(), GetParam().given);
}

INSTANTIATE_TEST_SUITE_P(ZpObject, BaseBoundsTest, ::testing::ValuesIn(kBaseBounds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZpObjectTest, NewObjectIsOneInchByHalfAnInch) {
    for (const auto& [dpi, bounds] :
         {std::pair{300, TRect{0, 0, 300, 150}}, std::pair{203, TRect{0, 0, 203, 101}}}) {
        TLabelDpiGuard guard(dpi);
        TZpCircleObject obj;
        EXPECT_EQ(obj.GetBounds(), bounds) << dpi;
        EXPECT_EQ(obj.GetVersion(), 22);
        EXPECT_TRUE(obj.GetPrintObject());
        EXPECT_EQ(obj.GetGroupId(), -1);
        EXPECT_EQ(obj.GetSizing(), szUnrestricted);
        EXPECT_TRUE(obj.GetAspectRect().IsNull());
        EXPECT_TRUE(obj.GetTrackRect().IsNull());
    }
}

TEST(ZpObjectTest, SizingCapturesTheBoundsOnlyWhenSwitchingToAspectRatio) {
    TZpRectangleObject obj;
    obj.SetBoundsExact({1, 2, 30, 40});
    obj.SetSizing(szAspectRatio);
    EXPECT_EQ(obj.GetAspectRect(), (TRect{1, 2, 30, 40}));

    obj.SetBoundsExact({5, 5, 50, 50});
    obj.SetSizing(szAspectRatio); // unchanged: nothing
    EXPECT_EQ(obj.GetAspectRect(), (TRect{1, 2, 30, 40}));

    obj.SetSizing(szHeightEqualsWidth);
    EXPECT_EQ(obj.GetAspectRect(), (TRect{1, 2, 30, 40}));
    obj.SetSizing(szAspectRatio);
    EXPECT_EQ(obj.GetAspectRect(), (TRect{5, 5, 50, 50}));
}

TEST(ZpObjectTest, BaseRecordIs42BytesAtVersion22) {
    TZpLineObject obj;
    obj.SetBoundsExact({1, 2, 3, 4});
    obj.SetAspectRect({5, 6, 7, 8});
    obj.SetSizing(szHeightEqualsWidth);
    obj.SetPrintObject(false);
    obj.SetGroupId(7);
    obj.SetVersion(12);
    const QByteArray record = test::Record(obj);
    EXPECT_EQ(obj.GetVersion(), 22);
    EXPECT_EQ(test::ToHex(record.left(42)),
              test::ToHex(test::BaseRecord(22, {1, 2, 3, 4}, 2, {5, 6, 7, 8}, false, 7)));
    EXPECT_EQ(record.size(), 42 + 9); // and the line style
}

struct VersionCase {
    int32_t version;
    bool printObject;
    int32_t groupId;
};

class BaseRecordVersionTest : public ::testing::TestWithParam<VersionCase> {};

// The print flag arrives after version 18, the group after version 20.
TEST_P(BaseRecordVersionTest, ReadsWhatTheVersionHas) {
    const VersionCase c = GetParam();
    TZpRectangleObject obj;
    QByteArray bytes = test::BaseRecord(c.version, {10, 20, 30, 40}, 1, {1, 1, 2, 2}, false, 9);
    bytes += test::Hex("FF FF FF 00 01 01 00 00 00 00 00 05 00 00 00"); // fill and line records
    test::LoadRecord(obj, bytes);
    EXPECT_EQ(obj.GetVersion(), c.version);
    EXPECT_EQ(obj.GetBounds(), (TRect{10, 20, 30, 40}));
    EXPECT_EQ(obj.GetSizing(), 1);
    EXPECT_EQ(obj.GetAspectRect(), (TRect{1, 1, 2, 2}));
    EXPECT_EQ(obj.GetPrintObject(), c.printObject);
    EXPECT_EQ(obj.GetGroupId(), c.groupId);
    EXPECT_EQ(obj.LineStyle().GetWidth(), 5);
}

INSTANTIATE_TEST_SUITE_P(ZpObject, BaseRecordVersionTest,
                         ::testing::Values(VersionCase{3, true, -1}, VersionCase{18, true, -1},
                                           VersionCase{19, false, -1}, VersionCase{20, false, -1},
                                           VersionCase{21, false, 9}, VersionCase{22, false, 9}),
                         [](const auto& info) { return "V" + std::to_string(info.param.version); });

TEST(ZpObjectTest, VersionsOutsideTheRangeAreRejected) {
    for (const int32_t version : {2, 23, -1, 0x7FFFFFFF}) {
        TZpRectangleObject obj;
        try {
            test::LoadRecord(obj, test::BaseRecord(22, {}).replace(
                                      0, 4, QByteArray(reinterpret_cast<const char*>(&version), 4)));
            FAIL() << version;
        } catch (const EZpError& e) {
            EXPECT_EQ(e.Message(), kIncompatibleVersionMessage);
        }
    }
}

TEST(ZpObjectTest, ATruncatedRecordIsAStreamReadError) {
    TZpRectangleObject obj;
    EXPECT_THROW(test::LoadRecord(obj, test::BaseRecord(22, {1, 2, 3, 4}).left(30)), EZpReadError);
}

// A clone is what a save and reload would give: the same bytes.
TEST(ZpObjectTest, CloneSavesTheSameRecordForEveryRegisteredClass) {
    for (const QString& name : ObjectClassNames()) {
        std::shared_ptr<TZpObject> obj = CreateObject(name);
        if (!obj)
            continue;
        obj->SetBounds({11, 12, 213, 114});
        obj->SetAspectRect({1, 2, 3, 4});
        obj->SetSizing(szHeightEqualsWidth);
        obj->SetPrintObject(false);
        obj->SetGroupId(3);
        if (auto* fill = Supports<IZpFillStyle>(obj)) {
            fill->SetColor(0x123456);
            fill->SetStyle(bsCross);
            fill->SetTransparent(false);
        }
        if (auto* line = Supports<IZpLineStyle>(obj)) {
            line->SetColor(0x0000FF);
            line->SetStyle(psDashDot);
            line->SetWidth(17);
        }
        if (auto* ellipse = Supports<IZpEllipse>(obj))
            ellipse->SetEllipseSize(0.75f);
        std::shared_ptr<TZpObject> copy = obj->Clone();
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->GetClassName(), name);
        EXPECT_NE(copy.get(), obj.get());
        EXPECT_EQ(test::ToHex(test::Record(*copy)), test::ToHex(test::Record(*obj))) << name.toStdString();
    }
}

TEST(ObjectClassesTest, FindsTheEightNamesInOrderRegardlessOfCase) {
    EXPECT_EQ(ObjectClassNames(), (QStringList{"TZpTextObject", "TZpBarcodeObject", "TZpCircleObject",
                                               "TZpPictureObject", "TZpLineObject", "TZpLineConstraint",
                                               "TZpRectangleObject", "TZpRoundRectObject"}));
    const TZpObjectClass* rect = FindObjectClass(QStringLiteral("tzprectangleobject"));
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->Name, QStringLiteral("TZpRectangleObject"));
    EXPECT_EQ(rect->Create()->GetClassName(), QStringLiteral("TZpRectangleObject"));
    EXPECT_EQ(FindObjectClass(QStringLiteral("TZpObject")), nullptr);
    EXPECT_EQ(FindObjectClass(QStringLiteral("TZpRectangle")), nullptr);
    EXPECT_EQ(CreateObject(QString()), nullptr);
}

TEST(ObjectClassesTest, CursorNumbersFollowTheClass) {
    const std::pair<const char*, int> expected[] = {{"TZpRectangleObject", 2002},
                                                    {"TZpRoundRectObject", 2003},
                                                    {"TZpCircleObject", 2004},
                                                    {"TZpLineObject", 2005},
                                                    {"TZpLineConstraint", 2006}};
    for (const auto& [name, cursor] : expected) {
        const TZpObjectClass* c = FindObjectClass(QLatin1String(name));
        ASSERT_TRUE(c) << name;
        EXPECT_EQ(c->CursorId, cursor);
        EXPECT_EQ(c->Create()->CursorId(), cursor);
    }
}

TEST(ZpObjectTest, PartsAnswerThroughTheirOwner) {
    auto obj = std::make_shared<TZpRoundRectObject>();
    IZpFillStyle* fill = Supports<IZpFillStyle>(obj);
    ASSERT_TRUE(fill);
    EXPECT_EQ(Supports<IZpObject>(fill), static_cast<IZpObject*>(obj.get()));
    EXPECT_EQ(Supports<IZpLineStyle>(fill), Supports<IZpLineStyle>(obj));
    EXPECT_EQ(Supports<IZpEllipse>(fill), static_cast<IZpEllipse*>(obj.get()));
    EXPECT_EQ(Supports<IZpFont>(obj), nullptr);
    EXPECT_EQ(Supports<IZpLinear>(obj), nullptr);

    // A shared reference to a part keeps its owner alive.
    std::shared_ptr<IZpLineStyle> line = SupportsShared<IZpLineStyle>(obj);
    std::weak_ptr<TZpObject> weak = obj;
    obj.reset();
    EXPECT_FALSE(weak.expired());
    line.reset();
    EXPECT_TRUE(weak.expired());
}

TEST(ZpObjectTest, EditPropertiesAsksTheDialogServices) {
    TZpScriptedDialogsGuard dialogs;
    dialogs->Queue(true);
    TZpCircleObject obj;
    EXPECT_TRUE(obj.EditProperties());
    EXPECT_FALSE(obj.EditProperties());
    ASSERT_EQ(dialogs->Questions().size(), 2u);
    EXPECT_EQ(dialogs->Questions()[0].Kind, QStringLiteral("properties"));
}

} // namespace
} // namespace zp
