// SPDX-License-Identifier: MIT
// One Update of a data source, as the print run makes it for every label:
// a database-field source of two entries over an open SQLite dataset, and a
// serial number with prefix, suffix and padding. Goal: under 2 microseconds
// each.
#include "data/DataConnections.h"
#include "model/data/ZpData.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct TFixture {
    QTemporaryDir Dir;
    zp::TZpDataConnections Connections;
    TFixture() {
        const QString path = Dir.filePath(QStringLiteral("bench.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
            db.setDatabaseName(path);
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("CREATE TABLE Products (SKU TEXT, Name TEXT, Price TEXT)"));
            q.exec(QStringLiteral("INSERT INTO Products VALUES ('P-100', '  Ballpoint pen, blue ', '1.25')"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench"));
        Connections.AddConnection(QStringLiteral("Db"),
                                  QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path);
        Connections.AddDataset(QStringLiteral("Db"), QStringLiteral("Products"),
                               QStringLiteral("SELECT * FROM [Products]"));
        Connections.Open();
    }
};

std::unique_ptr<zp::TZpFieldDef> Entry(const char* field, const char* prefix, uint8_t strip, bool lineBreak) {
    auto entry = std::make_unique<zp::TZpFieldDef>();
    entry->Connection = QStringLiteral("Db");
    entry->Dataset = QStringLiteral("Products");
    entry->Field = QString::fromLatin1(field);
    entry->Prefix = QString::fromLatin1(prefix);
    entry->StripMethod = strip;
    entry->AddLineBreak = lineBreak;
    return entry;
}

void BM_UpdateTwoFields(benchmark::State& state) {
    static TFixture fixture;
    zp::TZpData data;
    data.SetKind(zp::dkDatabaseField);
    data.SetConnections(&fixture.Connections);
    data.AddField(Entry("SKU", "Item ", zp::smNone, true));
    data.AddField(Entry("Name", "", zp::smLeadingAndTrailingSpaces, false));
    for (auto _ : state) {
        data.Update();
        benchmark::DoNotOptimize(data.GetText().size());
    }
}
BENCHMARK(BM_UpdateTwoFields);

void BM_UpdateSerial(benchmark::State& state) {
    zp::TZpData data;
    data.SetKind(zp::dkSerialNumber);
    data.SetSerialPrefix(QStringLiteral("SN-"));
    data.SetSerialSuffix(QStringLiteral("/A"));
    data.SetPadChar(QStringLiteral("0"));
    data.SetPadWidth(8);
    data.SetSerialStart(1);
    data.ResetSerial();
    for (auto _ : state) {
        data.NextSerial();
        data.Update();
        benchmark::DoNotOptimize(data.GetText().size());
    }
}
BENCHMARK(BM_UpdateSerial);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
