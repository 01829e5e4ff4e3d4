// SPDX-License-Identifier: MIT
#include "base/ValueStream.h"

#include "base/Errors.h"

#include <QFileDevice>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace zp {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned
// codes keep their C1 values, as the platform's conversion does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
static_assert(kCp1252High.size() == 32);

} // namespace

QString DecodeFileString(const QByteArray& bytes) {
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(bytes);
    // A leading U+FEFF is text like any other, not a mark to drop.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

QByteArray EncodeFileString(const QString& text) {
    return text.toUtf8();
}

void DoubleToExtended(double value, uint8_t out[10]) {
    std::memset(out, 0, 10);
    uint16_t signExp = std::signbit(value) ? 0x8000 : 0;
    uint64_t significand = 0;
    if (std::isnan(value)) {
        signExp |= 0x7FFF;
        significand = 0xC000000000000000ULL;
    } else if (std::isinf(value)) {
        signExp |= 0x7FFF;
        significand = 0x8000000000000000ULL;
    } else if (value != 0.0) {
        int exp = 0;
        const double m = std::frexp(std::fabs(value), &exp); // m in [0.5, 1)
        significand = static_cast<uint64_t>(std::ldexp(m, 64));
        signExp |= static_cast<uint16_t>(exp - 1 + 16383);
    }
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<uint8_t>(significand >> (8 * i));
    out[8] = static_cast<uint8_t>(signExp);
    out[9] = static_cast<uint8_t>(signExp >> 8);
}

namespace {

// The significand cut to 53 bits by rounding to odd: the bits dropped leave
// their trace in the lowest bit kept, so a later rounding to single precision
// gives the value rounded once, as if straight from the 64 stored bits.
double ExtendedToDoubleRoundedToOdd(const uint8_t in[10]) {
    uint64_t significand = 0;
    for (int i = 0; i < 8; ++i)
        significand |= static_cast<uint64_t>(in[i]) << (8 * i);
    const uint16_t signExp = static_cast<uint16_t>(in[8] | (in[9] << 8));
    const bool negative = (signExp & 0x8000) != 0;
    const int exp = signExp & 0x7FFF;
    double value;
    if (exp == 0x7FFF) {
        value = (significand << 1) == 0 ? INFINITY : NAN;
    } else if (significand == 0) {
        value = 0.0;
    } else {
        int drop = std::max(0, (63 - std::countl_zero(significand)) - 52);
        const uint64_t lost = significand & ((uint64_t(1) << drop) - 1);
        significand >>= drop;
        if (lost != 0)
            significand |= 1;
        value = std::ldexp(static_cast<double>(significand), (exp == 0 ? 1 : exp) - 16383 - 63 + drop);
    }
    return negative ? -value : value;
}

} // namespace

float ExtendedToFloat(const uint8_t in[10]) {
    return static_cast<float>(ExtendedToDoubleRoundedToOdd(in));
}

// ---- reader

void TZpReader::ReadError() {
    throw EZpReadError(QStringLiteral("Stream read error"));
}
void TZpReader::InvalidValue() {
    throw EZpReadError(QStringLiteral("Invalid property value"));
}

qint64 TZpReader::Remaining() const {
    return FDevice.isSequential() ? FDevice.bytesAvailable() : FDevice.size() - FDevice.pos();
}

void TZpReader::ReadExact(void* buffer, qint64 n) {
    if (n <= 0)
        return;
    if (FDevice.read(static_cast<char*>(buffer), n) != n)
        ReadError();
}

uint8_t TZpReader::ReadByte() {
    char c;
    if (!FDevice.getChar(&c))
        ReadError();
    return static_cast<uint8_t>(c);
}

int16_t TZpReader::ReadInt16() {
    uint8_t b[2];
    ReadExact(b, 2);
    return static_cast<int16_t>(b[0] | (b[1] << 8));
}

int32_t TZpReader::ReadInt32() {
    uint8_t b[4];
    ReadExact(b, 4);
    return static_cast<int32_t>(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                                (uint32_t(b[3]) << 24));
}

float TZpReader::ReadSingle() {
    const auto bits = static_cast<uint32_t>(ReadInt32());
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

TRect TZpReader::ReadRect() {
    TRect r;
    r.Left = ReadInt32();
    r.Top = ReadInt32();
    r.Right = ReadInt32();
    r.Bottom = ReadInt32();
    return r;
}

QByteArray TZpReader::ReadBytes(qint64 n) {
    if (n < 0 || n > Remaining())
        ReadError();
    QByteArray bytes(n, Qt::Uninitialized);
    ReadExact(bytes.data(), n);
    return bytes;
}

TZpValueTag TZpReader::PeekTag() {
    char c;
    if (FDevice.peek(&c, 1) != 1)
        ReadError();
    return static_cast<TZpValueTag>(static_cast<uint8_t>(c));
}

TZpValueTag TZpReader::ReadTag() {
    return static_cast<TZpValueTag>(ReadByte());
}

int32_t TZpReader::ReadInteger() {
    switch (ReadTag()) {
    case TZpValueTag::Int8:
        return static_cast<int8_t>(ReadByte());
    case TZpValueTag::Int16:
        return ReadInt16();
    case TZpValueTag::Int32:
        return ReadInt32();
    default:
        InvalidValue();
    }
}

QByteArray TZpReader::ReadStringBytes() {
    switch (ReadTag()) {
    case TZpValueTag::String:
        return ReadBytes(ReadByte());
    case TZpValueTag::LString:
        return ReadBytes(ReadInt32());
    default:
        InvalidValue();
    }
}

QString TZpReader::ReadString() {
    return DecodeFileString(ReadStringBytes());
}

float TZpReader::ReadFloat() {
    switch (ReadTag()) {
    case TZpValueTag::Extended: {
        uint8_t b[10];
        ReadExact(b, 10);
        return ExtendedToFloat(b);
    }
    case TZpValueTag::Int8:
        return static_cast<int8_t>(ReadByte());
    case TZpValueTag::Int16:
        return ReadInt16();
    case TZpValueTag::Int32:
        return static_cast<float>(ReadInt32());
    default:
        InvalidValue();
    }
}

bool TZpReader::ReadBool() {
    return ReadTag() == TZpValueTag::True;
}

void TZpReader::ReadListBegin() {
    if (ReadTag() != TZpValueTag::List)
        InvalidValue();
}

bool TZpReader::EndOfList() {
    return PeekTag() == TZpValueTag::EndOfList;
}

void TZpReader::ReadListEnd() {
    if (ReadTag() != TZpValueTag::EndOfList)
        InvalidValue();
}

// ---- writer

void TZpWriter::WriteRaw(const void* data, qint64 n) {
    if (n <= 0)
        return;
    if (FDevice.write(static_cast<const char*>(data), n) != n) {
        QString name;
        if (auto* file = qobject_cast<QFileDevice*>(&FDevice))
            name = file->fileName();
        throw EZpFileError(
            name.isEmpty() ? QStringLiteral("Stream write error")
                           : QStringLiteral("Cannot write to \"%1\": %2").arg(name, FDevice.errorString()));
    }
}

void TZpWriter::WriteByte(uint8_t value) {
    WriteRaw(&value, 1);
}

void TZpWriter::WriteInt16(int16_t value) {
    const auto u = static_cast<uint16_t>(value);
    const uint8_t b[2] = {uint8_t(u), uint8_t(u >> 8)};
    WriteRaw(b, 2);
}

void TZpWriter::WriteInt32(int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    const uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
    WriteRaw(b, 4);
}

void TZpWriter::WriteSingle(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    WriteInt32(static_cast<int32_t>(bits));
}

void TZpWriter::WriteRect(const TRect& rect) {
    WriteInt32(rect.Left);
    WriteInt32(rect.Top);
    WriteInt32(rect.Right);
    WriteInt32(rect.Bottom);
}

void TZpWriter::WriteBytes(const QByteArray& bytes) {
    WriteRaw(bytes.constData(), bytes.size());
}

void TZpWriter::WriteInteger(int32_t value) {
    if (value >= -128 && value <= 127) {
        WriteByte(uint8_t(TZpValueTag::Int8));
        WriteByte(static_cast<uint8_t>(static_cast<int8_t>(value)));
    } else if (value >= -32768 && value <= 32767) {
        WriteByte(uint8_t(TZpValueTag::Int16));
        WriteInt16(static_cast<int16_t>(value));
    } else {
        WriteByte(uint8_t(TZpValueTag::Int32));
        WriteInt32(value);
    }
}

void TZpWriter::WriteStringBytes(const QByteArray& bytes) {
    if (bytes.size() <= 255) {
        WriteByte(uint8_t(TZpValueTag::String));
        WriteByte(static_cast<uint8_t>(bytes.size()));
    } else {
        WriteByte(uint8_t(TZpValueTag::LString));
        WriteInt32(static_cast<int32_t>(bytes.size()));
    }
    WriteBytes(bytes);
}

void TZpWriter::WriteString(const QString& value) {
    WriteStringBytes(EncodeFileString(value));
}

void TZpWriter::WriteFloat(double value) {
    uint8_t b[11];
    b[0] = uint8_t(TZpValueTag::Extended);
    DoubleToExtended(value, b + 1);
    WriteRaw(b, 11);
}

void TZpWriter::WriteBool(bool value) {
    WriteByte(uint8_t(value ? TZpValueTag::True : TZpValueTag::False));
}
void TZpWriter::WriteListBegin() {
    WriteByte(uint8_t(TZpValueTag::List));
}
void TZpWriter::WriteListEnd() {
    WriteByte(uint8_t(TZpValueTag::EndOfList));
}

} // namespace zp
