// SPDX-License-Identifier: MIT
#include "dataaccess/Fixtures.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtEndian>

namespace zp::test {

namespace {
void Descriptor(QByteArray& out, const char* name, char type, int size) {
    QByteArray d(32, '\0');
    d.replace(0, int(qstrlen(name)), name);
    d[11] = type;
    d[16] = char(size);
    out += d;
}
} // namespace

void FillProducts(QSqlDatabase& db, const QString& createTable) {
    QSqlQuery q(db);
    q.exec(QStringLiteral("DROP TABLE IF EXISTS products"));
    q.exec(createTable);
    for (const TProduct& p : kProducts) {
        q.prepare(QStringLiteral("INSERT INTO products VALUES (?,?,?)"));
        q.addBindValue(QString::fromUtf8(p.Code));
        q.addBindValue(QString::fromUtf8(p.Name));
        q.addBindValue(p.Qty);
        q.exec();
    }
}

QByteArray ProductsDbf() {
    const int recordLength = 1 + 13 + 20 + 4;
    const int headerLength = 32 + 3 * 32 + 1;
    QByteArray out(32, '\0');
    out[0] = 0x03;
    qToLittleEndian<quint32>(quint32(kProducts.size()), out.data() + 4);
    qToLittleEndian<quint16>(quint16(headerLength), out.data() + 8);
    qToLittleEndian<quint16>(quint16(recordLength), out.data() + 10);
    Descriptor(out, "CODE", 'C', 13);
    Descriptor(out, "NAME", 'C', 20);
    Descriptor(out, "QTY", 'N', 4);
    out += '\x0D';
    for (const TProduct& p : kProducts) {
        out += ' ';
        out += QByteArray(p.Code).leftJustified(13, ' ');
        out += QByteArray(p.Name).leftJustified(20, ' ');
        out += QByteArray::number(p.Qty).rightJustified(4, ' ');
    }
    out += '\x1A';
    return out;
}

void CopyFixtureFolder(const QString& name, const QString& dest) {
    const QDir source(TestDataPath(name));
    QDir().mkpath(dest);
    for (const QString& file : source.entryList(QDir::Files)) {
        QFile::copy(source.filePath(file), QDir(dest).filePath(file));
    }
}

QString MissingOdbcDriver(const QString& driver) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC"))) {
        return QStringLiteral("Qt's QODBC driver is not installed");
    }
    QProcess odbcinst;
    odbcinst.start(QStringLiteral("odbcinst"),
                   {QStringLiteral("-q"), QStringLiteral("-d"), QStringLiteral("-n"), driver});
    if (!odbcinst.waitForFinished(10000) || odbcinst.exitStatus() != QProcess::NormalExit ||
        odbcinst.exitCode() != 0) {
        return QStringLiteral("the ODBC driver \"%1\" is not registered with unixODBC").arg(driver);
    }
    return {};
}

} // namespace zp::test
