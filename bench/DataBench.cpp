// SPDX-License-Identifier: MIT
// Walking 100,000 records of a 10-column table with First/Next, reading every
// field as text, from SQLite, from a CSV folder and from PostgreSQL. The CSV
// walk is set beside sqlite3's own ".import" of the same file into an
// in-memory database, measured in the same run: the walk should not take longer.
//
// Database upkeep on a 1,000,000-record table, each printed as one line:
// the grid opening and scrolling to its end (under 0.5 s, peak memory under
// 100 MiB), a CSV import against sqlite3's ".import" of the same file (at
// most 1.5 times its time) and a Find against the same LIKE query run by
// sqlite3 (at most 1.5 times).
#include "../tests/dataaccess/PrivatePgServer.h"
#include "data/DatabaseCopy.h"
#include "data/DesktopDatabase.h"
#include "data/TableGridModel.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/Query.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QProcess>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>

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

constexpr int kBigRecords = 1000000;

// The peak resident memory of this process so far, in MiB.
double PeakMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
        }
    }
    return 0;
}

bool RunSqlite3(const QString& db, const QByteArray& script, double* seconds = nullptr) {
    QElapsedTimer timer;
    timer.start();
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"), {db});
    sqlite.write(script);
    sqlite.closeWriteChannel();
    const bool ok = sqlite.waitForFinished(600000) && sqlite.exitCode() == 0;
    if (seconds) {
        *seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    }
    return ok;
}

// A 1,000,000-record CSV file of 6 columns, and a database made from it by
// sqlite3 in its own process, so this process's memory is only the grid's.
struct TBigData {
    QTemporaryDir Dir;
    QString Csv;
    QString Db;
    bool Ok = false;
    TBigData() {
        Csv = Dir.filePath(QStringLiteral("people.csv"));
        Db = Dir.filePath(QStringLiteral("people.db"));
        QFile file(Csv);
        file.open(QIODevice::WriteOnly);
        QByteArray text = "Code,Name,Street,City,Zip,Note\r\n";
        for (int r = 0; r < kBigRecords; ++r) {
            const QByteArray n = QByteArray::number(r);
            text += "C" + n + ",\"Name " + n + ", Jr\",Main Street " + QByteArray::number(r % 977) +
                    ",City " + QByteArray::number(r % 311) + "," + QByteArray::number(10000 + r % 89999) +
                    ",note\r\n";
            if (text.size() > (1 << 22)) {
                file.write(text);
                text.clear();
            }
        }
        file.write(text);
        file.close();
        Ok = RunSqlite3(Db, ".mode csv\n.import " + Csv.toUtf8() + " people\n");
    }
};

TBigData& BigData() {
    static TBigData data;
    return data;
}

void BM_GridOpen1M(benchmark::State& state) {
    if (!BigData().Ok) {
        state.SkipWithError("sqlite3 could not make the table");
        return;
    }
    double seconds = 0;
    double processor = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t started = std::clock();
        zp::TZpDesktopDatabase db(BigData().Db);
        zp::TZpTableGridModel model;
        QTableView view;
        view.verticalHeader()->setDefaultSectionSize(20);
        view.resize(900, 600);
        model.Open(db.Database(), QStringLiteral("people"));
        view.setModel(&model);
        view.show();
        QCoreApplication::processEvents();
        view.scrollToBottom();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(model.data(model.index(kBigRecords - 1, 1)));
        seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        processor = static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC;
        state.counters["pages"] = model.PagesRead();
    }
    const double peak = PeakMiB();
    state.counters["seconds"] = seconds;
    state.counters["peak_MiB"] = peak;
    // The processor time tells a busy machine from a slow grid.
    std::printf("data: grid open %d rows: %.2f s, %.0f MiB (%.2f s of processor time)\n", kBigRecords,
                seconds, peak, processor);
}
BENCHMARK(BM_GridOpen1M)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_CsvImport1M(benchmark::State& state) {
    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        const QString target = BigData().Dir.filePath(QStringLiteral("import.db"));
        const QString reference = BigData().Dir.filePath(QStringLiteral("reference.db"));
        QFile::remove(target);
        QFile::remove(reference);
        zp::CreateAccessDatabase(target);
        QElapsedTimer timer;
        timer.start();
        {
            zp::TZpDesktopDatabase db(target);
            db.ImportCsv(BigData().Csv, true);
        }
        ours = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (!RunSqlite3(reference, ".mode csv\n.import " + BigData().Csv.toUtf8() + " people\n", &theirs)) {
            state.SkipWithError("sqlite3 failed");
            return;
        }
    }
    state.counters["ratio"] = ours / theirs;
    std::printf("data: csv import %d rows: %.2fx sqlite3 .import (%.2f s against %.2f s)\n", kBigRecords,
                ours / theirs, ours, theirs);
}
BENCHMARK(BM_CsvImport1M)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Find1M(benchmark::State& state) {
    if (!BigData().Ok) {
        state.SkipWithError("sqlite3 could not make the table");
        return;
    }
    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        // A value no record holds: both read the whole table.
        QElapsedTimer timer;
        timer.start();
        int row = 0;
        {
            zp::TZpDesktopDatabase db(BigData().Db);
            row = db.FindRow(QStringLiteral("people"), QStringLiteral("Name"), QStringLiteral("Nobody"),
                             false, false);
        }
        ours = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        benchmark::DoNotOptimize(row);
        if (!RunSqlite3(BigData().Db, "SELECT rowid FROM people WHERE Name LIKE 'Nobody%' LIMIT 1;\n",
                        &theirs)) {
            state.SkipWithError("sqlite3 failed");
            return;
        }
    }
    state.counters["ratio"] = ours / theirs;
    std::printf("data: find %d rows: %.2fx sqlite3 (%.3f s against %.3f s)\n", kBigRecords, ours / theirs,
                ours, theirs);
}
BENCHMARK(BM_Find1M)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
