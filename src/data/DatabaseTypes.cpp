// SPDX-License-Identifier: MIT
#include "data/DatabaseTypes.h"

#include "base/Errors.h"
#include "platform/dataaccess/ConnectionString.h"

#include <QFileInfo>

namespace zp {

namespace {

const QString kJet = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1");
const QString kWorkbook =
    QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=%1;Extended Properties=%2");
const QString kViaOdbc = QStringLiteral(" Connect through an ODBC driver with \"Other (Advanced)\" instead.");

QString NotHere(const QString& what) {
    return what + QStringLiteral(" cannot be opened on this system.") + kViaOdbc;
}

// Extended Properties of the Jet types, in the wizard's order.
struct TJetType {
    const char* Name;
    const char* Extended;
};
constexpr TJetType kJetTypes[] = {
    {"dBase III", "dBase III"},
    {"dBase IV", "dBase IV"},
    {"dBase 5", "dBase 5.0"},
    {"Paradox 3.x", "Paradox 3.x"},
    {"Paradox 4.x", "Paradox 4.x"},
    {"Paradox 5.x", "Paradox 5.x"},
    {"Paradox 7.x", "Paradox 7.x"},
    {"Microsoft Excel 3.0", "Excel 3.0"},
    {"Microsoft Excel 4.0", "Excel 4.0"},
    {"Microsoft Excel 5.0/Excel 95", "Excel 5.0"},
    {"Microsoft Excel 97", "Excel 8.0"},
    {"Microsoft Excel 2000", "Excel 8.0"},
    {"Lotus WK1", "Lotus WK1"},
    {"Lotus WK3", "Lotus WK3"},
    {"Lotus WK4", "Lotus WK4"},
    {"HTML Import", "HTML Import"},
    {"Microsoft Exchange", "Exchange 4.0"},
};

const TJetType* JetType(const QString& name) {
    for (const TJetType& t : kJetTypes) {
        if (name == QLatin1String(t.Name)) {
            return &t;
        }
    }
    return nullptr;
}

// A value that would end the property early or lose its blanks goes in
// double quotes, inner quotes doubled, as the string's reader expects.
QString QuoteValue(const QString& value) {
    if (value.contains(u';') || value.contains(u'"') || value.startsWith(u'\'') || value != value.trimmed()) {
        return u'"' + QString(value).replace(u'"', QStringLiteral("\"\"")) + u'"';
    }
    return value;
}

bool IsSQLiteName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("db") || suffix == QLatin1String("sqlite") ||
           suffix == QLatin1String("sqlite3");
}

} // namespace

