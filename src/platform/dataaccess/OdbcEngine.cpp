// SPDX-License-Identifier: MIT
#include "platform/dataaccess/OdbcEngine.h"

#include "base/Errors.h"
#include "platform/dataaccess/ConnectionString.h"
#include "platform/dataaccess/SqlEngine.h"

namespace zp {

namespace {

using TAttributes = QList<QPair<QString, QString>>;

bool Is(const QString& name, const char* other) {
    return name.compare(QLatin1String(other), Qt::CaseInsensitive) == 0;
}

bool IsSqlServer(const TZpConnectionString& cs) {
    return cs.Provider().startsWith(QLatin1String("SQLOLEDB"), Qt::CaseInsensitive);
}

int IndexOf(const TAttributes& attributes, const char* name) {
    for (int i = 0; i < attributes.size(); ++i) {
        if (Is(attributes[i].first, name)) {
            return i;
        }
    }
    return -1;
}

// ADO names of the provider-style string mapped to their ODBC attribute names.
QString OdbcName(const QString& name) {
    if (Is(name, "Data Source")) {
        return QStringLiteral("DSN");
    }
    if (Is(name, "User ID")) {
        return QStringLiteral("UID");
    }
    if (Is(name, "Password")) {
        return QStringLiteral("PWD");
    }
    return name;
}

TAttributes Attributes(const TZpConnectionString& cs) {
    TAttributes attributes;
    if (IsSqlServer(cs)) {
        attributes = {{QStringLiteral("DRIVER"), QStringLiteral("{FreeTDS}")},
                      {QStringLiteral("SERVER"), cs.Value(QStringLiteral("Data Source"))},
                      {QStringLiteral("DATABASE"), cs.Value(QStringLiteral("Initial Catalog"))},
                      {QStringLiteral("UID"), cs.Value(QStringLiteral("User ID"))},
                      {QStringLiteral("PWD"), cs.Value(QStringLiteral("Password"))}};
        return attributes;
    }
    // "Extended Properties" holds the ODBC attributes as ADO hands them on; the
    // provider's own properties beside it fill in what they leave out.
    attributes = TZpConnectionString(cs.Value(QStringLiteral("Extended Properties"))).Properties();
    for (const auto& [name, value] : cs.Properties()) {
        if (Is(name, "Provider") || Is(name, "Persist Security Info") || Is(name, "Extended Properties")) {
            continue;
        }
        const QString odbc = OdbcName(name);
        if (IndexOf(attributes, odbc.toLatin1().constData()) < 0) {
            attributes.append({odbc, value});
        }
    }
    return attributes;
}

QString Join(const TAttributes& attributes) {
    QStringList parts;
    for (const auto& [name, value] : attributes) {
        // A value with a separator travels in braces, as ODBC reads it.
        const bool braced = value.startsWith(u'{') && value.endsWith(u'}');
        parts.append(name + u'=' + (!braced && value.contains(u';') ? u'{' + value + u'}' : value));
    }
    return parts.join(u';');
}

} // namespace

QString OdbcConnectText(const TZpConnectionString& cs) {
    const TAttributes attributes = Attributes(cs);
    if (IndexOf(attributes, "DSN") < 0 && IndexOf(attributes, "DRIVER") < 0 &&
        IndexOf(attributes, "FILEDSN") < 0) {
        throw EZpError(
            QStringLiteral("The ODBC connection string names no data source (DSN=...) and no driver "
                           "(Driver={...})."));
    }
    return Join(attributes);
}

QString OdbcDatabaseName(const TZpConnectionString& cs) {
    (void)OdbcConnectText(cs);
    TAttributes attributes = Attributes(cs);
    const QString text = Join(attributes);
    // Qt's driver passes a text with "DRIVER=" or "SERVER=" on unchanged and puts
    // "DSN=" (or "FILEDSN=" when ".dsn" occurs) in front of any other, so a data
    // source name goes first without its attribute name.
    const bool fileDsn = text.contains(QLatin1String(".dsn"), Qt::CaseInsensitive);
    const char* leading = fileDsn ? "FILEDSN" : "DSN";
    if (!fileDsn && (text.contains(QLatin1String("DRIVER="), Qt::CaseInsensitive) ||
                     text.contains(QLatin1String("SERVER="), Qt::CaseInsensitive))) {
        return text;
    }
    const int at = IndexOf(attributes, leading);
    if (at < 0) {
        throw EZpError(
            QStringLiteral("The ODBC connection string cannot be passed to the ODBC driver manager: it "
                           "mentions \".dsn\" without naming a file data source (FILEDSN=...)."));
    }
    const QString name = attributes.takeAt(at).second;
    return attributes.isEmpty() ? name : name + u';' + Join(attributes);
}

std::unique_ptr<TZpDbEngine> CreateOdbcEngine(const TZpConnectionString& cs, bool readOnly) {
    const QString name = OdbcDatabaseName(cs);
    // Messages name the data source or the driver and its database, never the login.
    const TAttributes attributes = Attributes(cs);
    QString what = QStringLiteral("The ODBC data source");
    for (const char* key : {"DSN", "FILEDSN", "SERVER", "DATABASE", "DBQ", "DRIVER"}) {
        const int at = IndexOf(attributes, key);
        if (at >= 0 && !attributes[at].second.isEmpty()) {
            what = QStringLiteral("The ODBC data source \"%1\"").arg(attributes[at].second);
            break;
        }
    }
    return std::make_unique<TZpSqlEngine>(
        QStringLiteral("QODBC"),
        [name, readOnly](QSqlDatabase& db) {
            db.setDatabaseName(name);
            if (readOnly) {
                db.setConnectOptions(QStringLiteral("SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY"));
            }
        },
        IsSqlServer(cs) ? TZpSqlEngine::TQuoting::Brackets : TZpSqlEngine::TQuoting::Driver, what, readOnly);
}

} // namespace zp
