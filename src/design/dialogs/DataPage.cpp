// SPDX-License-Identifier: MIT
// The "Data" page: where a text or bar code object's text comes from.
#include "design/dialogs/DataPage.h"

#include "data/DataConnections.h"
#include "data/dialogs/SelectFieldDialog.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/PropertyPages.h"
#include "model/data/DateFormat.h"
#include "model/data/ZpData.h"
#include "model/objects/TextObject.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <limits>

namespace zp {

std::function<bool(TZpDataConnections*, TZpFieldDef&, QWidget*)> TZpDataPageHooks::ChooseField = &SelectField;

namespace {

const QStringList kKinds = {QStringLiteral("Static Text"),   QStringLiteral("Database Field"),
                            QStringLiteral("Prompt"),        QStringLiteral("Date/Time Stamp"),
                            QStringLiteral("Serial Number"), QStringLiteral("Link")};
const QStringList kDateFormats = {QStringLiteral("mm/dd/yy"),          QStringLiteral("mm/dd/yy t"),
                                  QStringLiteral("mm/dd/yy hh:mm:ss"), QStringLiteral("mm/dd/yyyy"),
                                  QStringLiteral("mm/dd/yyyy t"),      QStringLiteral("mm/dd/yyyy hh:mm:ss"),
                                  QStringLiteral("mm-dd-yy"),          QStringLiteral("mm-dd-yy t"),
                                  QStringLiteral("mm-dd-yy hh:mm:ss"), QStringLiteral("mm-dd-yyyy"),
                                  QStringLiteral("mm-dd-yyyy t"),      QStringLiteral("mm-dd-yyyy hh:mm:ss"),
                                  QStringLiteral("mmmmm dd, yyyy"),    QStringLiteral("dddd, MMMM dd, yyyy"),
                                  QStringLiteral("MMMM dd, yyyy"),     QStringLiteral("dddd, dd MMMM, yyyy"),
                                  QStringLiteral("dd MMMM, yyyy"),     kJulianDateFormat};
const QStringList kDateUnits = {QStringLiteral("Days"),    QStringLiteral("Months"),
                                QStringLiteral("Years"),   QStringLiteral("Hours"),
                                QStringLiteral("Minutes"), QStringLiteral("Seconds")};
const QString kPromptText = QStringLiteral("PROMPT");

class TDataPage : public TZpPropertyPage {
public:
    explicit TDataPage(TZpSheetContext& context) : TZpPropertyPage(context, QStringLiteral("Data")) {
        auto* column = new QVBoxLayout(this);
        auto* top = new QGridLayout;
        column->addLayout(top);
        FName = new QLineEdit(this);
        AddRow(*top, QStringLiteral("Object &name"), FName);
        FKind = MakeList(this, kKinds);
        AddRow(*top, QStringLiteral("Data &source"), FKind);
        FPages = new QStackedWidget(this);
        column->addWidget(FPages, 1);

        // Static text
        FText = new QPlainTextEdit;
        FText->setAccessibleName(QStringLiteral("Static text"));
        FText->setTabChangesFocus(true);
        FPages->addWidget(FText);

        // Database fields
        auto* db = new QWidget;
        auto* dbColumn = new QVBoxLayout(db);
        FFields = new QTreeWidget;
        FFields->setRootIsDecorated(false);
        FFields->setHeaderLabels({QStringLiteral("Field"), QStringLiteral("Prefix"), QStringLiteral("Suffix"),
                                  QStringLiteral("CRLF")});
        FFields->setAccessibleName(QStringLiteral("Fields"));
        dbColumn->addWidget(FFields);
        auto* buttons = new QHBoxLayout;
        for (const QString& caption :
             {QStringLiteral("&Add"), QStringLiteral("&Remove"), QStringLiteral("&Setup")}) {
            auto* b = new QPushButton(caption);
            b->setAutoDefault(false);
            NameFor(b, caption);
            buttons->addWidget(b);
            FFieldButtons << b;
        }
        buttons->addStretch();
        dbColumn->addLayout(buttons);
        FPages->addWidget(db);

        // Prompt
        auto* prompt = new QWidget;
        auto* promptGrid = new QGridLayout(prompt);
        FPromptCaption = new QLineEdit;
        AddRow(*promptGrid, QStringLiteral("Prompt &caption"), FPromptCaption);
        promptGrid->setRowStretch(promptGrid->rowCount(), 1);
        FPages->addWidget(prompt);

        // Date/time stamp
        auto* date = new QWidget;
        auto* dateGrid = new QGridLayout(date);
        FDateFormat = new QComboBox;
        FDateFormat->setEditable(true);
        FDateFormat->addItems(kDateFormats);
        AddRow(*dateGrid, QStringLiteral("Date &format"), FDateFormat);
        FDateSample = new QLabel;
        FDateSample->setAccessibleName(QStringLiteral("Date sample"));
        dateGrid->addWidget(FDateSample, dateGrid->rowCount(), 1, 1, 2);
        FDateAdjust = new TZpNumberField(QStringLiteral("&Adjust by"), -999999, 999999, 0, QString(), date);
        AddRow(*dateGrid, QStringLiteral("&Adjust by"), FDateAdjust);
        FDateUnit = MakeList(date, kDateUnits);
        AddRow(*dateGrid, QStringLiteral("&Unit"), FDateUnit);
        dateGrid->setRowStretch(dateGrid->rowCount(), 1);
        FPages->addWidget(date);

        // Serial number
        auto* serial = new QWidget;
        auto* serialGrid = new QGridLayout(serial);
        FSerialPrefix = new QLineEdit;
        AddRow(*serialGrid, QStringLiteral("&Prefix"), FSerialPrefix);
        FSerialStart =
            new TZpNumberField(QStringLiteral("Current &value"), std::numeric_limits<int32_t>::min(),
                               std::numeric_limits<int32_t>::max(), 0, QString(), serial);
        AddRow(*serialGrid, QStringLiteral("Current &value"), FSerialStart);
        FSerialSuffix = new QLineEdit;
        AddRow(*serialGrid, QStringLiteral("S&uffix"), FSerialSuffix);
        FIncrement = new TZpNumberField(QStringLiteral("&Increment"), -999999, 999999, 0, QString(), serial);
        AddRow(*serialGrid, QStringLiteral("&Increment"), FIncrement);
        FRepeat = new TZpNumberField(QStringLiteral("&Repeat count"), 1, 999999, 0, QString(), serial);
        AddRow(*serialGrid, QStringLiteral("&Repeat count"), FRepeat);
        FPadWidth = new TZpNumberField(QStringLiteral("Pad &width"), 1, 999999, 0, QString(), serial);
        AddRow(*serialGrid, QStringLiteral("Pad &width"), FPadWidth);
        FPadChar = new QLineEdit;
        FPadChar->setMaxLength(2); // one character, which may take two UTF-16 units
        FPadChar->setMaximumWidth(40);
        AddRow(*serialGrid, QStringLiteral("Pad c&haracter"), FPadChar);
        serialGrid->setRowStretch(serialGrid->rowCount(), 1);
        FPages->addWidget(serial);

        // Link
        auto* link = new QWidget;
        auto* linkGrid = new QGridLayout(link);
        FLink = new QComboBox;
        AddRow(*linkGrid, QStringLiteral("&Link to object"), FLink);
        linkGrid->setRowStretch(linkGrid->rowCount(), 1);
        FPages->addWidget(link);

        connect(FKind, &QComboBox::activated, this, [this](int index) {
            FPages->setCurrentIndex(index);
            WriteBack();
        });
        connect(FName, &QLineEdit::textEdited, this, [this] { WriteBack(); });
        connect(FText, &QPlainTextEdit::textChanged, this, [this] { WriteBack(); });
        connect(FPromptCaption, &QLineEdit::textEdited, this, [this] { WriteBack(); });
        connect(FDateFormat, &QComboBox::currentTextChanged, this, [this] { WriteBack(); });
        connect(FDateUnit, &QComboBox::activated, this, [this] { WriteBack(); });
        for (QLineEdit* e : {FSerialPrefix, FSerialSuffix, FPadChar})
            connect(e, &QLineEdit::textEdited, this, [this] { WriteBack(); });
        for (TZpNumberField* f : {FDateAdjust, FSerialStart, FIncrement, FRepeat, FPadWidth})
            connect(f, &TZpNumberField::ValueEdited, this, [this] { WriteBack(); });
        connect(FLink, &QComboBox::activated, this, [this] { WriteBack(); });
        connect(FFieldButtons[0], &QPushButton::clicked, this, [this] { AddField(); });
        connect(FFieldButtons[1], &QPushButton::clicked, this, [this] { RemoveField(); });
        connect(FFieldButtons[2], &QPushButton::clicked, this, [this] { SetupField(); });
        connect(FFields, &QTreeWidget::itemDoubleClicked, this, [this] { SetupField(); });
    }

