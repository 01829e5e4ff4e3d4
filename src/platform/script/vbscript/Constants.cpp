// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/Variant.h"

#include <QHash>

namespace zp::vbs {

namespace {

struct TIntConstant {
    const char* Name;
    int32_t Value;
    bool IsLong; // the colours and vbObjectError are Long, the rest Integer
};

constexpr TIntConstant kIntConstants[] = {
    {"vbBinaryCompare", 0, false},
    {"vbTextCompare", 1, false},
    {"vbSunday", 1, false},
    {"vbMonday", 2, false},
    {"vbTuesday", 3, false},
    {"vbWednesday", 4, false},
    {"vbThursday", 5, false},
    {"vbFriday", 6, false},
    {"vbSaturday", 7, false},
    {"vbUseSystemDayOfWeek", 0, false},
    {"vbUseSystem", 0, false},
    {"vbFirstJan1", 1, false},
    {"vbFirstFourDays", 2, false},
    {"vbFirstFullWeek", 3, false},
    {"vbGeneralDate", 0, false},
    {"vbLongDate", 1, false},
    {"vbShortDate", 2, false},
    {"vbLongTime", 3, false},
    {"vbShortTime", 4, false},
    {"vbObjectError", -2147221504, true}, // &H80040000
    {"vbTrue", -1, false},
    {"vbFalse", 0, false},
    {"vbUseDefault", -2, false},
    {"vbEmpty", 0, false},
    {"vbNull", 1, false},
    {"vbInteger", 2, false},
    {"vbLong", 3, false},
    {"vbSingle", 4, false},
    {"vbDouble", 5, false},
    {"vbCurrency", 6, false},
    {"vbDate", 7, false},
    {"vbString", 8, false},
    {"vbObject", 9, false},
    {"vbError", 10, false},
    {"vbBoolean", 11, false},
    {"vbVariant", 12, false},
    {"vbDataObject", 13, false},
    {"vbDecimal", 14, false},
    {"vbByte", 17, false},
    {"vbArray", 8192, false},
    // Colours as RGB values with red in the low byte.
    {"vbBlack", 0x000000, true},
    {"vbRed", 0x0000FF, true},
    {"vbGreen", 0x00FF00, true},
    {"vbYellow", 0x00FFFF, true},
    {"vbBlue", 0xFF0000, true},
    {"vbMagenta", 0xFF00FF, true},
    {"vbCyan", 0xFFFF00, true},
    {"vbWhite", 0xFFFFFF, true},
};

QHash<QString, TVariant> BuildTable() {
    QHash<QString, TVariant> table;
    for (const TIntConstant& c : kIntConstants) {
        table.insert(QString::fromLatin1(c.Name).toLower(),
                     c.IsLong ? TVariant::FromLong(c.Value)
                              : TVariant::FromInteger(static_cast<int16_t>(c.Value)));
    }
    const auto text = [&table](const char* name, QString value) {
        table.insert(QString::fromLatin1(name).toLower(), TVariant::FromString(std::move(value)));
    };
    text("vbCrLf", QStringLiteral("\r\n"));
    text("vbNewLine", QStringLiteral("\r\n"));
    text("vbCr", QStringLiteral("\r"));
    text("vbLf", QStringLiteral("\n"));
    text("vbTab", QStringLiteral("\t"));
    text("vbFormFeed", QStringLiteral("\f"));
    text("vbVerticalTab", QStringLiteral("\v"));
    text("vbNullString", QString());
    text("vbNullChar", QString(QChar(0)));
    return table;
}

} // namespace

bool FindConstant(const QString& name, TVariant& value) {
    static const QHash<QString, TVariant> kTable = BuildTable();
    const auto it = kTable.constFind(name.toLower());
    if (it == kTable.constEnd())
        return false;
    value = *it;
    return true;
}

} // namespace zp::vbs
