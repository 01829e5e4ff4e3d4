// SPDX-License-Identifier: MIT
// Rendered symbols read back by two independent readers (zbarimg and
// ZXingReader) at two densities and four rotations.
#include "BarcodeTestSupport.h"
#include "barcode/Barcode.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

using test::BarcodeOptions;

enum TReaders { kZbar = 1, kZxing = 2, kBoth = 3 };

struct TReaderCase {
    const char* Name;
    uint8_t Symbology;
    std::string Data;
    std::string Decoded; // what a reader gives for the main symbol
    std::string Supplement = {};
    int Readers = kBoth;
    bool CheckDigit = false;
    std::string ZxingDecoded = {};               // when ZXingReader gives something else
    void (*Options)(TBarcodeOptions&) = nullptr; // further options of the case
};

void PrintTo(const TReaderCase& c, std::ostream* os) {
    *os << c.Name;
}

const TReaderCase kCases[] = {
    {"Code39", bcCode39, "ABC-123 $/+%.", "ABC-123 $/+%."},
    {"Code39Check", bcCode39, "ABC", "ABCX", {}, kBoth, true},
    {"Code39FullAscii", bcCode39Ascii, "Hello, World! {~}\x7f", "Hello, World! {~}\x7f"},
    {"Code39FullAsciiEscape", bcCode39Ascii, "a\\009b", "a\tb", {}, kBoth},
    {"Code128", bcCode128, "Hello 123", "Hello 123"},
    {"Code128SetC", bcCode128, "12345678", "12345678"},
    {"Code128OddDigits", bcCode128, "12345", "12345"},
    {"Code128ControlFirst", bcCode128, "\\009Ab", "\tAb", {}, kBoth},
    // The internal characters: SHIFT (203) for one character, CODE A (206) from set B.
    {"Code128Shift", bcCode128, "ab\xcb\\009cd", "ab\tcd", {}, kBoth},
    {"Code128CodeAFromB", bcCode128, "AB\xce\\009", "AB\t", {}, kBoth},
    {"Code128CodeBFromA",
     bcCode128,
     "\\009\xcd"
     "ab",
     "\tab",
     {},
     kBoth},
    {"Ucc128", bcUCC128, "0000012345555555555", "00000123455555555558", {}, kBoth, true},
    // FNC1 inside the data reads as the group separator.
    {"Code128Fnc1",
     bcCode128,
     "123\\F145",
     "123\x1d"
     "45",
     {},
     kBoth,
     false,
     "123<GS>45"},
    {"Code128SetsMixed", bcCode128, "\\009x1234y~", "\tx1234y~"},
    {"Ucc128EightDigits", bcUCC128, "12345678", "12345678"},
    {"UpcA", bcUPCA, "03600029145", "036000291452"},
    {"UpcATwoDigitSupplement", bcUPCA, "0360002914512", "036000291452", "12"},
    {"UpcAFiveDigitSupplement", bcUPCA, "03600029145212345", "036000291452", "12345"},
    {"UpcE0", bcUPCE0, "425261", "04252614"},
    {"UpcE0Supplement", bcUPCE0, "42526112345", "04252614", "12345"},
    // zbarimg reads UPC-E of number system 0 only.
    {"UpcE1", bcUPCE1, "425261", "14252611", {}, kZxing},
    // At the minimum height (0.15 inch) with the text hidden the supplement
    // bars lie below the main bars; the symbol grows to hold them.
    {"UpcE0SupplementMinimumHeight",
     bcUPCE0,
     "12345612",
     "01234565",
     "12",
     kZbar,
     false,
     {},
     [](TBarcodeOptions& o) {
         o.Height = 45;
         o.ShowHumanReadable = false;
         o.ExtendSupplement = true;
     }},
    {"UpcASupplementMinimumHeightExtended",
     bcUPCA,
     "0360002914512345",
     "036000291452",
     "12345",
     kZbar,
     false,
     {},
     [](TBarcodeOptions& o) {
         o.Height = 45;
         o.ExtendSupplement = true;
     }},
    {"Ean13", bcEAN13, "400638133393", "4006381333931"},
    {"Ean13Supplement", bcEAN13, "40063813339312", "4006381333931", "12"},
    {"Ean8", bcEAN8, "5512345", "55123457"},
    {"Bookland", bcBookland, "030640615", "9780306406157"},
    {"BooklandSupplement", bcBookland, "03064061551299", "9780306406157", "51299"},
    {"Int2of5", bcInt2of5, "123456", "123456"},
    {"Int2of5OddLength", bcInt2of5, "12345", "012345"},
    // Counted as 012345: 3 + 2 + 9 + 4 + 15 = 33, check 7.
    {"Int2of5Check", bcInt2of5, "12345", "123457", {}, kBoth, true},
    // OPCC from the right: 5·2 counts 1, 4, 3·2, 2, 1·2: 15, check 5.
    {"Int2of5Opcc",
     bcInt2of5,
     "12345",
     "123455",
     {},
     kBoth,
     true,
     {},
     [](TBarcodeOptions& o) { o.I25CheckDigitType = 1; }},
    {"Int2of5BearerBars",
     bcInt2of5,
     "123456",
     "123456",
     {},
     kBoth,
     false,
     {},
     [](TBarcodeOptions& o) { o.GuardBars = true; }},
    {"Itf14", bcITF14, "1234567890123", "12345678901231"},
    {"Itf14BearerBars",
     bcITF14,
     "1234567890123",
     "12345678901231",
     {},
     kBoth,
     false,
     {},
     [](TBarcodeOptions& o) { o.GuardBars = true; }},
    // ZXingReader leaves out the start and stop characters.
    {"Codabar", bcCodabar, "31117013206375", "A31117013206375A", {}, kBoth, false, "31117013206375"},
    {"CodabarStartBStopD",
     bcCodabar,
     "40156",
     "B40156D",
     {},
     kBoth,
     false,
     "40156",
     [](TBarcodeOptions& o) {
         o.CodabarStart = 1;
         o.CodabarStop = 3;
     }},
    {"CodabarClsi", bcCodabarCLSI, "1234567890123", "A12345678901237A", {}, kBoth, false, "12345678901237"},
    {"CodabarClsiStartCStopB",
     bcCodabarCLSI,
     "1234567890123",
     "C12345678901237B",
     {},
     kBoth,
     false,
     "12345678901237",
     [](TBarcodeOptions& o) {
         o.CodabarStart = 2;
         o.CodabarStop = 1;
     }},
    {"Code93", bcCode93, "TEST93", "TEST93"},
    {"Code93FullAscii", bcCode93, "Hello, World!", "Hello, World!"},
    {"Code93Punctuation", bcCode93, "a~{|}`@[]^_;<=>?:,*&'()\"!#\\009", "a~{|}`@[]^_;<=>?:,*&'()\"!#\t"},
};

