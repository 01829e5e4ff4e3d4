// SPDX-License-Identifier: MIT
#include "ui/MainWindow.h"

#include "files/LabelFile.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/store/SettingsStore.h"
#include "print/PrintCommands.h"
#include "print/dialogs/LabelPrintDialog.h"
#include "settings/AppOptions.h"
#include "settings/LabelFormatSettings.h"
#include "ui/LabelView.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <cstdio>

namespace zp {

namespace {
const QString kFormPosition = QStringLiteral("Form Position");
}

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent), FDocument(std::make_unique<TZpLabelDocument>()) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zentaprint"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(new TZpLabelView(*FDocument, scroll));
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setWidgetResizable(true);
    setCentralWidget(scroll);
    RestorePosition();
    // The first label starts from the stored default label format.
    ReadDefaultLabelFormat(ZpStore(), FDocument->Layout());
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::OpenFile(const QString& fileName) {
    LoadLabelDocument(*FDocument, fileName, true);
    FLabelName = QFileInfo(fileName).completeBaseName();
    setWindowTitle(QStringLiteral("%1 - Zentaprint").arg(FLabelName));
}

bool TfrmMain::PrintDialog() {
    if (!ZpDialogs().IsInteractive()) {
        std::fprintf(stderr,
                     "zentaprint: \"Print Labels\" needs a person to answer it; the job is cancelled\n");
        return false;
    }
    return ShowPrintDialog(this, FDocument->PrintInfo(), FDocument->Environment().Connections(),
                           FDocument->Layout());
}

void TfrmMain::Print(const QString& title) {
    TZpObjectList selection;
    (void)PrintDocument(*FDocument, FDocument->PrintInfo(), title, selection);
}

void TfrmMain::Preview(const QString& title) {
    TZpObjectList selection;
    (void)PreviewDocument(*FDocument, FDocument->PrintInfo(), title, selection);
}

void TfrmMain::RestorePosition() {
    const TZpSettingsStore& store = ZpStore();
    QRect screen(0, 0, 1024, 768);
    if (QScreen* s = QGuiApplication::primaryScreen())
        screen = s->geometry();
    const int width = store.ReadInteger(kFormPosition, QStringLiteral("Width"), 640);
    const int height = store.ReadInteger(kFormPosition, QStringLiteral("Height"), 480);
    const int left = store.ReadInteger(kFormPosition, QStringLiteral("Left"), screen.width() / 2 - 320);
    const int top = store.ReadInteger(kFormPosition, QStringLiteral("Top"), screen.height() / 2 - 240);
    resize(width, height);
    move(left, top);
}

void TfrmMain::StorePosition() {
    TZpSettingsStore& store = ZpStore();
    store.WriteInteger(kFormPosition, QStringLiteral("Left"), x());
    store.WriteInteger(kFormPosition, QStringLiteral("Top"), y());
    store.WriteInteger(kFormPosition, QStringLiteral("Width"), width());
    store.WriteInteger(kFormPosition, QStringLiteral("Height"), height());
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (isVisible()) {
        StorePosition();
        if (AppOptions().LastLabelFormat)
            WriteDefaultLabelFormat(ZpStore(), FDocument->Layout());
    }
    event->accept();
}

} // namespace zp
