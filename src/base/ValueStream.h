// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <cstdint>

namespace zp {

/// Tags of the tagged value encoding of label files and object records.
enum class TZpValueTag : uint8_t {
    EndOfList = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    String = 6,
    False = 8,
    True = 9,
    LString = 12,
};

/// Reads raw fields and tagged values from a device, consuming exactly the
/// bytes of each item so that raw fields can follow tagged ones. Every length
/// read from the data is checked against what remains before anything is
/// allocated. Failures raise EZpReadError: "Stream read error" when the data
/// runs out, "Invalid property value" for a tag that does not belong.
class TZpReader {
public:
    explicit TZpReader(QIODevice& device) : FDevice(device) {}

    [[nodiscard]] QIODevice& Device() { return FDevice; }
    /// Bytes left from the current position (for sequential devices, what is buffered).
    [[nodiscard]] qint64 Remaining() const;

    // Raw fields
    [[nodiscard]] uint8_t ReadByte();
    [[nodiscard]] int32_t ReadInt32();
    [[nodiscard]] int16_t ReadInt16();
    [[nodiscard]] float ReadSingle();
    [[nodiscard]] TRect ReadRect();
    /// n raw bytes; n is checked against what remains.
    [[nodiscard]] QByteArray ReadBytes(qint64 n);
    void ReadExact(void* buffer, qint64 n);

    // Tagged values
    [[nodiscard]] TZpValueTag PeekTag();
    [[nodiscard]] TZpValueTag ReadTag();
    [[nodiscard]] int32_t ReadInteger();
    [[nodiscard]] QString ReadString();
    /// The raw bytes of a tagged string, without decoding.
    [[nodiscard]] QByteArray ReadStringBytes();
    /// Tag 5 as extended float; any other tag read as an integer and converted.
    /// Label files hold single-precision values, so the stored value is
    /// rounded once, to single precision.
    [[nodiscard]] float ReadFloat();
    /// True exactly when the tag byte is 9; any other single byte reads false.
    [[nodiscard]] bool ReadBool();
    void ReadListBegin();
    /// Looks at the next tag without consuming it: true when it is end of list.
    [[nodiscard]] bool EndOfList();
    void ReadListEnd();

private:
    [[noreturn]] static void ReadError();
    [[noreturn]] static void InvalidValue();
    QIODevice& FDevice;
};

/// Writes raw fields and tagged values by the writing rules of label files:
/// the smallest integer tag, tag 6 or 12 by string length, floats as extended.
/// Write failures raise EZpFileError naming the device's file when it has one.
class TZpWriter {
public:
    explicit TZpWriter(QIODevice& device) : FDevice(device) {}

    [[nodiscard]] QIODevice& Device() { return FDevice; }

    void WriteByte(uint8_t value);
    void WriteInt32(int32_t value);
    void WriteInt16(int16_t value);
    void WriteSingle(float value);
    void WriteRect(const TRect& rect);
    void WriteBytes(const QByteArray& bytes);
    void WriteRaw(const void* data, qint64 n);

    void WriteInteger(int32_t value);
    void WriteString(const QString& value);
    void WriteStringBytes(const QByteArray& bytes);
    void WriteFloat(double value);
    void WriteBool(bool value);
    void WriteListBegin();
    void WriteListEnd();

private:
    QIODevice& FDevice;
};

/// Label file text: UTF-8 when the bytes are valid UTF-8, else Windows-1252,
/// so that labels made on the old platform keep their accents.
[[nodiscard]] QString DecodeFileString(const QByteArray& bytes);
/// Text of the old platform's Western code page, byte by byte.
[[nodiscard]] QString DecodeWindows1252(const QByteArray& bytes);
[[nodiscard]] QByteArray EncodeFileString(const QString& text);

/// The 80-bit x87 extended format, little-endian, as stored in label files.
void DoubleToExtended(double value, uint8_t out[10]);
/// The stored value rounded once to single precision (never through double).
[[nodiscard]] float ExtendedToFloat(const uint8_t in[10]);

} // namespace zp
