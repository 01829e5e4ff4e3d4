// SPDX-License-Identifier: MIT
#include "app/Demo.h"

#include "barcode/BarcodeObject.h"
#include "base/LabelDpi.h"
#include "data/DataConnections.h"
#include "model/document/LabelDocument.h"
#include "model/objects/ShapeObjects.h"
#include "model/objects/TextObject.h"

namespace zp {

namespace {

template <class T> std::shared_ptr<T> Add(TZpLabelDocument& doc, TRect bounds) {
    auto obj = std::make_shared<T>();
    obj->SetBoundsExact(bounds);
    doc.Add(obj);
    return obj;
}

std::unique_ptr<TZpFieldDef> ProductField(const QString& field) {
    auto entry = std::make_unique<TZpFieldDef>();
    entry->Connection = QStringLiteral("Sample");
    entry->Dataset = QStringLiteral("Products");
    entry->Field = field;
    return entry;
}

// A text object that shows database fields of the products, in Arial.
std::shared_ptr<TZpTextObject> AddProductText(TZpLabelDocument& doc, TRect bounds, int32_t size, bool bold,
                                              TColor color) {
    auto text = Add<TZpTextObject>(doc, bounds);
    text->Font().SetName(QStringLiteral("Arial"));
    text->Font().SetSize(size);
    text->Font().SetBold(bold);
    text->Font().SetColor(color);
    text->Data().SetKind(dkDatabaseField);
    return text;
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

    // The name, item number, stock and price of the product, left of the code.
    auto name = AddProductText(doc, {36, 28, 316, 126}, 10, true, clBlack);
    name->Data().AddField(ProductField(QStringLiteral("Description")));
    name->Data().SetText(QStringLiteral("Ballpoint pen, blue"));
    name->Data().SetName(QStringLiteral("ProductName"));

    auto details = AddProductText(doc, {36, 128, 316, 196}, 7, false, 0x595959);
    auto sku = ProductField(QStringLiteral("SKU"));
    sku->Prefix = QStringLiteral("Item ");
    sku->AddLineBreak = true;
    details->Data().AddField(std::move(sku));
    auto stock = ProductField(QStringLiteral("Stock"));
    stock->Suffix = QStringLiteral(" in stock");
    details->Data().AddField(std::move(stock));
    details->Data().SetText(QStringLiteral("Item P-100\r\n480 in stock"));
    details->Data().SetName(QStringLiteral("ProductDetails"));

    auto price = AddProductText(doc, {36, 200, 316, 280}, 16, true, 0x6F4A2B);
    auto amount = ProductField(QStringLiteral("PriceText"));
    amount->Prefix = QStringLiteral("$");
    price->Data().AddField(std::move(amount));
    price->Data().SetText(QStringLiteral("$1.25"));
    price->Data().SetName(QStringLiteral("ProductPrice"));

    auto code = Add<TZpBarcodeObject>(doc, {336, 40, 896, 260});
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
    // Just as long as its symbol, which leaves the quiet zone inside the frame.
    TRect symbol = code->GetBounds();
    symbol.Right = symbol.Left + code->SymbolWidth();
    code->SetBoundsExact(symbol);

    // The database lies beside the label, so the label names it relatively.
    TZpDataConnections& data = doc.Environment().Connections();
    data.AddConnection(QStringLiteral("Sample"),
                       QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=sample.db"));
    data.AddDataset(
        QStringLiteral("Sample"), QStringLiteral("Products"),
        // The price with its two decimals, as a label shows it.
        QStringLiteral("SELECT *, printf('%.2f', [Price]) AS [PriceText] FROM [Products] ORDER BY [SKU]"));

    doc.Environment().SetDPI(300);
    doc.SetModified(false);
}

} // namespace zp
