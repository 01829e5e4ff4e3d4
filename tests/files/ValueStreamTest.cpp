// SPDX-License-Identifier: MIT
#include "base/ValueStream.h"

#include "base/Errors.h"
#include "files/FileTestSupport.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <bit>
#include <functional>
#include <gtest/gtest.h>

namespace zp {
namespace {

using test::Written;

struct WriteCase {
    const char* name;
    std::function<void(TZpWriter&)> write;
    const char* hex;
};

const WriteCase kWriteCases[] = {
    {"Int100", [](TZpWriter& w) { w.WriteInteger(100); }, "02 64"},
    {"Int300", [](TZpWriter& w) { w.WriteInteger(300); }, "03 2C 01"},
    {"Int70000", [](TZpWriter& w) { w.WriteInteger(70000); }, "04 70 11 01 00"},
    {"IntMinus1", [](TZpWriter& w) { w.WriteInteger(-1); }, "02 FF"},
    {"IntMinus129", [](TZpWriter& w) { w.WriteInteger(-129); }, "03 7F FF"},
    {"IntMinus32769", [](TZpWriter& w) { w.WriteInteger(-32769); }, "04 FF 7F FF FF"},
    {"Float2", [](TZpWriter& w) { w.WriteFloat(2.0); }, "05 00 00 00 00 00 00 00 80 00 40"},
    {"Float0", [](TZpWriter& w) { w.WriteFloat(0.0); }, "05 00 00 00 00 00 00 00 00 00 00"},
    {"FloatMinus1", [](TZpWriter& w) { w.WriteFloat(-1.0); }, "05 00 00 00 00 00 00 00 80 FF BF"},
    {"Bools",
     [](TZpWriter& w) {
         w.WriteBool(true);
         w.WriteBool(false);
     },
     "09 08"},
    {"EmptyList",
     [](TZpWriter& w) {
         w.WriteListBegin();
         w.WriteListEnd();
     },
     "01 00"},
    {"ShortString", [](TZpWriter& w) { w.WriteString(QStringLiteral("Ab")); }, "06 02 41 62"},
    {"Utf8String", [](TZpWriter& w) { w.WriteString(QStringLiteral("\u00e9")); }, "06 02 C3 A9"},
    {"RawFields",
     [](TZpWriter& w) {
         w.WriteInt32(-2);
         w.WriteByte(7);
         w.WriteSingle(1.0f);
     },
     "FE FF FF FF 07 00 00 80 3F"},
};

class ValueWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ValueWriteTest, WritesTheSmallestEncoding) {
    EXPECT_EQ(test::ToHex(Written(GetParam().write)), test::ToHex(test::Hex(GetParam().hex)));
}

INSTANTIATE_TEST_SUITE_P(Encoding, ValueWriteTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueStreamTest, StringLengthPicksTheTag) {
    const QByteArray s255 = Written([](TZpWriter& w) { w.WriteString(QString(255, QLatin1Char('x'))); });
    EXPECT_EQ(s255.left(2), test::Hex("06 FF"));
    EXPECT_EQ(s255.size(), 257);
    const QByteArray s256 = Written([](TZpWriter& w) { w.WriteString(QString(256, QLatin1Char('x'))); });
    EXPECT_EQ(s256.left(5), test::Hex("0C 00 01 00 00"));
    EXPECT_EQ(s256.size(), 261);
}

// Reading from fixed bytes; the reader must stop exactly after each item.
class ValueReadTest : public ::testing::Test {
protected:
    TZpReader& Open(const char* hex) {
        bytes = test::Hex(hex);
        buffer.setBuffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        return reader;
    }
    QByteArray bytes;
    QBuffer buffer;
    TZpReader reader{buffer};
};

TEST_F(ValueReadTest, IntegersOfEveryWidthAreSignExtended) {
    TZpReader& r = Open("02 FF 03 2C 01 03 00 80 04 70 11 01 00");
    EXPECT_EQ(r.ReadInteger(), -1);
    EXPECT_EQ(r.ReadInteger(), 300);
    EXPECT_EQ(r.ReadInteger(), -32768);
    EXPECT_EQ(r.ReadInteger(), 70000);
    EXPECT_EQ(r.Remaining(), 0);
}

TEST_F(ValueReadTest, AFloatPositionAcceptsAnInteger) {
    TZpReader& r = Open("02 03 05 00 00 00 00 00 00 00 80 00 40 03 E8 03");
    EXPECT_EQ(r.ReadFloat(), 3.0);
    EXPECT_EQ(r.ReadFloat(), 2.0);
    EXPECT_EQ(r.ReadFloat(), 1000.0);
}

TEST_F(ValueReadTest, ABooleanIsTrueOnlyForTag9AndConsumesOneByte) {
    TZpReader& r = Open("09 08 02 06 01 41");
    EXPECT_TRUE(r.ReadBool());
    EXPECT_FALSE(r.ReadBool());
    EXPECT_FALSE(r.ReadBool()); // tag 2 without its payload
    EXPECT_FALSE(r.ReadBool()); // tag 6
    EXPECT_EQ(r.ReadByte(), 0x01);
}

TEST_F(ValueReadTest, ListEndIsSeenWithoutConsumingIt) {
    TZpReader& r = Open("01 02 05 00");
    r.ReadListBegin();
    EXPECT_FALSE(r.EndOfList());
    EXPECT_EQ(r.ReadInteger(), 5);
    EXPECT_TRUE(r.EndOfList());
    EXPECT_TRUE(r.EndOfList());
    r.ReadListEnd();
    EXPECT_EQ(r.Remaining(), 0);
}

TEST_F(ValueReadTest, StringsDecodeUtf8ElseWindows1252) {
    TZpReader& r = Open("06 02 C3 A9 06 02 E9 80 0C 01 00 00 00 41 06 04 EF BB BF 41");
    EXPECT_EQ(r.ReadString(), QStringLiteral("\u00e9"));
    EXPECT_EQ(r.ReadString(), QStringLiteral("\u00e9\u20ac"));
    EXPECT_EQ(r.ReadString(), QStringLiteral("A"));
    EXPECT_EQ(r.ReadString(), QStringLiteral("\ufeffA")); // kept, so the text saves back unchanged
}

struct ReadErrorCase {
    const char* name;
    const char* hex;
    std::function<void(TZpReader&)> read;
    const char* message;
};

const ReadErrorCase kReadErrors[] = {
    {"IntegerWithStringTag", "06 00", [](TZpReader& r) { (void)r.ReadInteger(); }, "Invalid property value"},
    {"StringWithIntegerTag", "02 00", [](TZpReader& r) { (void)r.ReadString(); }, "Invalid property value"},
    {"FloatWithStringTag", "06 00", [](TZpReader& r) { (void)r.ReadFloat(); }, "Invalid property value"},
    {"ListStartWrongTag", "00", [](TZpReader& r) { r.ReadListBegin(); }, "Invalid property value"},
    {"ListEndWrongTag", "02", [](TZpReader& r) { r.ReadListEnd(); }, "Invalid property value"},
    {"TruncatedInteger", "04 01 02", [](TZpReader& r) { (void)r.ReadInteger(); }, "Stream read error"},
    {"TruncatedFloat", "05 00 00", [](TZpReader& r) { (void)r.ReadFloat(); }, "Stream read error"},
    {"EmptyBool", "", [](TZpReader& r) { (void)r.ReadBool(); }, "Stream read error"},
    {"PeekAtEnd", "", [](TZpReader& r) { (void)r.EndOfList(); }, "Stream read error"},
    // A corrupt length must not allocate 2 GB before failing.
    {"HugeLongString", "0C FF FF FF 7F 41", [](TZpReader& r) { (void)r.ReadString(); }, "Stream read error"},
    {"NegativeLongString", "0C FF FF FF FF", [](TZpReader& r) { (void)r.ReadString(); }, "Stream read error"},
    {"ShortStringPastEnd", "06 05 41", [](TZpReader& r) { (void)r.ReadString(); }, "Stream read error"},
    {"TruncatedRect", "01 00 00 00 02 00", [](TZpReader& r) { (void)r.ReadRect(); }, "Stream read error"},
};

class ValueReadErrorTest : public ::testing::TestWithParam<ReadErrorCase> {};

TEST_P(ValueReadErrorTest, FailsWithTheMessage) {
    QByteArray bytes = test::Hex(GetParam().hex);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TZpReader reader(buffer);
    try {
        GetParam().read(reader);
        FAIL() << "no error";
    } catch (const EZpReadError& e) {
        EXPECT_EQ(e.Message(), QLatin1String(GetParam().message));
    }
}

INSTANTIATE_TEST_SUITE_P(Errors, ValueReadErrorTest, ::testing::ValuesIn(kReadErrors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExtendedFloatTest, RoundTripsEverySinglePrecisionLayoutValue) {
    for (const double v : {0.156, 0.5, 8.5, 11.0, 4.188, 1e-30, -3.75, 1e30, 0.01}) {
        const float f = float(v);
        uint8_t bytes[10];
        DoubleToExtended(f, bytes);
        EXPECT_EQ(ExtendedToFloat(bytes), f) << v;
    }
}

// A stored significand of more than 53 bits is rounded once, to single
// precision; through double it would be rounded twice.
struct TExtendedCase {
    const char* name;
    uint64_t significand; ///< with the explicit integer bit
    uint16_t signExp;
    uint32_t singleBits;
};

constexpr uint64_t kOne = uint64_t(1) << 63;
constexpr TExtendedCase kExtendedCases[] = {
    // 1 + 2^-24 + 2^-63: just above the halfway point between two singles.
    {"AboveHalfwayRoundsUp", kOne | (uint64_t(1) << 39) | 1, 0x3FFF, 0x3F800001},
    // 1 + 2^-24 exactly halfway: ties go to the even single, 1.0.
    {"HalfwayRoundsToEven", kOne | (uint64_t(1) << 39), 0x3FFF, 0x3F800000},
    // 1 + 2^-23 + 2^-24 halfway with an odd lower neighbour: up to even.
    {"HalfwayFromOddRoundsUp", kOne | (uint64_t(3) << 39), 0x3FFF, 0x3F800002},
    // -(1 + 2^-24 + 2^-63): the sign does not change the rounding.
    {"NegativeAboveHalfway", kOne | (uint64_t(1) << 39) | 1, 0xBFFF, 0xBF800001},
    // Just below halfway: down.
    {"BelowHalfwayRoundsDown", kOne | ((uint64_t(1) << 39) - 1), 0x3FFF, 0x3F800000},
};

class ExtendedRoundingTest : public ::testing::TestWithParam<TExtendedCase> {};

TEST_P(ExtendedRoundingTest, RoundsOnceToSingle) {
    uint8_t bytes[10];
    for (int i = 0; i < 8; ++i)
        bytes[i] = uint8_t(GetParam().significand >> (8 * i));
    bytes[8] = uint8_t(GetParam().signExp);
    bytes[9] = uint8_t(GetParam().signExp >> 8);
    EXPECT_EQ(std::bit_cast<uint32_t>(ExtendedToFloat(bytes)), GetParam().singleBits);
}

INSTANTIATE_TEST_SUITE_P(Floats, ExtendedRoundingTest, ::testing::ValuesIn(kExtendedCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zp
