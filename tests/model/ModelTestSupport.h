// SPDX-License-Identifier: MIT
#pragma once

#include "base/LabelDpi.h"
#include "base/ValueStream.h"
#include "model/objects/ZpObject.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace zp::test {

/// The log messages of one category, collected while the object lives.
class TLogCapture {
public:
    explicit TLogCapture(const char* category) {
        FCategory = category;
        FMessages = &FOwn;
        FPrevious = qInstallMessageHandler(&TLogCapture::Handler);
    }
    ~TLogCapture() {
        qInstallMessageHandler(FPrevious);
        FMessages = nullptr;
    }
    [[nodiscard]] const QStringList& Messages() const { return FOwn; }

private:
    static void Handler(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (FMessages && context.category && FCategory == context.category)
            FMessages->append(message);
    }
    static inline QByteArray FCategory;
    static inline QStringList* FMessages = nullptr;
    QStringList FOwn;
    QtMessageHandler FPrevious = nullptr;
};

/// The record of an object (or an owned part) as SaveToStream writes it.
template <class T> QByteArray Record(T& obj) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TZpWriter writer(buffer);
    obj.SaveToStream(writer);
    return bytes;
}

/// Loads a record into obj and checks that every byte was consumed.
inline void LoadRecord(TZpObject& obj, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TZpReader reader(buffer);
    obj.LoadFromStream(reader);
    EXPECT_EQ(reader.Remaining(), 0) << "record not consumed exactly";
}

/// A base record: version, bounds, sizing, aspect rectangle, then the
/// optional print flag and group as the version has them.
inline QByteArray BaseRecord(int32_t version, TRect bounds, uint8_t sizing = 0, TRect aspect = {},
                             bool print = true, int32_t group = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TZpWriter w(buffer);
    w.WriteInt32(version);
    w.WriteRect(bounds);
    w.WriteByte(sizing);
    w.WriteRect(aspect);
    if (version > 18)
        w.WriteByte(print ? 1 : 0);
    if (version > 20)
        w.WriteInt32(group);
    return bytes;
}

/// A desktop database file made by running the statements; the connection
/// string that opens it.
inline QString MakeDatabase(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString& sql : statements)
            EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path;
}

} // namespace zp::test

namespace zp {
inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
} // namespace zp
