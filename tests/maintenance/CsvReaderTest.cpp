// SPDX-License-Identifier: MIT
#include "data/CsvReader.h"

#include "base/Errors.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

struct TCase {
    const char* Name;
    std::string Input;
    const char* Records; // fields joined by '|', records by '/'; or the error's words
    bool Fails = false;
};

const TCase kCases[] = {
    // Quoted commas, doubled quotes and line breaks inside quotes.
    {"Quoting", "a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"x\ny\",2\r\n", "a|b,c|say \"hi\"/x\ny|2"},
    // CR LF, LF and CR each end a record; empty lines are skipped.
    {"MixedLineEnds", "a,b\r\nc,d\ne,f\rg,h\n\n\r\n", "a|b/c|d/e|f/g|h"},
    // Blanks around unquoted fields go; inside quotes they stay.
    {"Blanks", "  a , \" b \" ,c  \n", "a| b |c"},
    // Empty fields, a trailing comma, no final line end.
    {"EmptyFields", ",,\nx,", "||/x|"},
    {"UnclosedQuote", "a,b\nc,\"open\nd,e\n", "line 2", true},
    {"TextAfterQuote", "\"a\"b,c\n", "line 1", true},
    {"NulByte", std::string("a,b\nc,d\0e\n", 10), "line 2", true},
};

class CsvReaderTest : public testing::TestWithParam<TCase> {};

TEST_P(CsvReaderTest, Reads) {
    const TCase& c = GetParam();
    TZpCsvReader reader(c.Input, QStringLiteral("in.csv"));
    std::vector<std::string_view> fields;
    QStringList records;
    try {
        while (reader.Next(fields)) {
            QStringList values;
            for (const auto& f : fields) {
                values << QString::fromUtf8(f.data(), static_cast<qsizetype>(f.size()));
            }
            records << values.join(u'|');
        }
        EXPECT_FALSE(c.Fails);
        EXPECT_EQ(records.join(u'/'), QString::fromUtf8(c.Records));
    } catch (const EZpError& e) {
        EXPECT_TRUE(c.Fails) << e.what();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("in.csv"))) << e.what();
        EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.Records))) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvReaderTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(CsvTextTest, EncodingIsDetected) {
    bool utf8 = false;
    // A byte-order mark is dropped; valid UTF-8 stays as it is.
    EXPECT_EQ(CsvTextAsUtf8(QByteArray("\xEF\xBB\xBFM\xC3\xBCller"), &utf8), QByteArray("M\xC3\xBCller"));
    EXPECT_TRUE(utf8);
    // Windows-1252: u-umlaut and the euro sign.
    EXPECT_EQ(QString::fromUtf8(CsvTextAsUtf8(QByteArray("M\xFCller \x80"), &utf8)),
              QStringLiteral(u"Müller €"));
    EXPECT_FALSE(utf8);
    // An overlong form is not UTF-8.
    (void)CsvTextAsUtf8(QByteArray("\xC0\xAF"), &utf8);
    EXPECT_FALSE(utf8);
    EXPECT_EQ(Utf8Length("M\xC3\xBCller"), 6);
}

TEST(CsvTextTest, LinesAreQuotedWhereNeeded) {
    EXPECT_EQ(
        CsvLine({QStringLiteral("a"), QStringLiteral("b c"), QStringLiteral("x,y"), QStringLiteral("q\"")}),
        QStringLiteral("a,\"b c\",\"x,y\",\"q\"\"\""));
    EXPECT_EQ(CsvLine({QString()}), QStringLiteral("\"\""));
    EXPECT_EQ(CsvLine({QString(), QString()}), QStringLiteral(","));
}

} // namespace
} // namespace zp
