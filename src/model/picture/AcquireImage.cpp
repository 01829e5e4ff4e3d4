// SPDX-License-Identifier: MIT
#include "model/picture/AcquireImage.h"

#include "data/WaitCursor.h"
#include "model/objects/Interfaces.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/scanning/Scanner.h"

#include <QTemporaryDir>

namespace zp {

const QString kNoScannerMessage =
    QStringLiteral("Could not connect to scanner or camera.  Please check your device.");

namespace {

// The scan's file lives in a folder of its own inside the temporary folder,
// so that no one else's file of that name is overwritten or read, and it is
// removed however the load ends.
class TScanFile {
public:
    TScanFile() : FName(FDir.filePath(QStringLiteral("TWAINIMG.TIF"))) {}
    [[nodiscard]] bool IsValid() const { return FDir.isValid(); }
    [[nodiscard]] const QString& Name() const { return FName; }

private:
    QTemporaryDir FDir;
    QString FName;
};

} // namespace

bool AcquireImage(IZpGraphic& picture, const TZpScanner& scanner) {
    TScanFile file;
    bool scanned;
    {
        TZpWaitCursor wait;
        scanned = file.IsValid() && !scanner.Devices().isEmpty() && scanner.ScanToTiff(file.Name());
    }
    if (!scanned) {
        ShowMessage(TZpMsgKind::Warning, kNoScannerMessage);
        return false;
    }
    picture.LoadFromFile(file.Name());
    return true;
}

} // namespace zp
