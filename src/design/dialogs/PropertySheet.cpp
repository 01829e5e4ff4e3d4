// SPDX-License-Identifier: MIT
#include "design/dialogs/PropertySheet.h"

#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/ObjectPreview.h"
#include "model/data/ZpData.h"
#include "model/script/ZpScript.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/dialogs/widgets/WidgetDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zp {

TZpPropertyPage::TZpPropertyPage(TZpSheetContext& context, const QString& title, QWidget* parent)
    : QWidget(parent), FContext(context), FTitle(title) {
    setObjectName(title);
}

void TZpPropertyPage::Changed() {
    if (FContext.Loaded && FContext.Repaint)
        FContext.Repaint();
}

TfrmBasePropertySheet::TfrmBasePropertySheet(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    FPages = new QTabWidget(this);
    column->addWidget(FPages);
    FStatus = new QLabel(this);
    FStatus->setStyleSheet(QStringLiteral("color: darkred;"));
    FStatus->setAccessibleName(QStringLiteral("Input problem"));
    FStatus->setWordWrap(true);
    column->addWidget(FStatus);
    auto* buttons = new QDialogButtonBox(this);
    FOk = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    FCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    FOk->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

TfrmPropertyObject::TfrmPropertyObject(QWidget* parent) : TfrmBasePropertySheet(parent) {
    setWindowTitle(QStringLiteral("Object Properties"));
    FPreview = new TZpObjectPreview(this);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, FPreview);
    FContext.Repaint = [this] { FPreview->update(); };
    connect(FPages, &QTabWidget::currentChanged, this, &TfrmPropertyObject::PageChanged);
}

TfrmPropertyObject::~TfrmPropertyObject() {
    // The pages refer to the context; they go before it does.
    delete FPages;
    FPages = nullptr;
}

TZpPropertyPage* TfrmPropertyObject::Page(const QString& title) const {
    for (TZpPropertyPage* p : FShown)
        if (p->Title() == title)
            return p;
    return nullptr;
}

void TfrmPropertyObject::LoadFromObjects(TZpObject& subject) {
    FContext.Subject = &subject;
    FContext.Copy = subject.Clone();
    const TZpObjectPtr& copy = FContext.Copy;
    // The copy reads fields, datasets and link targets through the label's
    // connections.
    if (auto* data = Supports<IZpData>(copy))
        if (auto* subjectData = Supports<IZpData>(subject))
            data->SetConnections(subjectData->GetConnections());
    FPreview->SetObject(copy);

    const bool picture = Supports<IZpGraphic>(copy) != nullptr;
    std::vector<TZpPropertyPage*> pages{MakePropertiesPage(FContext)};
    if (picture)
        pages.push_back(MakePicturePage(FContext));
    if (Supports<IZpFont>(copy))
        pages.push_back(MakeFontPage(FContext));
    if (Supports<IZpBarcode>(copy))
        pages.push_back(MakeBarcodePage(FContext));
    // A picture's data source is set on its own page.
    if (Supports<IZpData>(copy) && !picture)
        pages.push_back(MakeDataPage(FContext));
    if (Supports<IZpScript>(copy))
        pages.push_back(MakeScriptPage(FContext));
    for (TZpPropertyPage* page : pages) {
        page->Load();
        FPages->addTab(page, page->Title());
        FShown.push_back(page);
    }
    for (TZpNumberField* field : findChildren<TZpNumberField*>())
        connect(field, &TZpNumberField::ValidityChanged, this, &TfrmPropertyObject::ShowProblems);
    FContext.Loaded = true;
    // The copy takes what the bar code page shows, as it does on every change.
    if (TZpPropertyPage* barcode = Page(QStringLiteral("Bar Code")))
        StoreBarcodePageOnce(barcode);
    FCurrent = FPages->currentIndex();
    FPreview->update();
}

void TfrmPropertyObject::PageChanged(int index) {
    if (FCurrent >= 0 && FCurrent < int(FShown.size()))
        FShown[FCurrent]->Left();
    FCurrent = index;
    const bool scripting =
        index >= 0 && index < int(FShown.size()) && FShown[index]->Title() == QStringLiteral("Scripting");
    FPreview->SetObjectHidden(scripting);
    if (index >= 0 && index < int(FShown.size()))
        FShown[index]->Shown();
}

void TfrmPropertyObject::ShowProblems() {
    QString problem;
    for (TZpNumberField* field : findChildren<TZpNumberField*>())
        if (!field->IsValid()) {
            problem = field->Problem();
            break;
        }
    FStatus->setText(problem);
}

void TfrmPropertyObject::accept() {
    if (!FContext.Subject)
        return;
    // Refused input first: its page comes forward with the field focused.
    for (TZpNumberField* field : findChildren<TZpNumberField*>()) {
        if (field->IsValid())
            continue;
        for (TZpPropertyPage* page : FShown)
            if (page->isAncestorOf(field))
                FPages->setCurrentWidget(page);
        ShowMessage(TZpMsgKind::Information, field->Problem());
        field->setFocus();
        return;
    }
    // The script, then the bar code data, as the copy now stands.
    for (const QString& title : {QStringLiteral("Scripting"), QStringLiteral("Bar Code")})
        if (TZpPropertyPage* page = Page(title); page && !page->Check())
            return;
    FContext.Copy->AssignTo(*FContext.Subject);
    QDialog::accept();
}

bool RunPropertySheet(TZpObject& subject, QWidget* parent) {
    TfrmPropertyObject dialog(parent);
    dialog.LoadFromObjects(subject);
    return dialog.exec() == QDialog::Accepted;
}

void InstallPropertyDialogs() {
    TZpWidgetDialogs::SetObjectPropertiesEditor(
        [](TZpObject& subject) { return RunPropertySheet(subject, QApplication::activeWindow()); });
}

} // namespace zp
