// SPDX-License-Identifier: MIT
#include "model/stock/dialogs/NewLabelDialog.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "data/WaitCursor.h"
#include "files/LabelFile.h"
#include "model/stock/StockFolders.h"
#include "platform/dialogs/DialogServices.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

namespace zp {

TfrmDialogNewLabel::TfrmDialogNewLabel(TZpLabelDocument& document, QWidget* parent)
    : QDialog(parent), FDocument(document) {
    setObjectName(QStringLiteral("frmDialogNewLabel"));
    setWindowTitle(QStringLiteral("New Label"));
    setProperty("HelpContext", 223);
    rbBlank = new QRadioButton(QStringLiteral("&Create a new blank label"), this);
    rbTemplate = new QRadioButton(QStringLiteral("Create a label from a &template:"), this);
    lstTemplates = new QListWidget(this);
    memDescription = new QPlainTextEdit(this);
    memDescription->setReadOnly(true);
    imgPreview = new QLabel(this);
    imgPreview->setMinimumSize(200, 150);
    imgPreview->setAlignment(Qt::AlignCenter);
    imgPreview->setFrameShape(QFrame::StyledPanel);
    lstTemplates->addItems(TemplateNames());
    rbBlank->setChecked(true);
    rbTemplate->setEnabled(lstTemplates->count() > 0);
    lstTemplates->setEnabled(false);
    if (lstTemplates->count() > 0)
        lstTemplates->setCurrentRow(0);

    connect(rbTemplate, &QRadioButton::toggled, this, [this](bool on) {
        lstTemplates->setEnabled(on);
        ShowTemplate();
    });
    connect(lstTemplates, &QListWidget::currentRowChanged, this, &TfrmDialogNewLabel::ShowTemplate);
    connect(lstTemplates, &QListWidget::itemDoubleClicked, this, &TfrmDialogNewLabel::accept);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(memDescription);
    right->addWidget(imgPreview, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(rbBlank);
    left->addWidget(rbTemplate);
    left->addWidget(lstTemplates);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

TfrmDialogNewLabel::~TfrmDialogNewLabel() = default;

void TfrmDialogNewLabel::ShowTemplate() {
    FTemplate.reset();
    imgPreview->clear();
    memDescription->clear();
    if (!rbTemplate->isChecked() || !lstTemplates->currentItem())
        return;
    const QString path = TemplateFile(lstTemplates->currentItem()->text());
    auto preview = std::make_unique<TZpLabelDocument>();
    try {
        TZpWaitCursor wait;
        LoadLabelForPreview(path, preview->Objects(), preview->Environment(), preview->Layout());
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
        return;
    }
    memDescription->setPlainText(preview->Environment().Description);
    const double screenDpi =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->logicalDotsPerInch() : 96;
    const QSize size(std::max(1, int(std::lround(screenDpi * preview->Layout().Width))),
                     std::max(1, int(std::lround(screenDpi * preview->Layout().Height))));
    QImage picture(size.boundedTo(QSize(4000, 4000)), QImage::Format_ARGB32_Premultiplied);
    picture.setDotsPerMeterX(int(std::lround(screenDpi / 0.0254)));
    picture.setDotsPerMeterY(int(std::lround(screenDpi / 0.0254)));
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        DrawLabelThumbnail(preview->Objects(), preview->Environment(), preview->Layout(), painter);
    }
    QPixmap pixmap = QPixmap::fromImage(picture);
    const QSize box = imgPreview->size();
    if (pixmap.width() > box.width() || pixmap.height() > box.height())
        pixmap = pixmap.width() > pixmap.height()
                     ? pixmap.scaledToWidth(box.width(), Qt::SmoothTransformation)
                     : pixmap.scaledToHeight(box.height(), Qt::SmoothTransformation);
    imgPreview->setPixmap(pixmap);
    FTemplate = std::move(preview);
}

void TfrmDialogNewLabel::accept() {
    if (rbBlank->isChecked()) {
        FDocument.Clear();
        QDialog::accept();
        return;
    }
    if (!lstTemplates->currentItem())
        return;
    try {
        TZpWaitCursor wait;
        LoadLabelDocument(FDocument, TemplateFile(lstTemplates->currentItem()->text()), true);
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
        return;
    }
    // A label started from a template is new and untitled.
    FDocument.SetFileName(QString());
    FDocument.SetModified(false);
    QDialog::accept();
}

} // namespace zp
