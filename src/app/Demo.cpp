// SPDX-License-Identifier: MIT
#include "app/Demo.h"

#include "barcode/BarcodeObject.h"
#include "data/DataConnections.h"
#include "model/base/LabelDpi.h"
#include "model/document/LabelDocument.h"
#include "model/objects/ShapeObjects.h"

namespace zp {

namespace {

template <class T>
std::shared_ptr<T> Add(TZpLabelDocument& doc, TRect bounds) {
    auto obj = std::make_shared<T>();
    obj->SetBoundsExact(bounds);
    doc.Add(obj);
    return obj;
}

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

    // The database lies beside the label, so the label names it relatively.
    TZpDataConnections& data = doc.Environment().Connections();
    data.AddConnection(QStringLiteral("Sample"), QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=sample.db"));
    data.AddDataset(QStringLiteral("Sample"), QStringLiteral("Products"),
                    QStringLiteral("SELECT * FROM [Products] ORDER BY [SKU]"));

    doc.Environment().SetDPI(300);
    doc.SetModified(false);
}

} // namespace zp
