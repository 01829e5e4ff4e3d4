// SPDX-License-Identifier: MIT
// The print command every caller shares: the whole page range, the checks,
// the run, and the label saved with its new serial start values.
#include "print/PrintCommands.h"

#include "PdfInfo.h"
#include "RunFixture.h"
#include "base/Errors.h"
#include "files/LabelFile.h"
#include "model/objects/TextObject.h"

namespace zp::test {
namespace {

class PrintCommand : public RunFixture {
protected:
    void SetUp() override {
        RunFixture::SetUp();
        Label.Layout() = Doc.Layout();
        Serial = std::make_shared<TZpTextObject>();
        Serial->SetBoundsExact({10, 10, 200, 60});
        Serial->Data().SetKind(dkSerialNumber);
        Serial->Data().SetSerialStart(100);
        Serial->Data().SetSerialValue(100);
        Serial->Data().SetSerialIncrement(1);
        Label.Add(Serial);
        SaveLabelDocument(Label, LabelFile());
        Saved = FileBytes();
        Info.TotalLabels = 3;
        Info.FromPage = 5; // left over from a preview's print: the command prints everything
        Info.ToPage = 5;
    }
    [[nodiscard]] QString LabelFile() const { return Dir.filePath(QStringLiteral("serials.zp3")); }
    [[nodiscard]] QByteArray FileBytes() const {
        QFile file(LabelFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    [[nodiscard]] int StoredSerialStart() const {
        TZpLabelDocument loaded;
        LoadLabelDocument(loaded, LabelFile(), false);
        return Supports<IZpData>(loaded.Objects().front())->GetSerialStart();
    }
    bool Print() { return PrintDocument(Label, Info, QStringLiteral("Serials"), Selection); }

    TZpLabelDocument Label;
    std::shared_ptr<TZpTextObject> Serial;
    QByteArray Saved;
    TZpObjectList Selection;
};

TEST_F(PrintCommand, PrintsTheWholeRunAndSavesTheNextSerialStart) {
    Info.UpdateSerials = true;
    EXPECT_TRUE(Print());
    EXPECT_EQ(Info.FromPage, 0);
    EXPECT_EQ(Info.ToPage, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ReadPdfInfo(OutputFile()).Pages, 1);
    EXPECT_EQ(StoredSerialStart(), 103);
    EXPECT_FALSE(Label.Modified());
}

TEST_F(PrintCommand, LeavesTheLabelFileAloneUnlessAskedOrWhenStopped) {
    EXPECT_TRUE(Print()); // without UpdateSerials
    EXPECT_EQ(FileBytes(), Saved);

    // A check answered No: nothing printed, the object selected.
    QFile::remove(OutputFile());
    Info.UpdateSerials = true;
    Serial->SetBoundsExact({10, 10, 400, 60}); // wider than the label
    Dialogs->Queue(TZpAnswer::No);
    EXPECT_FALSE(Print());
    EXPECT_EQ(Selection, TZpObjectList{Serial});
    EXPECT_FALSE(QFile::exists(OutputFile()));
    EXPECT_EQ(FileBytes(), Saved);

    // Cancelled from the progress window at the second label.
    Dialogs->Clear();
    Dialogs->Queue(TZpAnswer::Yes); // print anyway
    Dialogs->PressAbortAt(2);
    Dialogs->Queue(TZpAnswer::Yes); // yes, cancel the job
    EXPECT_THROW((void)Print(), EZpAbort);
    EXPECT_FALSE(QFile::exists(OutputFile()));
    EXPECT_EQ(FileBytes(), Saved);
}

} // namespace
} // namespace zp::test