    void Load() override {
        IZpData* d = Data();
        if (!d)
            return;
        FLoading = true;
        FName->setText(d->GetName());
        const int kind = d->GetKind() < kKinds.size() ? d->GetKind() : 0;
        FKind->setCurrentIndex(kind);
        FPages->setCurrentIndex(kind);
        FText->setPlainText(d->GetText());
        ShowFields();
        FPromptCaption->setText(d->GetPromptCaption());
        FDateFormat->setEditText(d->GetDateFormat());
        FDateAdjust->SetValue(d->GetDateAdjust());
        FDateUnit->setCurrentIndex(d->GetDateAdjustUnit() < kDateUnits.size() ? d->GetDateAdjustUnit() : 0);
        FSerialPrefix->setText(d->GetSerialPrefix());
        FSerialStart->SetValue(d->GetSerialStart());
        FSerialSuffix->setText(d->GetSerialSuffix());
        FIncrement->SetValue(d->GetSerialIncrement());
        FRepeat->SetValue(d->GetRepeatCount());
        FPadWidth->SetValue(d->GetPadWidth());
        FPadChar->setText(d->GetPadChar());
        QStringList targets;
        if (TZpDataConnections* c = d->GetConnections())
            c->GetLinkNames(targets);
        FLink->clear();
        FLink->addItems(targets);
        if (!d->GetLinkName().isEmpty() && !targets.contains(d->GetLinkName()))
            FLink->addItem(d->GetLinkName());
        FLink->setCurrentIndex(FLink->findText(d->GetLinkName()));
        ShowDateSample();
        FLoading = false;
    }

private:
    [[nodiscard]] IZpData* Data() const { return Supports<IZpData>(FContext.Copy); }

