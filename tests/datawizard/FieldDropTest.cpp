// SPDX-License-Identifier: MIT
#include "model/document/FieldDrop.h"

#include "data/DataConnections.h"
#include "model/data/ZpData.h"
#include "model/objects/Interfaces.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

struct TCase {
    TZpDropKind Kind;
    const char* ClassName;
    bool LineBreaks;
};

class FieldDropTest : public testing::TestWithParam<TCase> {};

TEST_P(FieldDropTest, DropCreatesOneObjectBoundToTheFields) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shop.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("drop"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE items (code TEXT, name TEXT)")));
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO items VALUES ('A1', 'Bolt')")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("drop"));
    TZpDataConnections connections;
    connections.AddConnection(QStringLiteral("Shop"),
                              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path);
    connections.AddDataset(QStringLiteral("Shop"), QStringLiteral("Items"),
                           QStringLiteral("SELECT * FROM [items]"));
    connections.Open();

    const TZpFieldDrag drag{GetParam().Kind,
                            QStringLiteral("Shop"),
                            QStringLiteral("Items"),
                            {QStringLiteral("name"), QStringLiteral("code")}};
    // The drag travels through the clipboard-like MIME data unchanged.
    const auto decoded = DecodeFieldDrag(EncodeFieldDrag(drag));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, drag);

    const TZpDropPlan plan = PlanFieldDrop(*decoded, {300, 120}, 600);
    const TZpObjectPtr object = CreateDroppedObject(plan, &connections);
    ASSERT_TRUE(object);
    EXPECT_EQ(object->GetClassName(), QLatin1String(GetParam().ClassName));
    EXPECT_EQ(plan.Bounds, (TRect{300, 120, 900, 420}));
    auto* data = Supports<IZpData>(object);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->GetKind(), dkDatabaseField);
    ASSERT_EQ(data->GetFieldCount(), 2);
    for (int i = 0; i < 2; ++i) {
        const TZpFieldDef* def = data->GetField(i);
        EXPECT_EQ(def->Connection, QStringLiteral("Shop"));
        EXPECT_EQ(def->Dataset, QStringLiteral("Items"));
        EXPECT_EQ(def->AddLineBreak, GetParam().LineBreaks);
    }
    EXPECT_EQ(data->GetField(0)->Field, QStringLiteral("name"));
    EXPECT_EQ(data->GetField(1)->Field, QStringLiteral("code"));
    EXPECT_EQ(data->GetText(),
              GetParam().LineBreaks ? QStringLiteral("Bolt\r\nA1\r\n") : QStringLiteral("BoltA1"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, FieldDropTest,
                         testing::Values(TCase{TZpDropKind::Text, "TZpTextObject", true},
                                         TCase{TZpDropKind::Barcode, "TZpBarcodeObject", false},
                                         TCase{TZpDropKind::Picture, "TZpPictureObject", false}),
                         [](const auto& info) { return std::string(info.param.ClassName); });

TEST(FieldDragTest, ForeignDataIsNoDrag) {
    EXPECT_FALSE(DecodeFieldDrag(QByteArray("hello")).has_value());
    EXPECT_FALSE(
        DecodeFieldDrag(EncodeFieldDrag({TZpDropKind::Text, QStringLiteral("C"), QStringLiteral("D"), {}}))
            .has_value());
}

} // namespace
} // namespace zp
