// SPDX-License-Identifier: MIT
// Folders of dBase III, IV and 5 tables (*.dbf). Memo fields are not read:
// their text lives in a separate file that this reader does not open.
#include "base/Errors.h"
#include "base/ValueStream.h"
#include "platform/dataaccess/FileEngines.h"
#include "platform/dataaccess/TableEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace zp {

namespace {

// Layout of the file header and of one field descriptor (dBase III to 5).
constexpr int kHeaderSize = 32;
constexpr int kDescriptorSize = 32;

QString Decode(const char* data, int size) {
    return DecodeFileString(QByteArray::fromRawData(data, size));
}

QString FieldText(char type, const char* data, int size, int decimals) {
    switch (type) {
    case 'C': {
        // Values are padded with blanks on the right; blanks on the left are data.
        int length = size;
        while (length > 0 && (data[length - 1] == ' ' || data[length - 1] == '\0')) {
            --length;
        }
        return Decode(data, length);
    }
    case 'N':
    case 'F': {
        const QString text = Decode(data, size).trimmed();
        bool ok = false;
        if (decimals == 0) {
            const qlonglong value = text.toLongLong(&ok);
            if (ok) {
                return QString::number(value);
            }
        }
        const double value = text.toDouble(&ok);
        return ok ? QString::number(value, 'g', 15) : QString();
    }
    case 'D': {
        const QString text = Decode(data, size).trimmed();
        return text.size() == 8 ? QStringLiteral("%1-%2-%3").arg(text.left(4), text.mid(4, 2), text.mid(6, 2))
                                : QString();
    }
    case 'L': {
        const char c = size > 0 ? data[0] : '?';
        if (c == 'T' || c == 't' || c == 'Y' || c == 'y') {
            return QStringLiteral("True");
        }
        if (c == 'F' || c == 'f' || c == 'N' || c == 'n') {
            return QStringLiteral("False");
        }
        return {};
    }
    default:
        return {};
    }
}

TZpFieldType FieldType(char type, int decimals) {
    switch (type) {
    case 'N':
    case 'F':
        return decimals == 0 ? TZpFieldType::ftInteger : TZpFieldType::ftFloat;
    case 'D':
        return TZpFieldType::ftDate;
    case 'L':
        return TZpFieldType::ftBoolean;
    case 'M':
        return TZpFieldType::ftMemo;
    default:
        return TZpFieldType::ftString;
    }
}

TZpRecordSet LoadDbf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw EZpError(QStringLiteral("The file \"%1\" could not be read: %2").arg(path, file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    const auto damaged = [&path](const QString& what) {
        return EZpError(QStringLiteral("The dBase file \"%1\" is damaged: %2").arg(path, what));
    };
    if (bytes.size() < kHeaderSize + 1) {
        throw damaged(QStringLiteral("the header is incomplete."));
    }
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 recordCount = qFromLittleEndian<quint32>(data + 4);
    const int headerLength = qFromLittleEndian<quint16>(data + 8);
    const int recordLength = qFromLittleEndian<quint16>(data + 10);
    if (headerLength < kHeaderSize + 1 || headerLength > bytes.size()) {
        throw damaged(QStringLiteral("the header length %1 does not fit the file.").arg(headerLength));
    }

    struct TField {
        char Type;
        int Offset;
        int Size;
        int Decimals;
    };
    std::vector<TField> layout;
    TZpRecordSet records;
    int offset = 1; // the deletion flag comes first
    for (int at = kHeaderSize; at + kDescriptorSize <= headerLength && data[at] != 0x0D;
         at += kDescriptorSize) {
        const char* name = reinterpret_cast<const char*>(data + at);
        const int nameLength = static_cast<int>(qstrnlen(name, 11));
        const char type = static_cast<char>(data[at + 11]);
        const int size = data[at + 16];
        const int decimals = data[at + 17];
        TZpFieldInfo info;
        info.Name = Decode(name, nameLength);
        info.Type = FieldType(type, decimals);
        info.Size = size;
        info.Precision = decimals;
        records.Fields.append(info);
        layout.push_back(TField{type, offset, size, decimals});
        offset += size;
    }
    if (offset > recordLength) {
        throw damaged(
            QStringLiteral("the fields take %1 bytes of a record of %2.").arg(offset).arg(recordLength));
    }
    MakeFieldNamesUnique(records.Fields);
    const qint64 available = (bytes.size() - headerLength) / std::max(recordLength, 1);
    if (available < recordCount) {
        throw damaged(QStringLiteral("the header announces %1 records but the file holds %2.")
                          .arg(recordCount)
                          .arg(available));
    }
    records.Rows.reserve(recordCount);
    for (quint32 r = 0; r < recordCount; ++r) {
        const char* record = bytes.constData() + headerLength + qint64(r) * recordLength;
        if (record[0] == '*') {
            continue; // deleted
        }
        QStringList row;
        row.reserve(static_cast<int>(layout.size()));
        for (const TField& field : layout) {
            row.append(FieldText(field.Type, record + field.Offset, field.Size, field.Decimals));
        }
        records.Rows.push_back(std::move(row));
    }
    return records;
}

class TDbfEngine : public TZpTableEngine {
public:
    explicit TDbfEngine(QString folder)
        : TZpTableEngine(QStringLiteral("The dBase folder \"%1\"").arg(folder)), FFolder(std::move(folder)) {}

protected:
    QList<TTable> ListTables() override {
        RequireFolder(FFolder);
        const QDir dir(FFolder);
        QList<TTable> tables;
        for (const QString& file :
             dir.entryList({QStringLiteral("*.dbf")}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
            const QString path = dir.filePath(file);
            QString hashed = file;
            hashed.replace(u'.', u'#');
            tables.append(TTable{
                QFileInfo(file).completeBaseName(), {file, hashed}, false, [path] { return LoadDbf(path); }});
        }
        return tables;
    }

private:
    QString FFolder;
};

} // namespace

std::unique_ptr<TZpDbEngine> CreateDbfEngine(const QString& folder) {
    return std::make_unique<TDbfEngine>(folder);
}

} // namespace zp