    void ShowFields() {
        FFields->clear();
        IZpData* d = Data();
        for (int i = 0; d && i < d->GetFieldCount(); ++i) {
            const TZpFieldDef* f = d->GetField(i);
            new QTreeWidgetItem(FFields, {f->Field, f->Prefix, f->Suffix,
                                          f->AddLineBreak ? QStringLiteral("Yes") : QStringLiteral("No")});
        }
    }

    void ShowDateSample() {
        FDateSample->setText(FormatDateTime(FDateFormat->currentText(), QDateTime::currentDateTime()));
    }

    // Every change writes the whole page back, then produces the text anew.
    void WriteBack() {
        IZpData* d = Data();
        if (!d || !Loaded() || FLoading)
            return;
        const QString oldText = d->GetText();
        const uint8_t oldKind = d->GetKind();
        const uint8_t kind = uint8_t(FKind->currentIndex());
        d->SetName(FName->text());
        d->SetKind(kind);
        if (kind == dkStaticText)
            d->SetText(FText->toPlainText());
        else if (kind == dkPrompt)
            d->SetText(kPromptText);
        d->SetPromptCaption(FPromptCaption->text());
        d->SetDateFormat(FDateFormat->currentText());
        if (FDateAdjust->IsValid())
            d->SetDateAdjust(FDateAdjust->IntValue());
        d->SetDateAdjustUnit(uint8_t(FDateUnit->currentIndex()));
        d->SetSerialPrefix(FSerialPrefix->text());
        if (FSerialStart->IsValid())
            d->SetSerialStart(int32_t(FSerialStart->Value()));
        d->SetSerialSuffix(FSerialSuffix->text());
        if (FIncrement->IsValid())
            d->SetSerialIncrement(FIncrement->IntValue());
        if (FRepeat->IsValid())
            d->SetRepeatCount(FRepeat->IntValue());
        if (FPadWidth->IsValid())
            d->SetPadWidth(FPadWidth->IntValue());
        d->SetPadChar(FPadChar->text());
        d->SetLinkName(FLink->currentText());
        ShowDateSample();
        // The design shows the current serial number from the start value.
        if (kind == dkSerialNumber)
            d->ResetSerial();
        // Static text is not run through the script here: the script's result
        // would replace the typed text (and a failing script would leave
        // "SCRIPT ERROR" in its place). A prompt would ask now.
        if (kind != dkPrompt && kind != dkStaticText)
            d->Update();
        else if (auto* callback = Supports<IZpDataCallback>(FContext.Copy))
            callback->DataChanged();
        // Static text is not rebuilt by the object itself (its own formatting
        // survives), but text typed here has none yet.
        if (auto* text = dynamic_cast<TZpTextObject*>(FContext.Copy.get());
            text && kind == dkStaticText && (d->GetText() != oldText || oldKind != kind))
            text->Rebuild();
        Changed();
    }

