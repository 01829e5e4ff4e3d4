// SPDX-License-Identifier: MIT
#include "print/dialogs/PageSetup.h"

#include "platform/printing/Printer.h"
#include "print/dialogs/DialogPrinter.h"
#include "print/dialogs/PrintDialog.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace zp {

bool ShowPageSetup(TZpPrinter& printer, QWidget* owner, const TPageSetupRunner& runner) {
    QPrinter qp(QPrinter::HighResolution);
    LoadDialogPrinter(printer, qp);
    QPageSetupDialog dialog(&qp, owner);
    int result;
    if (runner) {
        result = runner(dialog, qp);
    } else {
        PlaceDialog(dialog, owner);
        result = dialog.exec();
    }
    if (result != QDialog::Accepted)
        return false;
    StoreDialogPrinter(qp, printer);
    return true;
}

bool ShowPageSetup(QWidget* owner) {
    return ShowPageSetup(ZpPrinter(), owner);
}

} // namespace zp
