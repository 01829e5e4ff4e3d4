// SPDX-License-Identifier: MIT
#pragma once

#include "base/LabelDpi.h"
#include "data/DataConnections.h"
#include "model/data/ZpData.h"
#include "model/document/LabelDocument.h"
#include "model/objects/ZpObject.h"
#include "model/script/ZpScript.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/printing/Printer.h"
#include "print/PrintInfo.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp::test {

/// What a probe saw when it was drawn: its data and where the painter put it.
struct TDrawn {
    QString Text;
    int Serial = 0;
    QPointF Origin; ///< the label corner in device pixels
};

/// A label object with a data source and a script (disabled) that records
/// each drawing and paints its bounds black.
class TProbeObject : public TZpObject, public IZpPaint, public IZpDataCallback {
public:
    explicit TProbeObject(std::vector<TDrawn>& log) : FLog(log) {}
    void* QueryInterface(const std::type_info& iid) override {
        if (iid == typeid(IZpPaint))
            return static_cast<IZpPaint*>(this);
        if (iid == typeid(IZpData))
            return static_cast<IZpData*>(&Data);
        if (iid == typeid(IZpDataCallback))
            return static_cast<IZpDataCallback*>(this);
        if (iid == typeid(IZpScript))
            return static_cast<IZpScript*>(&Script);
        return TZpObject::QueryInterface(iid);
    }
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TProbeObject"); }
    void Draw(QPainter& canvas) override {
        FLog.push_back({Data.GetText(), Data.GetSerialValue(), canvas.worldTransform().map(QPointF(0, 0))});
        canvas.fillRect(
            QRectF(FBounds.Left, FBounds.Top, FBounds.Right - FBounds.Left, FBounds.Bottom - FBounds.Top),
            Qt::black);
        if (OnDraw)
            OnDraw();
    }
    void DataChanged() override { ++Changes; }

    TZpData Data{this};
    TZpScript Script{this};
    int Changes = 0;
    std::function<void()> OnDraw;

private:
    std::vector<TDrawn>& FLog;
};

/// A 2 x 5 sheet on US Letter at 100 label pixels per inch, one probe on the
/// label, the built-in PDF device writing into a temporary folder, scripted
/// dialogs, and an optional CSV dataset "People" with the fields Name and
/// Copies.
class RunFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TLabelProperties& l = Doc.Layout();
        SetLetterSheet(l, {2, 5, 0.5f, 0.5f, 3.5f, 2.0f, 4.0f, 2.0f});
        l.LabelShape = lsRectangle;
        Probe = std::make_shared<TProbeObject>(Drawn);
        Probe->SetBoundsExact({10, 10, 60, 40});
        Doc.Add(Probe);
        Info.StartLabel = 1;
        Info.Copies = 1;
        Info.TotalLabels = 1;
        Info.ToPage = std::numeric_limits<int32_t>::max();
        TZpPrinter& printer = ZpPrinter();
        printer.SetBackend(nullptr);
        printer.SetPrinterIndex(printer.IndexOfPrinter(QStringLiteral("PDF")));
        printer.SetOutputFileName(OutputFile());
    }
    void TearDown() override {
        ZpPrinter().SetOutputFileName(QString());
        ZpPrinter().SetBackend(nullptr);
    }

    [[nodiscard]] QString OutputFile() const { return Dir.filePath(QStringLiteral("out.pdf")); }
    TZpDataConnections& Data() { return Doc.Environment().Connections(); }

    /// The dataset "People": one record per name, with its copies text.
    void UseRecords(const QStringList& names, const QStringList& copies = {}) {
        QFile csv(Dir.filePath(QStringLiteral("people.csv")));
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write("Name,Copies\n");
        for (int i = 0; i < names.size(); ++i)
            csv.write(QStringLiteral("%1,%2\n").arg(names[i], copies.value(i)).toUtf8());
        csv.close();
        Data().AddConnection(QStringLiteral("Csv"),
                             QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;"
                                            "Extended Properties=\"Text;HDR=YES\"")
                                 .arg(Dir.path()));
        Data().AddDataset(QStringLiteral("Csv"), QStringLiteral("People"),
                          QStringLiteral("SELECT * FROM [people#csv]"));
        Data().Open();
        ASSERT_EQ(Data().RecordCount(), names.size());
    }
    /// The probe shows the field Name of People.
    void BindName() {
        Probe->Data.SetKind(dkDatabaseField);
        auto field = std::make_unique<TZpFieldDef>();
        field->Dataset = QStringLiteral("People");
        field->Field = QStringLiteral("Name");
        Probe->Data.AddField(std::move(field));
        Probe->Data.SetConnections(&Data());
    }
    /// The probe shows a serial number.
    void UseSerial(int start, int step = 1) {
        Probe->Data.SetKind(dkSerialNumber);
        Probe->Data.SetSerialStart(start);
        Probe->Data.SetSerialValue(start);
        Probe->Data.SetSerialIncrement(step);
    }

    [[nodiscard]] QStringList Texts() const {
        QStringList t;
        for (const TDrawn& d : Drawn)
            t << d.Text;
        return t;
    }
    [[nodiscard]] std::vector<int> Serials() const {
        std::vector<int> s;
        for (const TDrawn& d : Drawn)
            s.push_back(d.Serial);
        return s;
    }

    QTemporaryDir Dir;
    TZpScriptedDialogsGuard Dialogs;
    TZpLabelDocument Doc;
    TZpPrintInfo Info;
    std::vector<TDrawn> Drawn;
    std::shared_ptr<TProbeObject> Probe;
    TLabelDpiGuard FDpi{100};
};

} // namespace zp::test
