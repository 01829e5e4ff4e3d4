// SPDX-License-Identifier: MIT
// The demo job end to end: the shipped label and database, printed through
// the PDF device, and the printed bar codes read back from the page.
#include "app/Demo.h"

#include "base/LabelDpi.h"
#include "files/LabelFile.h"
#include "model/document/LabelDocument.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

const QString kSampleDir = QStringLiteral(ZP_SAMPLE_DIR);

QString RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The shipped file is what BuildSampleLabel saves, so the two never drift
// apart. ZP_WRITE_SAMPLE_LABEL=1 writes it anew after a deliberate change.
TEST(DemoTest, TheShippedSampleLabelIsTheBuiltOne) {
    // Building the label sets the label resolution.
    const test::TLabelDpiGuard dpi(LabelDPI());
    TZpLabelDocument doc;
    BuildSampleLabel(doc);
    QBuffer built;
    built.open(QIODevice::WriteOnly);
    WriteLabel(built, doc.Objects(), doc.Environment(), doc.Layout());
    const QString path = kSampleDir + QStringLiteral("/product-label.zp3");
    if (qEnvironmentVariableIsSet("ZP_WRITE_SAMPLE_LABEL"))
        SaveLabelFile(path, doc.Objects(), doc.Environment(), doc.Layout());
    QFile shipped(path);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(test::ToHex(shipped.readAll()), test::ToHex(built.data()));
}

// The demo is the command a user runs: the shipped label, which names the
// sample database beside it, printed for every product from the command line.
TEST(DemoTest, PrintsOneReadableLabelPerProduct) {
    for (const char* tool : {"pdfinfo", "pdftoppm", "pdftotext", "zbarimg"})
        ASSERT_FALSE(QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            << tool << " is missing: ./zp deps installs it";
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("product-labels.pdf"));
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), out.filePath(QStringLiteral("config")));
    env.remove(QStringLiteral("DISPLAY"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ZP_EXECUTABLE),
                  {kSampleDir + QStringLiteral("/product-label.zp3"), QStringLiteral("-P"),
                   QStringLiteral("-A"), QStringLiteral("-O=") + pdf});
    ASSERT_TRUE(program.waitForFinished(60000));
    ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("612 x 792 pts"))) << info.toStdString();

    // Every product's name and price from the database, printed as text.
    // (A name may wrap, so line ends count as spaces.)
    const QString text = RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
    for (const char* expected : {"Ballpoint pen, blue", "Coffee mug, 300 ml", "Notebook A5, ruled",
                                 "Pocket guide to knots", "Desk lamp, LED", "Label roll 50 x 25 mm", "$1.25",
                                 "$6.50", "$3.90", "$12.00", "$29.95", "$8.40", "Item P-103 18 in stock"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " not in:\n"
                                                                << text.toStdString();

    // Every product's code, read off the printed page by a real reader.
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                         pdf, out.filePath(QStringLiteral("page"))});
    const QStringList pages = QDir(out.path()).entryList({QStringLiteral("page*.png")});
    ASSERT_EQ(pages.size(), 1);
    QStringList read =
        RunTool(QStringLiteral("zbarimg"), {QStringLiteral("--nodbus"), QStringLiteral("-q"),
                                            QStringLiteral("--raw"), out.filePath(pages.first())})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    read.sort();
    const QStringList expected = {QStringLiteral("0012345678905"), QStringLiteral("4006381333931"),
                                  QStringLiteral("4902030283513"), QStringLiteral("5012345678900"),
                                  QStringLiteral("7622210449283"), QStringLiteral("9780201379624")};
    EXPECT_EQ(read, expected);
}

} // namespace
} // namespace zp
