// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zp {

/// One fixed-size block of a 2.x label, with its fields read by offset.
/// Offsets outside the block read as zero, so a short block never reads
/// past its end.
class TLegacyBlock {
public:
    explicit TLegacyBlock(QByteArray bytes) : FBytes(std::move(bytes)) {}
    [[nodiscard]] uint8_t Byte(int offset) const;
    [[nodiscard]] int16_t Int16(int offset) const;
    [[nodiscard]] uint16_t UInt16(int offset) const;
    [[nodiscard]] int32_t Int32(int offset) const;
    /// The rectangle of four int32 at the offset. A coordinate beyond ten
    /// thousand inches can only be damage; it is held at that distance so
    /// that no later sum or rescale overflows.
    [[nodiscard]] TRect Rect(int offset) const;
    /// The text of a fixed field: up to its first zero byte or its end.
    [[nodiscard]] QString Text(int offset, int size) const;
    [[nodiscard]] const QByteArray& Bytes() const { return FBytes; }

private:
    QByteArray FBytes;
};

/// Sequential reading of a 2.x label held in memory. Every read that would
/// go past the end raises a read error naming what was being read.
class TLegacyReader {
public:
    explicit TLegacyReader(QByteArray bytes) : FBytes(std::move(bytes)) {}
    [[nodiscard]] TLegacyBlock Block(int size, const char* what);
    void Skip(int size, const char* what);
    [[nodiscard]] int32_t Int32(const char* what) { return Block(4, what).Int32(0); }
    [[nodiscard]] int16_t Int16(const char* what) { return Block(2, what).Int16(0); }
    [[nodiscard]] uint8_t Byte(const char* what) { return Block(1, what).Byte(0); }
    [[nodiscard]] bool AtEnd() const { return FPos >= FBytes.size(); }
    /// The next byte without consuming it; only when not AtEnd.
    [[nodiscard]] uint8_t Peek() const { return uint8_t(FBytes.at(FPos)); }
    [[nodiscard]] qsizetype Position() const { return FPos; }
    [[nodiscard]] qsizetype Remaining() const { return FBytes.size() - FPos; }

private:
    void Need(qsizetype size, const char* what) const;
    QByteArray FBytes;
    qsizetype FPos = 0;
};

} // namespace zp
