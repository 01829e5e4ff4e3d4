// SPDX-License-Identifier: MIT
// Pictures in print runs: one image in the PDF however many labels show it,
// and each record's own picture for data-aware pictures.
#include "model/objects/PictureObject.h"
#include "print/PrintJob.h"
#include "print/RunFixture.h"

#include <QFile>

namespace zp::test {
namespace {

class PictureRun : public RunFixture {
protected:
    void SetUp() override {
        RunFixture::SetUp();
        Picture = std::make_shared<TZpPictureObject>();
        Picture->SetBoundsExact({100, 20, 300, 180});
        Doc.Add(Picture);
    }
    void Print() { RunPrintJob(Doc.Objects(), Doc.Layout(), Data(), QStringLiteral("Run"), Info); }
    [[nodiscard]] QByteArray Output() const {
        QFile pdf(OutputFile());
        EXPECT_TRUE(pdf.open(QIODevice::ReadOnly));
        return pdf.readAll();
    }
    std::shared_ptr<TZpPictureObject> Picture;
};

TEST_F(PictureRun, ALogoOnEveryLabelIsEmbeddedOnce) {
    QImage logo(1000, 1000, QImage::Format_RGB32);
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x)
            logo.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, (x ^ y) % 256));
    Picture->AssignBitmap(logo);
    Info.TotalLabels = 3000;
    Print();
    const QByteArray pdf = Output();
    EXPECT_EQ(pdf.count("/Subtype /Image"), 1);
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 300) << "3000 labels, 10 a sheet";
}

TEST_F(PictureRun, EachRecordPrintsItsOwnPicture) {
    const auto save = [&](const QImage& image, const QString& name) {
        const QString path = Dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    };
    QImage wide(8, 4, QImage::Format_RGB32), tall(4, 8, QImage::Format_RGB32);
    wide.fill(Qt::red);
    tall.fill(Qt::blue);
    UseRecords({save(wide, QStringLiteral("wide.png")), save(wide, QStringLiteral("wide.png")),
                save(tall, QStringLiteral("tall.png")), QString()});
    Picture->Data().SetKind(dkDatabaseField);
    auto field = std::make_unique<TZpFieldDef>();
    field->Dataset = QStringLiteral("People");
    field->Field = QStringLiteral("Name");
    Picture->Data().AddField(std::move(field));
    Picture->Data().SetConnections(&Data());
    Info.AllRecords = true;
    Print();
    const QByteArray pdf = Output();
    // Records 1 and 2 share one image; the last record names no file and
    // keeps the tall picture.
    EXPECT_EQ(pdf.count("/Subtype /Image"), 2);
    EXPECT_TRUE(pdf.contains("/Width 8")) << "the wide picture";
    EXPECT_TRUE(pdf.contains("/Width 4")) << "the tall picture";
    EXPECT_EQ(Picture->ImageWidth(), 4);
}

} // namespace
} // namespace zp::test
