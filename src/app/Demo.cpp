// SPDX-License-Identifier: MIT
#include "app/Demo.h"

#include "barcode/BarcodeObject.h"
#include "files/LabelFile.h"
#include "model/base/Errors.h"
#include "model/base/LabelDpi.h"
#include "model/document/LabelDocument.h"
#include "model/objects/ShapeObjects.h"
#include "platform/printing/Printer.h"
#include "print/PrintCommands.h"
#include "print/RunSources.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace zp {

namespace {

const QString kSampleLabel = QStringLiteral("product-label.zp3");

template <class T>
std::shared_ptr<T> Add(TZpLabelDocument& doc, TRect bounds) {
    auto obj = std::make_shared<T>();
    obj->SetBoundsExact(bounds);
    doc.Add(obj);
    return obj;
}

void Fail(const QString& message) { std::fprintf(stderr, "zentaprint: %s\n", message.toUtf8().constData()); }

} // namespace

void BuildSampleLabel(TZpLabelDocument& doc) {
    SetLabelDPI(300);
    TLabelProperties& layout = doc.Layout();
    layout.Manufacturer = QStringLiteral("Generic");
    layout.Product = QStringLiteral("Address labels, 30 per sheet");
    layout.PageType = QStringLiteral("Letter");
    layout.PageWidth = 8.5f;
    layout.PageHeight = 11.0f;
    layout.Columns = 3;
    layout.Rows = 10;
    layout.LeftMargin = 0.1875f;
    layout.TopMargin = 0.5f;
    layout.Width = 2.625f;
    layout.Height = 1.0f;
    layout.HorizontalPitch = 2.75f;
    layout.VerticalPitch = 1.0f;
    layout.LabelShape = lsRoundRect;
    layout.EllipseWidth = 0.125f;
    layout.EllipseHeight = 0.125f;

    auto frame = Add<TZpRoundRectObject>(doc, {10, 10, 778, 290});
    frame->SetEllipseSize(0.1f);
    frame->LineStyle().SetWidth(4);

    auto mark = Add<TZpCircleObject>(doc, {36, 36, 126, 126});
    mark->FillStyle().SetStyle(bsSolid);
    mark->FillStyle().SetColor(0x6F4A2B);
    mark->LineStyle().SetStyle(psClear);

    auto band = Add<TZpRectangleObject>(doc, {36, 150, 126, 264});
    band->FillStyle().SetStyle(bsFDiagonal);
    band->FillStyle().SetColor(0x6F4A2B);
    band->LineStyle().SetWidth(2);

    auto rule = Add<TZpLineConstraint>(doc, {150, 24, 150, 276});
    rule->LineStyle().SetWidth(3);

    auto code = Add<TZpBarcodeObject>(doc, {190, 40, 750, 260});
    code->Symbology = bcEAN13;
    code->Density = 4; // 0.013 inch modules at 300 pixels per inch
    code->Height = 170;
    code->HRSpacing = 4;
    code->ShowHumanReadable = true;
    code->Descenders = true;
    code->Font().SetName(QStringLiteral("Arial"));
    code->Font().SetSize(10);
    code->Data().SetKind(dkDatabaseField);
    auto field = std::make_unique<TZpFieldDef>();
    field->Connection = QStringLiteral("Sample");
    field->Dataset = QStringLiteral("Products");
    field->Field = QStringLiteral("EAN13");
    code->Data().AddField(std::move(field));
    code->Data().SetText(QStringLiteral("4006381333931"));

    doc.Environment().SetDPI(300);
    doc.SetModified(false);
}

int RunDemo(const QStringList& arguments) {
    const QDir sampleDir(arguments.value(0, QDir::currentPath()));
    const QString outDir = arguments.value(1, QDir::currentPath());
    if (!QDir().mkpath(outDir)) {
        Fail(QStringLiteral("cannot create the folder \"%1\"").arg(outDir));
        return 1;
    }
    const QString pdfPath = QDir(outDir).absoluteFilePath(QStringLiteral("product-labels.pdf"));
    const QString pngPath = QDir(outDir).absoluteFilePath(QStringLiteral("product-label.png"));

    TZpLabelDocument doc;
    int labels = 0;
    try {
        // Loading selects the label's printer (the PDF device) and re-expresses
        // the label in its resolution.
        LoadLabelDocument(doc, sampleDir.absoluteFilePath(kSampleLabel), false);

        TZpDataConnections& data = doc.Environment().Connections();
        data.AddConnection(QStringLiteral("Sample"),
                           QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1")
                               .arg(sampleDir.absoluteFilePath(QStringLiteral("sample.db"))));
        data.AddDataset(QStringLiteral("Sample"), QStringLiteral("Products"),
                        QStringLiteral("SELECT * FROM [Products] ORDER BY [SKU]"));
        data.Open();
        if (data.RecordCount() <= 0)
            throw EZpError(QStringLiteral("the sample database \"%1\" has no products")
                               .arg(sampleDir.absoluteFilePath(QStringLiteral("sample.db"))));

        // The first label, as the first record gives it, also as a picture.
        data.First();
        TZpRunSources(doc.Objects()).Update(false);
        const TLabelProperties& layout = doc.Layout();
        QImage image(qRound(layout.Width * LabelDPI()), qRound(layout.Height * LabelDPI()), QImage::Format_ARGB32);
        image.setDotsPerMeterX(qRound(LabelDPI() / 0.0254));
        image.setDotsPerMeterY(qRound(LabelDPI() / 0.0254));
        image.fill(Qt::transparent);
        QPainter thumbnail(&image);
        DrawLabelThumbnail(doc.Objects(), doc.Environment(), layout, thumbnail);
        thumbnail.end();
        if (!image.save(pngPath, "PNG"))
            throw EZpError(QStringLiteral("cannot write \"%1\"").arg(pngPath));

        TZpPrinter& printer = ZpPrinter();
        printer.SetPrinterIndex(printer.IndexOfPrinter(QStringLiteral("PDF")));
        printer.SetOutputFileName(pdfPath);
        TZpPrintInfo& info = doc.PrintInfo();
        info = TZpPrintInfo();
        info.StartLabel = 1;
        info.Copies = 1;
        info.AllRecords = true;
        TZpObjectList selection;
        if (!PrintDocument(doc, info, QStringLiteral("Product labels"), selection))
            throw EZpError(QStringLiteral("the sample label did not pass the checks before printing"));
        labels = data.RecordCount();
    } catch (const EZpAbort&) {
        return 1;
    } catch (const EZpError& e) {
        Fail(e.Message());
        return 1;
    }
    std::printf("Printed %d product labels from the sample database on the \"PDF\" device to %s\n", labels,
                pdfPath.toUtf8().constData());
    std::printf("The first label at %d dots per inch: %s\n", LabelDPI(), pngPath.toUtf8().constData());
    return 0;
}

} // namespace zp
