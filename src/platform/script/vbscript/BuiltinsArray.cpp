// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/BuiltinTable.h"
#include "platform/script/vbscript/VariantText.h"

#include <climits>

namespace zp::vbs {

namespace {

TVariant Array(IVbsRuntime&, const TArgs& a) {
    auto array = std::make_shared<TVarArray>();
    array->Items = a;
    array->Upper = {static_cast<int32_t>(a.size()) - 1};
    return TVariant::FromArray(std::move(array));
}

// The dimension argument counts from 1; arrays here always start at 0.
const TVarArray& ArrayArg(const TArgs& a, size_t& dimension) {
    if (!a[0].IsArray())
        Raise(kErrTypeMismatch);
    const TVarArray& array = *a[0].Arr();
    const int32_t d = HasArg(a, 1) ? LongArg(a[1]) : 1;
    if (d < 1 || static_cast<size_t>(d) > array.Upper.size())
        Raise(kErrSubscript);
    dimension = static_cast<size_t>(d - 1);
    return array;
}

TVariant UBound(IVbsRuntime&, const TArgs& a) {
    size_t d = 0;
    const TVarArray& array = ArrayArg(a, d);
    return TVariant::FromLong(array.Upper[d]);
}

TVariant LBound(IVbsRuntime&, const TArgs& a) {
    size_t d = 0;
    (void)ArrayArg(a, d);
    return TVariant::FromLong(0);
}

TVariant Filter(IVbsRuntime&, const TArgs& a) {
    if (!a[0].IsArray() || a[0].Arr()->Upper.size() != 1)
        Raise(kErrTypeMismatch);
    const QString match = TextArg(a[1]);
    const bool include = !HasArg(a, 2) || ToBool(a[2]);
    const Qt::CaseSensitivity cs = TextCompareArg(a, 3) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    auto out = std::make_shared<TVarArray>();
    for (const TVariant& item : a[0].Arr()->Items) {
        const QString text = ToString(item);
        if (text.contains(match, cs) == include)
            out->Items.push_back(TVariant::FromString(text));
    }
    out->Upper = {static_cast<int32_t>(out->Items.size()) - 1};
    return TVariant::FromArray(std::move(out));
}

constexpr TBuiltinEntry kEntries[] = {
    {"Array", {Array, 0, INT_MAX}},
    {"UBound", {UBound, 1, 2}},
    {"LBound", {LBound, 1, 2}},
    {"Filter", {Filter, 2, 4}},
};

} // namespace

std::span<const TBuiltinEntry> ArrayBuiltins() {
    return kEntries;
}

} // namespace zp::vbs