const QList<TZpDatabaseType>& DatabaseTypes() {
    static const QList<TZpDatabaseType> types = [] {
        using enum TZpDbPanel;
        using enum TZpDbSupport;
        const QString excel = QStringLiteral("Excel Files (*.xls)");
        const QString lotus = NotHere(QStringLiteral("Lotus worksheets"));
        return QList<TZpDatabaseType>{
            {QStringLiteral("dBase III"), Directory, {}, Works, {}},
            {QStringLiteral("dBase IV"), Directory, {}, Works, {}},
            {QStringLiteral("dBase 5"), Directory, {}, Works, {}},
            {QStringLiteral("Paradox 3.x"),
             Directory,
             {},
             NotAvailable,
             NotHere(QStringLiteral("Paradox tables"))},
            {QStringLiteral("Paradox 4.x"),
             Directory,
             {},
             NotAvailable,
             NotHere(QStringLiteral("Paradox tables"))},
            {QStringLiteral("Paradox 5.x"),
             Directory,
             {},
             NotAvailable,
             NotHere(QStringLiteral("Paradox tables"))},
            {QStringLiteral("Paradox 7.x"),
             Directory,
             {},
             NotAvailable,
             NotHere(QStringLiteral("Paradox tables"))},
            {QStringLiteral("Microsoft Excel 3.0"), File, excel, Works, {}},
            {QStringLiteral("Microsoft Excel 4.0"), File, excel, Works, {}},
            {QStringLiteral("Microsoft Excel 5.0/Excel 95"), File, excel, Works, {}},
            {QStringLiteral("Microsoft Excel 97"), File, excel, Works, {}},
            {QStringLiteral("Microsoft Excel 2000"), File, excel, Works, {}},
            {QStringLiteral("Lotus WK1"), File, QStringLiteral("Lotus Files (*.wk1)"), NotAvailable, lotus},
            {QStringLiteral("Lotus WK3"), File, QStringLiteral("Lotus Files (*.wk3)"), NotAvailable, lotus},
            {QStringLiteral("Lotus WK4"), File, QStringLiteral("Lotus Files (*.wk4)"), NotAvailable, lotus},
            {QStringLiteral("HTML Import"), File, QStringLiteral("HTML Files (*.htm *.html)"), NotAvailable,
             NotHere(QStringLiteral("Tables of HTML pages"))},
            {QStringLiteral("Microsoft Exchange"),
             Directory,
             {},
             NotAvailable,
             NotHere(QStringLiteral("Exchange folders"))},
            {QStringLiteral("Text"), Directory, {}, Works, {}},
            {QStringLiteral("FoxPro Database (*.DBC)"), File, QStringLiteral("FoxPro Database Files (*.dbc)"),
             NotAvailable,
             QStringLiteral(
                 "FoxPro database containers cannot be opened on this system; choose the folder of "
                 "its tables as \"FoxPro Database (*.DBF)\".") +
                 kViaOdbc},
            {QStringLiteral("FoxPro Database (*.DBF)"), Directory, {}, Works, {}},
            {QStringLiteral("Microsoft Access"), File, QStringLiteral("Access Databases (*.mdb)"), ReadOnly,
             QStringLiteral("Access databases are read through mdbtools and cannot be changed here.")},
            {QStringLiteral("Microsoft SQL Server"),
             Server,
             {},
             Works,
             QStringLiteral("SQL Server is reached through the FreeTDS ODBC driver (package tdsodbc).")},
            {QStringLiteral("Oracle"), Server, {}, NotAvailable, NotHere(QStringLiteral("Oracle databases"))},
            {QStringLiteral("SQLite database"),
             File,
             QStringLiteral("SQLite Databases (*.db *.sqlite *.sqlite3)"),
             Works,
             {}},
            {QStringLiteral("PostgreSQL"),
             Server,
             {},
             Works,
             QStringLiteral("The server may be a host name, host:port or the folder of its socket.")},
            {QStringLiteral("Excel Workbook (*.xlsx)"), File, QStringLiteral("Excel Workbooks (*.xlsx)"),
             Works, QStringLiteral("Each sheet is a table named after it with a trailing $.")},
            {QStringLiteral("OpenDocument Spreadsheet (*.ods)"), File,
             QStringLiteral("OpenDocument Spreadsheets (*.ods)"), Works,
             QStringLiteral("Each sheet is a table named after it with a trailing $.")},
            {QStringLiteral("Other (Advanced)"), Other, {}, Works, {}},
        };
    }();
    return types;
}

int IndexOfDatabaseType(const QString& name) {
    const auto& types = DatabaseTypes();
    for (int i = 0; i < types.size(); ++i) {
        if (types[i].Name == name) {
            return i;
        }
    }
    return -1;
}

QString ComposeConnectionString(const TZpConnectionSettings& s) {
    const QString source = QuoteValue(s.Source);
    if (const TJetType* jet = JetType(s.Type)) {
        return kJet.arg(source) + QStringLiteral(";Extended Properties=") + QLatin1String(jet->Extended);
    }
    const QString& t = s.Type;
    if (t == QLatin1String("Text")) {
        return kJet.arg(source) + (s.Header ? QStringLiteral(";Extended Properties=\"Text;HDR=YES\"")
                                            : QStringLiteral(";Extended Properties=\"Text;HDR=NO\""));
    }
    if (t.startsWith(QLatin1String("FoxPro Database"))) {
        return QStringLiteral("Provider=VFPOLEDB.1;Data Source=%1;Collating Sequence=MACHINE").arg(source);
    }
    if (t == QLatin1String("Microsoft Access") || t == QLatin1String("SQLite database")) {
        return kJet.arg(source);
    }
    if (t == QLatin1String("Microsoft SQL Server") || t == QLatin1String("Oracle")) {
        return QStringLiteral(
                   "Provider=%1;Password=%2;Persist Security Info=True;User ID=%3;Initial Catalog=%4;"
                   "Data Source=%5")
            .arg(t == QLatin1String("Oracle") ? QStringLiteral("MSDAORA.1") : QStringLiteral("SQLOLEDB.1"),
                 QuoteValue(s.Password), QuoteValue(s.Login), QuoteValue(s.Database), QuoteValue(s.Server));
    }
    if (t == QLatin1String("PostgreSQL")) {
        QString host = s.Server.trimmed();
        QString port = QStringLiteral("5432");
        const int colon = static_cast<int>(host.lastIndexOf(u':'));
        if (colon > 0 && !host.startsWith(u'/')) {
            port = host.mid(colon + 1);
            host = host.left(colon);
        }
        return QStringLiteral("Provider=PostgreSQL;Host=%1;Port=%2;Database=%3;User ID=%4;Password=%5")
            .arg(QuoteValue(host), QuoteValue(port), QuoteValue(s.Database), QuoteValue(s.Login),
                 QuoteValue(s.Password));
    }
    if (t == QLatin1String("Excel Workbook (*.xlsx)")) {
        return kWorkbook.arg(source, QStringLiteral("\"Excel 12.0 Xml;HDR=YES\""));
    }
    if (t == QLatin1String("OpenDocument Spreadsheet (*.ods)")) {
        return kWorkbook.arg(source, QStringLiteral("\"OpenDocument;HDR=YES\""));
    }
    if (t == QLatin1String("Other (Advanced)")) {
        return s.Advanced;
    }
    throw EZpError(QStringLiteral("Unknown database type \"%1\".").arg(t));
}

