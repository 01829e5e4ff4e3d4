// SPDX-License-Identifier: MIT
#include "platform/dataaccess/SchemaFile.h"

#include "files/ValueStream.h"

#include <QFile>
#include <QSaveFile>

namespace zp {

TZpSchemaFile TZpSchemaFile::Read(const QString& path) {
    TZpSchemaFile schema;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return schema;
    }
    const QStringList lines = DecodeFileString(file.readAll()).split(u'\n');
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';')) {
            continue;
        }
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            schema.FSections.append(TSection{line.mid(1, line.size() - 2), {}});
            continue;
        }
        const int eq = static_cast<int>(line.indexOf(u'='));
        if (eq > 0 && !schema.FSections.isEmpty()) {
            schema.FSections.last().Values.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
        }
    }
    return schema;
}

bool TZpSchemaFile::Write(const QString& path) const {
    QString text;
    for (const TSection& section : FSections) {
        text += u'[' + section.Name + QStringLiteral("]\r\n");
        for (const auto& [key, value] : section.Values) {
            text += key + u'=' + value + QStringLiteral("\r\n");
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(text.toUtf8());
    return file.commit();
}

int TZpSchemaFile::IndexOf(const QString& section) const {
    for (int i = 0; i < FSections.size(); ++i) {
        if (FSections[i].Name.compare(section, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QString TZpSchemaFile::Value(const QString& section, const QString& key) const {
    const int index = IndexOf(section);
    if (index < 0) {
        return {};
    }
    for (const auto& [name, value] : FSections[index].Values) {
        if (name.compare(key, Qt::CaseInsensitive) == 0) {
            return value;
        }
    }
    return {};
}

void TZpSchemaFile::SetValue(const QString& section, const QString& key, const QString& value) {
    int index = IndexOf(section);
    if (index < 0) {
        FSections.append(TSection{section, {}});
        index = static_cast<int>(FSections.size()) - 1;
    }
    for (auto& entry : FSections[index].Values) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0) {
            entry.second = value;
            return;
        }
    }
    FSections[index].Values.append({key, value});
}

void TZpSchemaFile::EraseSection(const QString& section) {
    const int index = IndexOf(section);
    if (index >= 0) {
        FSections.removeAt(index);
    }
}

QList<QString> TZpSchemaFile::Columns(const QString& section) const {
    QList<QString> columns;
    for (int n = 1;; ++n) {
        const QString value = Value(section, QStringLiteral("Col%1").arg(n));
        if (value.isEmpty()) {
            return columns;
        }
        columns.append(value);
    }
}

} // namespace zp
