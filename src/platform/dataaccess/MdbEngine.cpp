// SPDX-License-Identifier: MIT
// Access files (.mdb), read-only through mdbtools.
#include "base/Errors.h"
#include "platform/dataaccess/FileEngines.h"
#include "platform/dataaccess/TableEngine.h"

#include <QFile>
#include <QFileInfo>
#include <mdbtools.h>

namespace zp {

namespace {

using TMdb = std::shared_ptr<MdbHandle>;

TZpFieldType MdbType(int type) {
    switch (type) {
    case MDB_BOOL:
        return TZpFieldType::ftBoolean;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return TZpFieldType::ftInteger;
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        return TZpFieldType::ftFloat;
    case MDB_DATETIME:
        return TZpFieldType::ftDateTime;
    case MDB_MEMO:
        return TZpFieldType::ftMemo;
    case MDB_OLE:
        return TZpFieldType::ftBlob;
    default:
        return TZpFieldType::ftString;
    }
}

TZpRecordSet LoadMdbTable(const TMdb& mdb, const QString& path, MdbCatalogEntry* entry) {
    const auto failed = [&](const QString& what) {
        return EZpError(QStringLiteral("The table \"%1\" of \"%2\" could not be read: %3")
                            .arg(QString::fromUtf8(entry->object_name), path, what));
    };
    std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)> table(mdb_read_table(entry), mdb_free_tabledef);
    if (!table || !mdb_read_columns(table.get())) {
        throw failed(QStringLiteral("its definition is damaged."));
    }
    const unsigned int count = table->num_cols;
    TZpRecordSet records;
    std::vector<std::vector<char>> buffers(count, std::vector<char>(mdb->bind_size + 1));
    std::vector<int> lengths(count, 0);
    std::vector<int> types(count, 0);
    for (unsigned int i = 0; i < count; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        TZpFieldInfo info;
        info.Name = QString::fromUtf8(column->name);
        info.Type = MdbType(column->col_type);
        info.Size = column->col_size;
        info.Precision = column->col_prec;
        records.Fields.append(info);
        types[i] = column->col_type;
        if (column->col_type != MDB_OLE) {
            mdb_bind_column(table.get(), static_cast<int>(i + 1), buffers[i].data(), &lengths[i]);
        }
    }
    if (!mdb_rewind_table(table.get())) {
        throw failed(QStringLiteral("its records cannot be reached."));
    }
    while (mdb_fetch_row(table.get())) {
        QStringList row;
        row.reserve(static_cast<int>(count));
        for (unsigned int i = 0; i < count; ++i) {
            if (types[i] == MDB_OLE || lengths[i] <= 0) {
                row.append(QString());
                continue;
            }
            const int length = std::min<int>(lengths[i], static_cast<int>(mdb->bind_size));
            QString text = QString::fromUtf8(buffers[i].data(), length);
            if (types[i] == MDB_BOOL) {
                text = text == QLatin1String("1") ? QStringLiteral("True") : QStringLiteral("False");
            }
            row.append(text);
        }
        records.Rows.push_back(std::move(row));
    }
    return records;
}

class TMdbEngine : public TZpTableEngine {
public:
    explicit TMdbEngine(QString file)
        : TZpTableEngine(QStringLiteral("The database \"%1\"").arg(file)), FFile(std::move(file)) {}

protected:
    QList<TTable> ListTables() override {
        const QByteArray name = QFile::encodeName(FFile);
        TMdb mdb(mdb_open(name.constData(), MDB_NOFLAGS), [](MdbHandle* h) {
            if (h) {
                mdb_close(h);
            }
        });
        if (!mdb) {
            throw EZpError(QStringLiteral("The database \"%1\" could not be opened: it is damaged or not an "
                                          "Access file.")
                               .arg(FFile));
        }
        mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
        if (!mdb_read_catalog(mdb.get(), MDB_TABLE)) {
            throw EZpError(
                QStringLiteral("The database \"%1\" could not be opened: its catalog cannot be read.")
                    .arg(FFile));
        }
        QList<TTable> tables;
        for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
            auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
            if (entry->object_type != MDB_TABLE) {
                continue;
            }
            const QString file = FFile;
            tables.append(TTable{QString::fromUtf8(entry->object_name),
                                 {},
                                 mdb_is_system_table(entry) != 0,
                                 [mdb, file, entry] { return LoadMdbTable(mdb, file, entry); }});
        }
        return tables;
    }

private:
    QString FFile;
};

} // namespace

std::unique_ptr<TZpDbEngine> CreateMdbEngine(const QString& file) {
    return std::make_unique<TMdbEngine>(file);
}

} // namespace zp
