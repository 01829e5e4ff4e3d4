// SPDX-License-Identifier: MIT
// The object list of label files and the clipboard, and the 2.x signature.
#include "base/Errors.h"
#include "base/ValueStream.h"
#include "files/LabelFile.h"
#include "model/objects/ObjectClasses.h"

#include <QIODevice>
#include <cstring>

namespace zp {

int ReadObjectList(TZpObjectList& objects, TZpReader& reader) {
    TZpObjectList read;
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        const QString className = reader.ReadString();
        TZpObjectPtr obj = CreateObject(className);
        if (!obj)
            throw EZpReadError(QStringLiteral("Class %1 not found").arg(className));
        obj->LoadFromStream(reader);
        read.push_back(std::move(obj));
    }
    reader.ReadListEnd();
    objects.insert(objects.end(), read.begin(), read.end());
    return int(read.size());
}

int ReadObjectList(TZpObjectList& objects, QIODevice& device) {
    TZpReader reader(device);
    return ReadObjectList(objects, reader);
}

void WriteObjectList(const TZpObjectList& objects, TZpWriter& writer) {
    writer.WriteListBegin();
    for (const TZpObjectPtr& obj : objects) {
        writer.WriteString(obj->GetClassName());
        obj->SaveToStream(writer);
    }
    writer.WriteListEnd();
}

void WriteObjectList(const TZpObjectList& objects, QIODevice& device) {
    TZpWriter writer(device);
    WriteObjectList(objects, writer);
}

// The 2.x header is 89 bytes starting with a zero-terminated signature in
// its first 40. A shorter file is no 2.x label.
bool IsLegacyLabelFile(QIODevice& device) {
    constexpr qint64 kHeaderSize = 89;
    constexpr int kSignatureField = 40;
    const QByteArray header = device.peek(kHeaderSize);
    if (header.size() < kHeaderSize)
        return false;
    const char* field = header.constData();
    const size_t length = strnlen(field, kSignatureField);
    return QByteArray(field, qsizetype(length)) == QByteArrayLiteral("Zentaprint 2.0 DATA");
}

} // namespace zp
