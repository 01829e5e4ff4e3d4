// SPDX-License-Identifier: MIT
#include "legacy/LegacyImport.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "data/DataConnections.h"
#include "data/DatabaseCopy.h"
#include "files/LabelFile.h"
#include "files/LabelPrinterSteps.h"
#include "legacy/LegacyImportContext.h"
#include "model/data/ZpData.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"

#include <QFileInfo>
#include <QIODevice>

namespace zp {

namespace {

void Warn(const QString& text) {
    ZpDialogs().MessageBox(TZpMsgKind::Warning, text, TZpButtons::Ok, TZpAnswer::Ok);
}

void ReadHeader(const TLegacyBlock& h, TZpIDEProperties& ide) {
    const int16_t units = h.Int16(60);
    ide.SetRulerUnits(units == 1 ? ruDecimalInches : units == 2 ? ruCentimeters : ruInches);
    ide.ShowGuides = h.Int16(62) != 0;
    ide.SnapToGuides = h.Int16(64) != 0;
    ide.LockGuides = h.Int16(66) != 0;
    ide.SnapToRulers = h.Byte(68) != 0;
    static constexpr int32_t kZoom[] = {25, 50, 75, 100, 200, 400};
    const int16_t zoom = h.Int16(70);
    ide.SetScale(zoom >= 0 && zoom <= 5 ? kZoom[zoom] : 100);
}

float Inches(double twips) {
    return float(twips / 1440.0);
}

void ReadLayout(const TLegacyBlock& b, TLabelProperties& layout) {
    layout.PageWidth = Inches(b.Int32(0));
    layout.PageHeight = Inches(b.Int32(4));
    const int32_t left = b.Int32(9), top = b.Int32(17);
    if (b.Byte(25) != 0) {
        layout.LeftMargin = Inches(left);
        layout.TopMargin = Inches(top);
    } else {
        layout.LeftMargin = left < 1 ? 0.0f : Inches(left + b.Int32(34) / 2.0);
        layout.TopMargin = top < 1 ? 0.0f : Inches(top + b.Int32(38) / 2.0);
    }
    layout.Width = Inches(b.Int32(26));
    layout.Height = Inches(b.Int32(30));
    layout.LabelShape = b.Byte(42) == 1 ? lsRectangle : lsRoundRect;
    layout.Columns = b.Int32(43);
    layout.Rows = b.Int32(47);
    layout.Product = b.Text(77, 9);
    layout.HorizontalPitch = Inches(double(b.Int32(26)) + b.Int32(59));
    layout.VerticalPitch = Inches(double(b.Int32(30)) + b.Int32(63));
    layout.EllipseWidth = 0.25f;
    layout.EllipseHeight = 0.25f;
}

void ConnectMergeFile(TLegacyImportContext& c, int16_t type) {
    const QString& path = c.MergePath;
    const QFileInfo info(path);
    c.MergeDataset = path;
    if (!info.isFile()) {
        Warn(QStringLiteral("The merge file originally used with this label (%1) is missing!  "
                            "Merged fields must be re-linked.")
                 .arg(path));
        return;
    }
    const QString sql = QStringLiteral("SELECT * FROM [%1]");
    switch (type) {
    case 0: {
        const QString base = info.completeBaseName();
        c.MergeDataset = base;
        QString database = path;
        try {
            ConvertDBaseToAccess(database);
        } catch (const EZpError& e) {
            // The label still opens; its merge fields stay without data.
            Warn(e.Message());
            return;
        }
        c.Connections.AddConnection(
            base, QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(database));
        c.Connections.AddDataset(base, base, sql.arg(base));
        break;
    }
    case 1:
    case 2: {
        const QString folder = info.absolutePath() + QLatin1Char('/');
        const QString connection =
            type == 1
                ? QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;"
                                 "Extended Properties=\"Text;HDR=NO;\"")
                : QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=Text");
        c.Connections.AddConnection(path, connection.arg(folder));
        c.Connections.AddDataset(path, path, sql.arg(info.fileName()));
        break;
    }
    case 3:
        Warn(QStringLiteral("This label cannot be completely converted; DIF files are no longer supported."));
        return;
    default:
        return;
    }
    // Each connection or dataset that fails to open is reported by Open itself.
    c.Connections.Open();
}

// Selects the printer the label was made for (the first whose name begins
// with the stored one) and adds its unprintable edge to relative margins.
void SelectPrinter(const QString& name, bool absoluteMargins, TLabelProperties& layout) {
    TZpPrinter& printer = ZpPrinter();
    if (printer.Printers().isEmpty())
        return;
    printer.SetPrinterIndex(-1);
    if (name.isEmpty())
        return;
    const QStringList printers = printer.Printers();
    for (int i = 0; i < printers.size(); ++i) {
        if (!printers.at(i).startsWith(name))
            continue;
        printer.SetPrinterIndex(i);
        if (!absoluteMargins) {
            const TPoint offset = printer.PhysicalOffset();
            const TPoint dpi = printer.DotsPerInch();
            if (dpi.X > 0)
                layout.LeftMargin += float(double(offset.X) / dpi.X);
            if (dpi.Y > 0)
                layout.TopMargin += float(double(offset.Y) / dpi.Y);
        }
        return;
    }
}

} // namespace