/// Code 39 readers give the Full ASCII pairs as they stand; this maps them back.
std::string FromFullAscii(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '$' || c == '%' || c == '/' || c == '+') && i + 1 < text.size()) {
            const char n = text[++i];
            if (c == '$')
                out += static_cast<char>(n - 'A' + 1);
            else if (c == '+')
                out += static_cast<char>(n - 'A' + 'a');
            else if (c == '/')
                out += n == 'O' ? '/' : n == 'Z' ? ':' : static_cast<char>(n - 'A' + '!');
            else if (n == 'U')
                out += '\0';
            else if (n >= 'A' && n <= 'E')
                out += static_cast<char>(n - 'A' + 27);
            else if (n >= 'F' && n <= 'J')
                out += static_cast<char>(n - 'F' + ';');
            else if (n == 'V')
                out += '@';
            else if (n >= 'K' && n <= 'O')
                out += static_cast<char>(n - 'K' + '[');
            else if (n == 'W')
                out += '`';
            else if (n >= 'P' && n <= 'S')
                out += static_cast<char>(n - 'P' + '{');
            else
                out += '\x7f';
        } else {
            out += c;
        }
    }
    return out;
}

std::string Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return "<reader did not finish>";
    return process.readAllStandardOutput().toStdString();
}

/// Every symbol zbarimg finds, one per line; it joins a supplement to its symbol.
std::vector<std::string> Zbar(const QString& path) {
    const std::string out = Run(QStringLiteral("zbarimg"),
                                {QStringLiteral("--nodbus"), QStringLiteral("-q"), QStringLiteral("--raw"),
                                 QStringLiteral("-Senable"), QStringLiteral("-Si25.min-length=0"), path});
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < out.size()) {
        const size_t end = out.find('\n', start);
        lines.push_back(out.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? out.size() : end + 1;
    }
    return lines;
}

