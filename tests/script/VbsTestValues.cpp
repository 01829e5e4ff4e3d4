// SPDX-License-Identifier: MIT
#include "VbsTestValues.h"

#include "platform/script/vbscript/VariantText.h"

namespace zp::vbs::test {

TVariant V(const char* notation)
{
    const QString s = QString::fromUtf8(notation);
    const QString rest = s.mid(2);
    switch (notation[0]) {
    case 'E': return {};
    case 'N': return TVariant::Null();
    case 'I': return TVariant::FromInteger(static_cast<int16_t>(rest.toInt()));
    case 'L': return TVariant::FromLong(rest.toInt());
    case 'Y': return TVariant::FromByte(static_cast<uint8_t>(rest.toInt()));
    case 'F': return TVariant::FromSingle(rest.toFloat());
    case 'D': return TVariant::FromDouble(rest.toDouble());
    case 'C': return TVariant::FromCurrency(static_cast<int64_t>(rest.toDouble() * 10000));
    case 'T': return TVariant::FromDate(rest.toDouble());
    case 'B': return TVariant::FromBool(rest == u"1");
    case 'S': return TVariant::FromString(rest);
    default: return {};
    }
}

std::string DescribeValue(const TVariant& v)
{
    if (v.IsNull()) return "Null";
    if (v.IsEmpty()) return "Empty";
    return (TypeNameOf(v) + u':' + ToString(v)).toStdString();
}

} // namespace zp::vbs::test
