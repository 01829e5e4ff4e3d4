// SPDX-License-Identifier: MIT
#include "legacy/LegacyReader.h"

#include "base/Errors.h"
#include "base/ValueStream.h"

#include <algorithm>
#include <cstring>

namespace zp {

uint8_t TLegacyBlock::Byte(int offset) const {
    return offset >= 0 && offset < FBytes.size() ? uint8_t(FBytes.at(offset)) : 0;
}

uint16_t TLegacyBlock::UInt16(int offset) const {
    return uint16_t(Byte(offset) | (Byte(offset + 1) << 8));
}

int16_t TLegacyBlock::Int16(int offset) const {
    return int16_t(UInt16(offset));
}

int32_t TLegacyBlock::Int32(int offset) const {
    const uint32_t v = uint32_t(Byte(offset)) | (uint32_t(Byte(offset + 1)) << 8) |
                       (uint32_t(Byte(offset + 2)) << 16) | (uint32_t(Byte(offset + 3)) << 24);
    return int32_t(v);
}

TRect TLegacyBlock::Rect(int offset) const {
    constexpr int32_t kLimit = 10000 * 1440;
    const auto held = [&](int at) { return std::clamp(Int32(at), -kLimit, kLimit); };
    return TRect{held(offset), held(offset + 4), held(offset + 8), held(offset + 12)};
}

QString TLegacyBlock::Text(int offset, int size) const {
    if (offset < 0 || offset >= FBytes.size())
        return {};
    const int available = int(std::min<qsizetype>(size, FBytes.size() - offset));
    const char* start = FBytes.constData() + offset;
    const auto length = qsizetype(strnlen(start, size_t(available)));
    // 2.x labels were written in the old platform's Western code page.
    return DecodeWindows1252(QByteArray(start, length));
}

void TLegacyReader::Need(qsizetype size, const char* what) const {
    if (size < 0 || size > Remaining())
        throw EZpReadError(QStringLiteral("The 2.x label is incomplete: it ends inside the %1.")
                               .arg(QString::fromLatin1(what)));
}

TLegacyBlock TLegacyReader::Block(int size, const char* what) {
    Need(size, what);
    TLegacyBlock block(FBytes.mid(FPos, size));
    FPos += size;
    return block;
}

void TLegacyReader::Skip(int size, const char* what) {
    Need(size, what);
    FPos += size;
}

} // namespace zp