/// Every symbol ZXingReader finds; it writes a supplement after a space.
std::vector<std::string> Zxing(const QString& path) {
    const std::string out =
        Run(QStringLiteral("ZXingReader"), {QStringLiteral("-noscale"), QStringLiteral("-1"), path});
    std::vector<std::string> texts;
    size_t start = 0;
    while (start < out.size()) {
        size_t end = out.find('\n', start);
        if (end == std::string::npos)
            end = out.size();
        const std::string line = out.substr(start, end - start);
        const size_t open = line.find('"');
        const size_t close = line.rfind('"');
        if (open != std::string::npos && close > open) {
            // "-1" writes control characters by name; the cases use only the tab.
            std::string text = line.substr(open + 1, close - open - 1);
            for (size_t at = text.find("<HT>"); at != std::string::npos; at = text.find("<HT>", at))
                text.replace(at, 4, "\t");
            texts.push_back(text);
        }
        start = end + 1;
    }
    return texts;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts)
        out += "[" + t + "]";
    return out;
}

class ReaderCases : public testing::TestWithParam<TReaderCase> {
protected:
    static void SetUpTestSuite() {
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
            << "zbarimg is missing: ./zp deps installs zbar-tools";
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("ZXingReader")).isEmpty())
            << "ZXingReader is missing: ./zp deps installs zxing-cpp-tools";
    }
};

TEST_P(ReaderCases, DecodesToTheData) {
    const TReaderCase& c = GetParam();
    test::TLabelDpiGuard dpi(300);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int density : {2, 3}) {
        TBarcodeOptions o = BarcodeOptions(c.Symbology, density);
        o.CheckDigit = c.CheckDigit;
        o.WideToNarrow = 3.0f;
        o.Height = 30 * density;
        o.ShowHumanReadable = true;
        o.Descenders = true;
        o.ShowNumberSystem = true;
        o.ShowCheckDigit = true;
        o.FontSize = 8;
        if (c.Options)
            c.Options(o);
        const int32_t width = BarcodeWidth(c.Data, o);
        ASSERT_NE(width, 2 * 300) << "data not valid";
        const int side = width + 160;
        for (int rotation : {0, 90, 180, 270}) {
            // Quiet zones: the symbol keeps 40 pixels from every edge.
            TRect r{40, 40, side - 40, side - 40};
            const QImage image = test::DrawToImage(c.Data, r, o, rotation, side, side);
            const QString path =
                dir.filePath(QStringLiteral("%1_%2_%3.png").arg(c.Name).arg(density).arg(rotation));
            ASSERT_TRUE(image.save(path));
            const std::string where =
                "density " + std::to_string(density) + ", rotation " + std::to_string(rotation);
            const bool fullAscii = c.Symbology == bcCode39Ascii;
            if (c.Readers & kZbar) {
                std::vector<std::string> found = Zbar(path);
                for (std::string& t : found)
                    t = fullAscii ? FromFullAscii(t) : t;
                const std::string wanted = c.Decoded + c.Supplement;
                EXPECT_NE(std::find(found.begin(), found.end(), wanted), found.end())
                    << "zbarimg read " << Joined(found) << " at " << where;
            }
            if (c.Readers & kZxing) {
                std::vector<std::string> found = Zxing(path);
                for (std::string& t : found)
                    t = fullAscii ? FromFullAscii(t) : t;
                const std::string main = c.ZxingDecoded.empty() ? c.Decoded : c.ZxingDecoded;
                const std::string wanted = main + (c.Supplement.empty() ? "" : " " + c.Supplement);
                EXPECT_NE(std::find(found.begin(), found.end(), wanted), found.end())
                    << "ZXingReader read " << Joined(found) << " at " << where;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, ReaderCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TReaderCase>& info) { return info.param.Name; });

} // namespace
} // namespace zp
