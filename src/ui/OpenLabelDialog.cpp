// SPDX-License-Identifier: MIT
#include "ui/OpenLabelDialog.h"

#include "base/LabelDpi.h"
#include "files/LabelFile.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "model/layout/LabelRoutines.h"
#include "platform/printing/Printer.h"

#include <QDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

namespace zp {

const QString kOpenLabelFilter =
    QStringLiteral("Zentaprint Files (*.zp3 *.lbl *.tpl);;Zentaprint 3.0 Files (*.zp3);;Zentaprint 2.x Files "
                   "(*.lbl);;Zentaprint 2.x Templates (*.tpl)");

namespace {

int ScreenPpi() {
    return ScreenPixelsPerInch();
}

} // namespace

std::optional<TZpLabelPreview> MakeLabelPreview(const QString& fileName) {
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return std::nullopt;
    TZpObjectList objects;
    TZpIDEProperties ide;
    TLabelProperties layout;
    try {
        // Reading for a look changes nothing of the process.
        LoadLabelForPreview(fileName, objects, ide, layout);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const int ppi = ScreenPpi();
    const int w = std::max(1, int(std::lround(ppi * double(layout.Width))));
    const int h = std::max(1, int(std::lround(ppi * double(layout.Height))));
    if (w > 4000 || h > 4000)
        return std::nullopt; // a label that size is damage, not a label
    TZpLabelPreview preview;
    preview.Picture = QImage(w + 1, h + 1, QImage::Format_ARGB32_Premultiplied);
    preview.Picture.fill(Qt::transparent);
    {
        QPainter p(&preview.Picture);
        DrawLabelThumbnail(objects, ide, layout, p);
    }
    preview.Description = QString::asprintf("%.2f\" x %.2f\"", double(layout.Width), double(layout.Height));
    return preview;
}

TZpPreviewBox::TZpPreviewBox(QWidget* parent) : QWidget(parent) {
    setMinimumSize(180, 150);
    setAccessibleName(QStringLiteral("Label preview"));
}

void TZpPreviewBox::SetPicture(const QImage& picture) {
    FPicture = picture;
    setAccessibleDescription(picture.isNull() ? QStringLiteral("(None)") : QStringLiteral("label picture"));
    update();
}

void TZpPreviewBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (FPicture.isNull()) {
        p.setPen(palette().color(QPalette::Text));
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("(None)"));
        return;
    }
    const QRect inner = rect().adjusted(4, 4, -4, -4);
    QSize size = FPicture.size();
    if (size.width() > inner.width() || size.height() > inner.height())
        size.scale(inner.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), size);
    target.moveCenter(inner.center());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, FPicture);
}

TOpenLabelDialog::TOpenLabelDialog(QWidget* parent, const QString& directory)
    : QFileDialog(parent, QStringLiteral("Open"), directory, kOpenLabelFilter) {
    setObjectName(QStringLiteral("dlgOpenLabel"));
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    lblCaption = new QLabel(QStringLiteral("Picture:"), panel);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    pbPreview = new TZpPreviewBox(panel);
    btnPreview = new QPushButton(QStringLiteral("Preview"), panel);
    btnPreview->setAccessibleName(QStringLiteral("Preview"));
    btnPreview->setEnabled(false);
    column->addWidget(lblCaption);
    column->addWidget(pbPreview, 1);
    column->addWidget(btnPreview);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(panel, 0, grid->columnCount(), grid->rowCount(), 1);
    // The dialog's own size hint leaves no room for the preview column: the
    // file list would show little more than the names.
    resize(sizeHint().expandedTo(QSize(840, 480)));
    connect(this, &QFileDialog::currentChanged, this, &TOpenLabelDialog::ShowPreview);
    connect(btnPreview, &QPushButton::clicked, this, &TOpenLabelDialog::ShowLarge);
}

void TOpenLabelDialog::ShowPreview(const QString& fileName) {
    if (std::optional<TZpLabelPreview> preview = MakeLabelPreview(fileName)) {
        FPreview = std::move(*preview);
        lblCaption->setText(FPreview.Description);
        btnPreview->setEnabled(true);
        pbPreview->SetPicture(FPreview.Picture);
    } else {
        FPreview = {};
        lblCaption->setText(QStringLiteral("Picture:"));
        btnPreview->setEnabled(false);
        pbPreview->SetPicture({});
    }
}

void TOpenLabelDialog::ShowLarge() {
    QDialog window(this, Qt::Tool);
    window.setWindowTitle(QStringLiteral("Preview"));
    window.setAccessibleName(QStringLiteral("Preview"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(5, 5, 5, 5);
    auto* label = new QLabel(&window);
    label->setScaledContents(true);
    label->setPixmap(QPixmap::fromImage(FPreview.Picture));
    label->setAccessibleName(FPreview.Description);
    label->setStyleSheet(QStringLiteral("border: 5px solid palette(shadow)"));
    layout->addWidget(label);
    window.resize(FPreview.Picture.size() + QSize(20, 20));
    window.exec(); // Esc closes it
}

} // namespace zp
