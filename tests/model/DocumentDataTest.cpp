// SPDX-License-Identifier: MIT
#include "data/DataConnections.h"
#include "files/LabelFile.h"
#include "model/ModelTestSupport.h"
#include "model/document/DataSources.h"
#include "model/document/LabelDocument.h"
#include "model/objects/TextObject.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

std::shared_ptr<TZpTextObject> Source(TZpLabelDocument& doc, const QString& name, uint8_t kind,
                                      const QString& text = {}, const QString& link = {}) {
    auto obj = std::make_shared<TZpTextObject>();
    obj->Data().SetName(name);
    obj->Data().SetKind(kind);
    obj->Data().SetText(text);
    obj->Data().SetLinkName(link);
    doc.Add(obj);
    return obj;
}

QString TextOf(const std::shared_ptr<TZpTextObject>& obj) {
    return obj->Data().GetText();
}

// A link shows its target's new text wherever the two stand in the list.
TEST(LinkTest, ChainsResolveInAnyDrawingOrder) {
    TZpScriptedDialogsGuard dialogs; // a prompt asking here would cancel the test
    TZpLabelDocument doc;
    auto a = Source(doc, "A", dkLink, "old", "B");
    auto b = Source(doc, "B", dkLink, "old", "C");
    auto c = Source(doc, "C", dkSerialNumber);
    c->Data().SetSerialStart(42);
    c->Data().ResetSerial();
    doc.RefreshDataValues();
    EXPECT_EQ(TextOf(c), "42");
    EXPECT_EQ(TextOf(b), "42");
    EXPECT_EQ(TextOf(a), "42");
}

TEST(LinkTest, FirstExactNameWinsAndUnknownNamesKeepTheText) {
    TZpLabelDocument doc;
    Source(doc, "", dkStaticText, "unnamed");
    Source(doc, "N", dkStaticText, "first");
    Source(doc, "N", dkStaticText, "second");
    Source(doc, "n", dkStaticText, "lower");
    auto upper = Source(doc, "L1", dkLink, "kept", "N");
    auto lower = Source(doc, "L2", dkLink, "kept", "n");
    auto unknown = Source(doc, "L3", dkLink, "kept", "nobody");
    auto empty = Source(doc, "L4", dkLink, "kept", "");
    doc.RefreshDataValues();
    EXPECT_EQ(TextOf(upper), "first");
    EXPECT_EQ(TextOf(lower), "lower");
    EXPECT_EQ(TextOf(unknown), "kept");
    EXPECT_EQ(TextOf(empty), "kept"); // not the unnamed object's text
    QStringList names;
    doc.Connections().GetLinkNames(names);
    EXPECT_EQ(names, (QStringList{"N", "N", "n", "L1", "L2", "L3", "L4"}));
}

TEST(LinkTest, CyclesEnd) {
    TZpLabelDocument doc;
    auto a = Source(doc, "A", dkLink, "a", "B");
    auto b = Source(doc, "B", dkLink, "b", "A");
    auto self = Source(doc, "S", dkLink, "s", "S");
    doc.RefreshDataValues();
    EXPECT_EQ(TextOf(a), TextOf(b));
    EXPECT_EQ(TextOf(self), "s");
}

TEST(PromptResetTest, EveryPromptAsksAgain) {
    TZpLabelDocument doc;
    auto prompt = Source(doc, "P", dkPrompt, "answer");
    prompt->Data().SetPromptRemaining(3);
    auto other = Source(doc, "S", dkStaticText, "static");
    ResetPrompts(doc.Objects());
    EXPECT_EQ(TextOf(prompt), "PROMPT");
    EXPECT_EQ(prompt->Data().GetPromptRemaining(), 0);
    EXPECT_EQ(TextOf(other), "static");
}

