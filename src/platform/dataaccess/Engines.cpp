// SPDX-License-Identifier: MIT
// Chooses the engine behind a connection string.
#include "base/Errors.h"
#include "platform/dataaccess/ConnectionString.h"
#include "platform/dataaccess/DbEngine.h"
#include "platform/dataaccess/FileEngines.h"
#include "platform/dataaccess/OdbcEngine.h"
#include "platform/dataaccess/SqlEngine.h"
#include "platform/dataaccess/WorkbookEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace zp {

namespace {

bool StartsWith(const QString& text, const char* prefix) {
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

// What the first bytes of a desktop database file say it is.
enum class TDesktopKind { Missing, SQLite, Jet, Other };

TDesktopKind DesktopKind(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return TDesktopKind::Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return TDesktopKind::Other;
    }
    const QByteArray head = file.read(32);
    if (head.isEmpty() || head.startsWith(QByteArray("SQLite format 3\0", 16))) {
        return TDesktopKind::SQLite;
    }
    if (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB") {
        return TDesktopKind::Jet;
    }
    return TDesktopKind::Other;
}

std::unique_ptr<TZpDbEngine> SQLiteEngine(const QString& path, bool readOnly) {
    return std::make_unique<TZpSqlEngine>(
        QStringLiteral("QSQLITE"),
        [path, readOnly](QSqlDatabase& db) {
            db.setDatabaseName(path);
            if (readOnly) {
                db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            }
        },
        TZpSqlEngine::TQuoting::Brackets, QStringLiteral("The database \"%1\"").arg(path), readOnly);
}

std::unique_ptr<TZpDbEngine> PostgreSQLEngine(const TZpConnectionString& cs, bool readOnly) {
    const QString host = cs.Has(QStringLiteral("Host")) ? cs.Value(QStringLiteral("Host"))
                                                        : cs.Value(QStringLiteral("Server"));
    QString database = cs.Value(QStringLiteral("Database"));
    if (database.isEmpty()) {
        database = cs.Value(QStringLiteral("Initial Catalog"));
    }
    if (database.isEmpty()) {
        throw EZpError(QStringLiteral("The connection string names no database (Database=...)."));
    }
    const QString port = cs.Value(QStringLiteral("Port"));
    const QString user = cs.Value(QStringLiteral("User ID"));
    const QString password = cs.Value(QStringLiteral("Password"));
    return std::make_unique<TZpSqlEngine>(
        QStringLiteral("QPSQL"),
        [=](QSqlDatabase& db) {
            db.setHostName(host);
            if (!port.isEmpty()) {
                db.setPort(port.toInt());
            }
            db.setDatabaseName(database);
            db.setUserName(user);
            db.setPassword(password);
            db.setConnectOptions(QStringLiteral("connect_timeout=10"));
        },
        TZpSqlEngine::TQuoting::Driver,
        QStringLiteral("The PostgreSQL database \"%1\" on \"%2\"")
            .arg(database, host.isEmpty() ? "localhost" : host),
        readOnly);
}

[[noreturn]] void NotServed(const QString& what) {
    throw EZpError(QStringLiteral("The provider \"%1\" is not available on this system.").arg(what));
}

} // namespace

std::unique_ptr<TZpDbEngine> CreateDbEngine(const TZpConnectionString& cs, bool readOnly) {
    const QString provider = cs.Provider();
    const QString source = cs.Value(QStringLiteral("Data Source"));
    const QString extended = cs.Value(QStringLiteral("Extended Properties")).trimmed();
    if (StartsWith(provider, "Microsoft.Jet.OLEDB") || StartsWith(provider, "Microsoft.ACE.OLEDB") ||
        StartsWith(provider, "VFPOLEDB")) {
        if (source.isEmpty()) {
            throw EZpError(QStringLiteral("The connection string names no data source (Data Source=...)."));
        }
        if (StartsWith(provider, "VFPOLEDB")) {
            // A folder of free tables is a dBase folder; database containers are not read here.
            if (QFileInfo(source).isDir()) {
                return CreateDbfEngine(source);
            }
            NotServed(QStringLiteral("%1 (%2)").arg(provider, QFileInfo(source).fileName()));
        }
        if (extended.isEmpty()) {
            switch (DesktopKind(source)) {
            case TDesktopKind::Jet:
                return CreateMdbEngine(source);
            case TDesktopKind::Other:
                throw EZpError(
                    QStringLiteral("The file \"%1\" is not a database this program can read.").arg(source));
            default:
                return SQLiteEngine(source, readOnly);
            }
        }
        if (StartsWith(extended, "Text")) {
            return CreateTextEngine(source, extended);
        }
        if (StartsWith(extended, "dBase")) {
            return CreateDbfEngine(source);
        }
        if ((StartsWith(extended, "Excel") || StartsWith(extended, "OpenDocument")) && IsZipFile(source)) {
            return CreateWorkbookEngine(source, extended);
        }
        if (StartsWith(extended, "Excel")) {
            return CreateXlsEngine(source, extended);
        }
        NotServed(extended.section(u';', 0, 0));
    }
    if (StartsWith(provider, "PostgreSQL")) {
        return PostgreSQLEngine(cs, readOnly);
    }
    if (StartsWith(provider, "MSDASQL") || StartsWith(provider, "SQLOLEDB") ||
        (provider.isEmpty() && (cs.Has(QStringLiteral("Driver")) || cs.Has(QStringLiteral("DSN"))))) {
        return CreateOdbcEngine(cs, readOnly);
    }
    if (provider.isEmpty()) {
        throw EZpError(QStringLiteral("The connection string names no provider (Provider=...)."));
    }
    NotServed(provider);
}

QString ExpandTableName(const QString& sql) {
    const QString text = sql.trimmed();
    if (text.size() > 2 && text.startsWith(u'[') && text.endsWith(u']') &&
        text.indexOf(u']') == text.size() - 1) {
        return QStringLiteral("SELECT * FROM ") + text;
    }
    return sql;
}

QString TranslateBrackets(const QString& sql, const std::function<QString(const QString&)>& quote) {
    QString out;
    out.reserve(sql.size());
    int i = 0;
    const int n = static_cast<int>(sql.size());
    int close = 0;
    int inner = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            // Copy a literal (or an already quoted name) unchanged, doubled quotes included.
            int j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += sql.mid(i, j - i + 1);
            i = j + 1;
        } else if (c == u'[') {
            // The next ']' and '[' are remembered while they lie ahead, so that a
            // text of many '[' is not searched to its end again for each one.
            if (close <= i) {
                close = static_cast<int>(sql.indexOf(u']', i + 1));
            }
            if (close < 0) {
                out += sql.mid(i);
                break;
            }
            if (inner >= 0 && inner <= i) {
                inner = static_cast<int>(sql.indexOf(u'[', i + 1));
            }
            if (inner >= 0 && inner < close) {
                // An unclosed bracket: left as written, so that the engine reports the syntax
                // error instead of running a query over a strange quoted name.
                out += c;
                ++i;
                continue;
            }
            out += quote(sql.mid(i + 1, close - i - 1));
            i = close + 1;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace zp