void ImportLegacyLabel(QIODevice& device, TZpObjectList& objects, TZpIDEProperties& ide, bool openConnections,
                       TLabelProperties& layout, TZpLabelFileSettings& settings) {
    ide.SetDPIExact(1440);
    ide.Reset();
    ide.SetScale(100);
    objects.clear();
    // The connections of the label open before belong to that label.
    ide.Connections().Clear();
    TLegacyReader r(device.readAll());
    TLegacyImportContext c{r, objects, ide.Connections(), QString(), QString(), 0, false, false, {}, -1};

    const TLegacyBlock header = r.Block(89, "header");
    const uint8_t endCode = header.Byte(40);
    ReadHeader(header, ide);
    r.Skip(16 + 54 + 32 + 253 + 32 + 329 + 32 + 372 + 127 + 32, "settings");
    const TLegacyBlock layoutBlock = r.Block(95, "layout block");
    ReadLayout(layoutBlock, layout);
    r.Skip(24 + 64, "layout block");

    const int16_t guides = r.Int16("guide list");
    if (guides > 0 && qsizetype(guides) * 8 > r.Remaining())
        r.Skip(guides * 8, "guide list");
    for (int i = 0; i < guides; ++i) {
        const TLegacyBlock g = r.Block(8, "guide list");
        if (g.Int32(0) != 0)
            ide.FGuidesX.append(g.Int32(0));
        if (g.Int32(4) != 0)
            ide.FGuidesY.append(g.Int32(4));
    }
    r.Skip(4, "guide list");

    if (r.Byte("merge flag") != 0) {
        const TLegacyBlock merge = r.Block(135, "merge block");
        r.Skip(32, "merge block");
        c.MergePath = merge.Text(0, 132);
        if (openConnections)
            ConnectMergeFile(c, merge.Int16(132));
    }

    const TLegacyBlock printerBlock = r.Block(154, "printer block");
    r.Skip(12, "printer block");
    c.PrinterDpi = printerBlock.Int16(150);
    settings.SelectPrinter = [name = printerBlock.Text(0, 50), absolute = layoutBlock.Byte(25) != 0](
                                 TZpIDEProperties&, TLabelProperties& layout) {
        SelectPrinter(name, absolute, layout);
    };
    r.Skip(2 + 2 + 4 + 4, "printer block");

    while (!r.AtEnd()) {
        const uint8_t type = r.Peek();
        if (type == 0 || type == endCode)
            break;
        ConvertLegacyRecord(c);
    }

    for (const TZpObjectPtr& obj : objects) {
        auto* data = Supports<IZpData>(obj);
        if (!data)
            continue;
        data->SetConnections(&ide.Connections());
        if (data->GetKind() == dkLink)
            data->SetLinkName(c.NameAt(LegacyStrToInt(data->GetLinkName())));
        UpdateLegacyData(*data);
    }
    if (openConnections) {
        if (c.TextSeen)
            Warn(QStringLiteral(
                "Due to changes in the text control from Windows 3.1 to Win32, some text objects "
                "may need to be adjusted slightly."));
        if (c.SlideSeen)
            Warn(QStringLiteral("This label uses the 2.x \"slide\" feature, which is no longer supported.  "
                                "Instead, concatenate multiple data fields to a single text object."));
    }
}

void InstallLegacyImporter() {
    SetLegacyImporter([](QIODevice& device, TZpObjectList& objects, TZpIDEProperties& ide,
                         TLabelProperties& layout, bool openConnections, TZpLabelFileSettings& settings) {
        ImportLegacyLabel(device, objects, ide, openConnections, layout, settings);
    });
}

} // namespace zp
