// SPDX-License-Identifier: MIT
#include "model/stock/dialogs/SaveAsTemplateDialog.h"

#include "base/Errors.h"
#include "files/LabelFile.h"
#include "model/stock/StockFolders.h"
#include "platform/dialogs/DialogServices.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zp {

TfrmDialogSaveAsTemplate::TfrmDialogSaveAsTemplate(TZpLabelDocument& document, QWidget* parent)
    : QDialog(parent), FDocument(document) {
    setObjectName(QStringLiteral("frmDialogSaveAsTemplate"));
    setWindowTitle(QStringLiteral("Save as Template"));
    setProperty("HelpContext", 69);
    edtTemplateName = new QLineEdit(this);
    memDescription = new QPlainTextEdit(this);
    memDescription->setPlainText(document.Environment().Description);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Template name:"), edtTemplateName);
    form->addRow(QStringLiteral("&Description:"), memDescription);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TfrmDialogSaveAsTemplate::accept() {
    const QString name = edtTemplateName->text();
    if (name.isEmpty()) {
        ShowMessage(TZpMsgKind::Information, QStringLiteral("Please enter a template name."));
        return;
    }
    // The name becomes a file name in the templates folder and must stay there.
    if (name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String("..")) {
        ShowMessage(TZpMsgKind::Information, QStringLiteral("A template name cannot contain \"/\"."));
        return;
    }
    const QString path = UserTemplateFile(name);
    if (QFileInfo::exists(path) &&
        !Confirm(QStringLiteral("The specified template already exists.  Do you want to overwrite it?"),
                 false))
        return;
    FDocument.Environment().Description = memDescription->toPlainText();
    try {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            throw EZpFileError(QStringLiteral("Cannot create the folder"));
        SaveLabelFile(path, FDocument.Objects(), FDocument.Environment(), FDocument.Layout());
    } catch (const EZpError&) {
        ZpDialogs().MessageBox(TZpMsgKind::Error,
                               QStringLiteral("An error occured saving file \"%1\"!").arg(path),
                               TZpButtons::Ok, TZpAnswer::Ok);
    }
    QDialog::accept();
}

} // namespace zp
