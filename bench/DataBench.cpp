// SPDX-License-Identifier: MIT
// Walking 100,000 records of a 10-column table with First/Next, reading every
// field as text, from SQLite, from a CSV folder and from PostgreSQL. The CSV
// walk is set beside sqlite3's own ".import" of the same file into an
// in-memory database, measured in the same run: the walk should not take longer.
#include "../tests/dataaccess/PrivatePgServer.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/Query.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 100000;
constexpr int kColumns = 10;

struct TData {
    QTemporaryDir Dir;
    QString Csv;
    QString SQLite;
    TData() {
        Csv = Dir.filePath(QStringLiteral("items.csv"));
        SQLite = Dir.filePath(QStringLiteral("items.db"));
        QFile file(Csv);
        file.open(QIODevice::WriteOnly);
        QByteArray text = "c0,c1,c2,c3,c4,c5,c6,c7,c8,c9\r\n";
        for (int r = 0; r < kRecords; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                text += c == 0 ? QByteArray::number(r)
                               : (c % 3 == 1 ? "\"Item " + QByteArray::number(r * c) + ", blue\""
                                             : QByteArray::number(r * 7 + c));
                text += c + 1 < kColumns ? "," : "\r\n";
            }
        }
        file.write(text);
        file.close();
        QProcess sqlite;
        sqlite.start(QStringLiteral("sqlite3"), {SQLite});
        sqlite.write(".mode csv\n.import " + Csv.toUtf8() + " items\n");
        sqlite.closeWriteChannel();
        sqlite.waitForFinished(120000);
    }
};

TData& Data() {
    static TData data;
    return data;
}

void Walk(benchmark::State& state, const QString& connectionString, const QString& sql) {
    for (auto _ : state) {
        zp::TZpConnection connection(connectionString);
        connection.ReadOnly = true;
        connection.Open();
        zp::TZpQuery query(&connection, sql);
        query.Open();
        size_t total = 0;
        for (query.First(); !query.Eof(); query.Next()) {
            for (int i = 0; i < query.FieldCount(); ++i) {
                total += static_cast<size_t>(query.Value(i).size());
            }
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_WalkSQLite(benchmark::State& state) {
    Walk(state, QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + Data().SQLite,
         QStringLiteral("SELECT * FROM [items]"));
}
BENCHMARK(BM_WalkSQLite)->Unit(benchmark::kMillisecond);

void BM_WalkCsvFolder(benchmark::State& state) {
    Walk(
        state,
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=\"Text;HDR=YES\"")
            .arg(Data().Dir.path()),
        QStringLiteral("SELECT * FROM [items.csv]"));
}
BENCHMARK(BM_WalkCsvFolder)->Unit(benchmark::kMillisecond);

// The yardstick for the CSV walk: sqlite3's ".import" into memory.
void BM_Sqlite3ImportCsv(benchmark::State& state) {
    const QByteArray script = ".mode csv\n.import " + Data().Csv.toUtf8() + " items\n";
    for (auto _ : state) {
        QProcess sqlite;
        sqlite.start(QStringLiteral("sqlite3"), {QStringLiteral(":memory:")});
        sqlite.write(script);
        sqlite.closeWriteChannel();
        if (!sqlite.waitForFinished(120000) || sqlite.exitCode() != 0) {
            state.SkipWithError("sqlite3 failed");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_Sqlite3ImportCsv)->Unit(benchmark::kMillisecond);

void BM_WalkPostgreSQL(benchmark::State& state) {
    zp::test::TPrivatePgServer& server = zp::test::TPrivatePgServer::Instance();
    if (!server.Started()) {
        state.SkipWithError(("PostgreSQL server did not start: " + server.Why()).toUtf8().constData());
        return;
    }
    static bool loaded = false;
    if (!loaded) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench"));
        db.setHostName(server.Host());
        db.setPort(5432);
        db.setDatabaseName(QStringLiteral("postgres"));
        db.setUserName(QLatin1String(zp::test::TPrivatePgServer::kUser));
        db.setPassword(QLatin1String(zp::test::TPrivatePgServer::kPassword));
        db.open();
        QSqlQuery q(db);
        QStringList columns;
        for (int c = 0; c < kColumns; ++c) {
            columns.append(QStringLiteral("c%1 text").arg(c));
        }
        q.exec(QStringLiteral("CREATE TABLE items (%1)").arg(columns.join(u',')));
        q.exec(
            QStringLiteral("INSERT INTO items SELECT g::text, 'Item ' || g, (g*7+2)::text, (g*7+3)::text, "
                           "'Item ' || (g*4), (g*7+5)::text, (g*7+6)::text, 'Item ' || (g*7), (g*7+8)::text, "
                           "(g*7+9)::text FROM generate_series(0, %1) g")
                .arg(kRecords - 1));
        loaded = true;
    }
    Walk(state, server.ConnectionString(), QStringLiteral("SELECT * FROM [items]"));
}
BENCHMARK(BM_WalkPostgreSQL)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
