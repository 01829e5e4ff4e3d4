// SPDX-License-Identifier: MIT
// The "Picture" page: the image, how it is drawn, and where a data-aware
// picture takes its file names from.
#include "base/Errors.h"
#include "data/DataConnections.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/PropertyPages.h"
#include "model/data/ZpData.h"
#include "platform/dialogs/DialogServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zp {

namespace {

class TPicturePage : public TZpPropertyPage {
public:
    explicit TPicturePage(TZpSheetContext& context) : TZpPropertyPage(context, QStringLiteral("Picture")) {
        auto* column = new QVBoxLayout(this);
        auto* buttons = new QHBoxLayout;
        FSelect = Button(buttons, QStringLiteral("Select &Image..."));
        QPushButton* flipV = Button(buttons, QStringLiteral("Flip &Vertical"));
        QPushButton* flipH = Button(buttons, QStringLiteral("Flip &Horizontal"));
        buttons->addStretch();
        column->addLayout(buttons);
        auto* grid = new QGridLayout;
        column->addLayout(grid);
        FStretch = AddCheck(*grid, QStringLiteral("&Stretch image to fit area"));
        FAlternate = AddCheck(
            *grid, QStringLiteral("&Use alternate display/print method (recommended for large images)"));
        FFromDatabase = AddCheck(*grid, QStringLiteral("&Picture filenames are stored in a database field"));
        FDataset = new QComboBox(this);
        FDatasetLabel = AddRow(*grid, QStringLiteral("Da&taset"), FDataset);
        FField = new QComboBox(this);
        FFieldLabel = AddRow(*grid, QStringLiteral("&Field"), FField);
        column->addStretch();

        connect(FSelect, &QPushButton::clicked, this, [this] { SelectImage(); });
        connect(flipV, &QPushButton::clicked, this, [this] { Flip(true); });
        connect(flipH, &QPushButton::clicked, this, [this] { Flip(false); });
        connect(FStretch, &QCheckBox::clicked, this, [this](bool on) {
            if (auto* g = Graphic(); g && Loaded()) {
                g->SetStretch(on);
                Changed();
            }
        });
        connect(FAlternate, &QCheckBox::clicked, this, [this](bool on) {
            if (auto* g = Graphic(); g && Loaded())
                g->SetAlternatePrint(on);
        });
        connect(FFromDatabase, &QCheckBox::clicked, this, [this] { WriteSource(); });
        connect(FDataset, &QComboBox::activated, this, [this] {
            FillFields();
            FField->setCurrentIndex(FField->count() > 0 ? 0 : -1);
            WriteSource();
        });
        connect(FField, &QComboBox::activated, this, [this] { WriteSource(); });
    }

    void Load() override {
        IZpGraphic* g = Graphic();
        IZpData* d = Data();
        if (!g)
            return;
        FStretch->setChecked(g->GetStretch());
        FAlternate->setChecked(g->GetAlternatePrint());
        FFromDatabase->setChecked(d && d->GetKind() == dkDatabaseField);
        FDataset->clear();
        if (TZpDataConnections* c = Connections())
            for (int i = 0; i < c->DatasetCount(); ++i)
                FDataset->addItem(c->DatasetName(i));
        FDataset->setCurrentIndex(-1);
        const TZpFieldDef* entry = d ? d->GetField(0) : nullptr;
        if (entry && FDataset->findText(entry->Dataset) >= 0) {
            FDataset->setCurrentIndex(FDataset->findText(entry->Dataset));
            FillFields();
            FField->setCurrentIndex(FField->findText(entry->Field));
        }
        UpdateEnabled();
    }

private:
    QPushButton* Button(QHBoxLayout* row, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        NameFor(b, caption);
        row->addWidget(b);
        return b;
    }
    [[nodiscard]] IZpGraphic* Graphic() const { return Supports<IZpGraphic>(FContext.Copy); }
    [[nodiscard]] IZpData* Data() const { return Supports<IZpData>(FContext.Copy); }
    [[nodiscard]] TZpDataConnections* Connections() const {
        IZpData* d = Data();
        return d ? d->GetConnections() : nullptr;
    }

    void FillFields() {
        FField->clear();
        if (TZpDataConnections* c = Connections(); c && FDataset->currentIndex() >= 0)
            FField->addItems(c->FieldNames(FDataset->currentText()));
    }

    void UpdateEnabled() {
        const bool db = FFromDatabase->isChecked();
        for (QWidget* w : std::initializer_list<QWidget*>{FDataset, FDatasetLabel, FField, FFieldLabel})
            w->setEnabled(db);
        FSelect->setEnabled(!db);
    }

    // A file that does not load leaves the copy's image as it was; the
    // dialog says why and stays open.
    void SelectImage() {
        auto* edit = Supports<IZpEdit>(FContext.Copy);
        if (!edit || !Loaded())
            return;
        try {
            edit->BeginEdit(this, FContext.Copy->GetBounds());
        } catch (const EZpAbort&) {
            return;
        } catch (const EZpError& e) {
            ShowMessage(TZpMsgKind::Error, e.Message());
        }
        Changed();
    }

    void Flip(bool vertical) {
        if (auto* g = Graphic(); g && Loaded()) {
            g->Flip(vertical);
            Changed();
        }
    }

    // File names from a database: kind Database Field with exactly one
    // entry naming the dataset and field; unchecked, the kind is static
    // again and the entry stays for later.
    void WriteSource() {
        UpdateEnabled();
        IZpData* d = Data();
        if (!d || !Loaded())
            return;
        if (!FFromDatabase->isChecked()) {
            d->SetKind(dkStaticText);
            Changed();
            return;
        }
        d->SetKind(dkDatabaseField);
        while (d->GetFieldCount() > 1)
            d->DeleteField(d->GetFieldCount() - 1);
        if (d->GetFieldCount() == 0)
            d->AddField(std::make_unique<TZpFieldDef>());
        TZpFieldDef* entry = d->GetField(0);
        entry->Dataset = FDataset->currentText();
        entry->Field = FField->currentText();
        if (TZpDataConnections* c = Connections()) {
            const int index = c->IndexOfDataset(entry->Dataset);
            if (index >= 0)
                entry->Connection = c->DatasetConnectionName(index);
        }
        Changed();
    }

    QPushButton* FSelect;
    QCheckBox* FStretch;
    QCheckBox* FAlternate;
    QCheckBox* FFromDatabase;
    QComboBox* FDataset;
    QLabel* FDatasetLabel;
    QComboBox* FField;
    QLabel* FFieldLabel;
};

} // namespace

TZpPropertyPage* MakePicturePage(TZpSheetContext& context) {
    return new TPicturePage(context);
}

} // namespace zp
