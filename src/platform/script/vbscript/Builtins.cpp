// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/BuiltinTable.h"

#include <QHash>

namespace zp::vbs {

int32_t LongArg(const TVariant& v) {
    if (v.IsNull())
        Raise(kErrInvalidUseOfNull);
    return ToLong(v);
}

bool TextCompareArg(const TArgs& args, size_t i) {
    if (!HasArg(args, i))
        return false;
    const int32_t mode = LongArg(args[i]);
    if (mode != 0 && mode != 1)
        Raise(kErrInvalidCall);
    return mode == 1;
}

QString TextArg(const TVariant& v) {
    if (v.IsNull())
        Raise(kErrInvalidUseOfNull);
    return ToString(v);
}

const TBuiltin* FindBuiltin(const QString& name) {
    static const QHash<QString, TBuiltin> kTable = [] {
        QHash<QString, TBuiltin> table;
        for (const auto family : {StringBuiltins(), ConversionBuiltins(), MathBuiltins(), DateBuiltins(),
                                  FormatBuiltins(), ArrayBuiltins()}) {
            for (const TBuiltinEntry& e : family)
                table.insert(QString::fromLatin1(e.Name).toLower(), e.Def);
        }
        return table;
    }();
    const auto it = kTable.constFind(name.toLower());
    return it == kTable.constEnd() ? nullptr : &*it;
}

} // namespace zp::vbs
