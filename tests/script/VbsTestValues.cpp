// SPDX-License-Identifier: MIT
#include "VbsTestValues.h"

#include "platform/script/vbscript/VariantText.h"

#include <QStringList>

namespace zp::vbs::test {

TVariant V(const char* notation) {
    const QString s = QString::fromUtf8(notation);
    const QString rest = s.mid(2);
    switch (notation[0]) {
    case 'E':
        return {};
    case 'N':
        return TVariant::Null();
    case 'I':
        return TVariant::FromInteger(static_cast<int16_t>(rest.toInt()));
    case 'L':
        return TVariant::FromLong(rest.toInt());
    case 'Y':
        return TVariant::FromByte(static_cast<uint8_t>(rest.toInt()));
    case 'F':
        return TVariant::FromSingle(rest.toFloat());
    case 'D':
        return TVariant::FromDouble(rest.toDouble());
    case 'C':
        return TVariant::FromCurrency(static_cast<int64_t>(rest.toDouble() * 10000));
    case 'T':
        return TVariant::FromDate(rest.toDouble());
    case 'B':
        return TVariant::FromBool(rest == u"1");
    case 'S':
        return TVariant::FromString(rest);
    case 'A': {
        auto array = std::make_shared<TVarArray>();
        if (!rest.isEmpty())
            for (const QString& item : rest.split(u'|'))
                array->Items.push_back(TVariant::FromString(item));
        array->Upper = {static_cast<int32_t>(array->Items.size()) - 1};
        return TVariant::FromArray(std::move(array));
    }
    default:
        return {};
    }
}

std::string DescribeValue(const TVariant& v) {
    if (v.IsNull())
        return "Null";
    if (v.IsEmpty())
        return "Empty";
    if (v.IsArray()) {
        QStringList items;
        for (const TVariant& item : v.Arr()->Items)
            items << ToString(item);
        return "Variant():" + items.join(u'|').toStdString();
    }
    return (TypeNameOf(v) + u':' + ToString(v)).toStdString();
}

} // namespace zp::vbs::test