// A label over a table of three records, with a field and a serial number.
class RecordMoveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        const QString connection =
            test::MakeDatabase(FDir.filePath(QStringLiteral("moves.db")),
                               {QStringLiteral("CREATE TABLE Items (Code TEXT)"),
                                QStringLiteral("INSERT INTO Items VALUES ('A1'),('A2'),('A3')")});
        TZpDataConnections& c = FDoc.Connections();
        c.AddConnection(QStringLiteral("Db"), connection);
        c.AddDataset(QStringLiteral("Db"), QStringLiteral("Items"), QStringLiteral("SELECT * FROM [Items]"));
        FField = Source(FDoc, "Field", dkDatabaseField, "stale");
        auto entry = std::make_unique<TZpFieldDef>();
        entry->Connection = QStringLiteral("Db");
        entry->Dataset = QStringLiteral("Items");
        entry->Field = QStringLiteral("Code");
        FField->Data().AddField(std::move(entry));
        FSerial = Source(FDoc, "Serial", dkSerialNumber);
        FSerial->Data().SetSerialStart(10);
        FSerial->Data().SetSerialIncrement(5);
        FLink = Source(FDoc, "Link", dkLink, "stale", "Field");
        Source(FDoc, "Prompt", dkPrompt, "PROMPT"); // never asked by moves
    }
    [[nodiscard]] QString Shown() const {
        return TextOf(FField) + "/" + TextOf(FSerial) + "/" + TextOf(FLink);
    }

    TZpScriptedDialogsGuard FDialogs;
    QTemporaryDir FDir;
    TZpLabelDocument FDoc;
    std::shared_ptr<TZpTextObject> FField, FSerial, FLink;
};

TEST_F(RecordMoveTest, MovesStepTheSerialNumbersWithTheRecords) {
    FDoc.Connections().Open();
    FDoc.DataFirst();
    EXPECT_EQ(Shown(), "A1/10/A1");
    EXPECT_FALSE(FDoc.DataPrior());
    EXPECT_EQ(Shown(), "A1/10/A1");
    EXPECT_TRUE(FDoc.DataNext());
    EXPECT_EQ(Shown(), "A2/15/A2");
    EXPECT_TRUE(FDoc.DataPrior());
    EXPECT_EQ(Shown(), "A1/10/A1");
    FDoc.DataLast();
    EXPECT_EQ(Shown(), "A3/20/A3");
    EXPECT_FALSE(FDoc.DataNext());
    EXPECT_EQ(Shown(), "A3/20/A3");
    FDoc.DataRefresh(); // the same record again, serial numbers untouched
    EXPECT_EQ(Shown(), "A3/20/A3");
    EXPECT_EQ(FDoc.Connections().RecordIndex(), 2);
    EXPECT_TRUE(FDialogs->Questions().empty());
}

TEST_F(RecordMoveTest, WithoutRecordsOnlyFirstMoves) {
    FDoc.DataFirst(); // nothing opened
    EXPECT_EQ(Shown(), "/10/");
    EXPECT_FALSE(FDoc.DataNext());
    FDoc.DataLast();
    EXPECT_EQ(Shown(), "/10/");
}

// Opening a label evaluates its database fields and resolves its links.
TEST_F(RecordMoveTest, LoadingEvaluatesFieldsAndLinks) {
    const QString label = FDir.filePath(QStringLiteral("moves.zp3"));
    SaveLabelDocument(FDoc, label);
    TZpLabelDocument loaded;
    LoadLabelDocument(loaded, label, true);
    ASSERT_EQ(loaded.Objects().size(), 4u);
    auto* field = Supports<IZpData>(loaded.Objects()[0]);
    auto* link = Supports<IZpData>(loaded.Objects()[2]);
    EXPECT_EQ(field->GetConnections(), &loaded.Connections());
    EXPECT_EQ(field->GetText(), "A1");
    EXPECT_EQ(link->GetText(), "A1");
    EXPECT_EQ(Supports<IZpData>(loaded.Objects()[1])->GetText(), ""); // serial numbers wait for a run
    EXPECT_FALSE(loaded.Modified());
}

} // namespace
} // namespace zp