    void AddField() {
        IZpData* d = Data();
        if (!d)
            return;
        TZpFieldDef entry;
        if (!TZpDataPageHooks::ChooseField(d->GetConnections(), entry, this))
            return;
        d->AddField(std::make_unique<TZpFieldDef>(entry));
        ShowFields();
        WriteBack();
    }

    void RemoveField() {
        IZpData* d = Data();
        const int index = FFields->indexOfTopLevelItem(FFields->currentItem());
        if (!d || index < 0)
            return;
        d->DeleteField(index);
        ShowFields();
        WriteBack();
    }

    void SetupField() {
        IZpData* d = Data();
        const int index = FFields->indexOfTopLevelItem(FFields->currentItem());
        if (!d || index < 0 || !d->GetField(index))
            return;
        TZpFieldDef entry = *d->GetField(index);
        if (!TZpDataPageHooks::ChooseField(d->GetConnections(), entry, this))
            return;
        *d->GetField(index) = entry;
        ShowFields();
        WriteBack();
    }

    QLineEdit* FName;
    QComboBox* FKind;
    QStackedWidget* FPages;
    QPlainTextEdit* FText;
    QTreeWidget* FFields;
    QList<QPushButton*> FFieldButtons;
    QLineEdit* FPromptCaption;
    QComboBox* FDateFormat;
    QLabel* FDateSample;
    TZpNumberField* FDateAdjust;
    QComboBox* FDateUnit;
    QLineEdit* FSerialPrefix;
    TZpNumberField* FSerialStart;
    QLineEdit* FSerialSuffix;
    TZpNumberField* FIncrement;
    TZpNumberField* FRepeat;
    TZpNumberField* FPadWidth;
    QLineEdit* FPadChar;
    QComboBox* FLink;
    bool FLoading = false;
};

} // namespace

TZpPropertyPage* MakeDataPage(TZpSheetContext& context) {
    return new TDataPage(context);
}

} // namespace zp