TZpConnectionSettings ReadConnectionSettings(const QString& connectionString) {
    const TZpConnectionString cs(connectionString);
    const QString provider = cs.Provider();
    const QString extended = cs.Value(QStringLiteral("Extended Properties")).trimmed();
    TZpConnectionSettings s;
    s.Source = cs.Value(QStringLiteral("Data Source"));
    auto is = [&](const char* p) { return provider.compare(QLatin1String(p), Qt::CaseInsensitive) == 0; };
    if (is("MSDAORA.1") || is("SQLOLEDB.1")) {
        s.Type = is("MSDAORA.1") ? QStringLiteral("Oracle") : QStringLiteral("Microsoft SQL Server");
        s.Server = s.Source;
        s.Source.clear();
        s.Database = cs.Value(QStringLiteral("Initial Catalog"));
        s.Login = cs.Value(QStringLiteral("User ID"));
        s.Password = cs.Value(QStringLiteral("Password"));
        return s;
    }
    if (is("VFPOLEDB.1")) {
        s.Type = QFileInfo(s.Source).suffix().isEmpty() ? QStringLiteral("FoxPro Database (*.DBF)")
                                                        : QStringLiteral("FoxPro Database (*.DBC)");
        return s;
    }
    if (is("PostgreSQL")) {
        s.Type = QStringLiteral("PostgreSQL");
        s.Server = cs.Value(QStringLiteral("Host"));
        const QString port = cs.Value(QStringLiteral("Port"));
        if (!port.isEmpty() && port != QLatin1String("5432")) {
            s.Server += u':' + port;
        }
        s.Database = cs.Value(QStringLiteral("Database"));
        s.Login = cs.Value(QStringLiteral("User ID"));
        s.Password = cs.Value(QStringLiteral("Password"));
        s.Source.clear();
        return s;
    }
    if (provider.startsWith(QLatin1String("Microsoft.Jet.OLEDB"), Qt::CaseInsensitive) ||
        provider.startsWith(QLatin1String("Microsoft.ACE.OLEDB"), Qt::CaseInsensitive)) {
        if (extended.isEmpty()) {
            s.Type = IsSQLiteName(s.Source) ? QStringLiteral("SQLite database")
                                            : QStringLiteral("Microsoft Access");
            return s;
        }
        const QString ext = extended.toLower().remove(u' ');
        if (ext == QLatin1String("text;hdr=yes") || ext == QLatin1String("text;hdr=no")) {
            s.Type = QStringLiteral("Text");
            s.Header = ext.endsWith(QLatin1String("yes"));
            return s;
        }
        if (ext.startsWith(QLatin1String("excel12.0"))) {
            s.Type = QStringLiteral("Excel Workbook (*.xlsx)");
            return s;
        }
        if (ext.startsWith(QLatin1String("opendocument"))) {
            s.Type = QStringLiteral("OpenDocument Spreadsheet (*.ods)");
            return s;
        }
        // "Excel 8.0" is listed twice; the later entry, Excel 2000, is the one chosen.
        QString found;
        for (const TJetType& t : kJetTypes) {
            if (extended.compare(QLatin1String(t.Extended), Qt::CaseInsensitive) == 0) {
                found = QLatin1String(t.Name);
            }
        }
        if (!found.isEmpty()) {
            s.Type = found;
            return s;
        }
    }
    TZpConnectionSettings other;
    other.Type = QStringLiteral("Other (Advanced)");
    other.Advanced = connectionString;
    return other;
}

} // namespace zp
