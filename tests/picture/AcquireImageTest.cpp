// SPDX-License-Identifier: MIT
#include "model/picture/AcquireImage.h"

#include "model/objects/PictureObject.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/scanning/Scanner.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

// A stand-in for the scanning front end: lists the given devices and
// "scans" the TIFF fixture to standard output.
class AcquireImageTest : public ::testing::Test {
protected:
    QString FakeScanner(const QString& devices, bool scanFails = false) {
        const QString path = FDir.filePath(QStringLiteral("scanimage"));
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(
            QStringLiteral("#!/bin/sh\n"
                           "case \"$1\" in\n"
                           "  --formatted-device-list*) printf '%1' ;;\n"
                           "  *) %2 ;;\n"
                           "esac\n")
                .arg(devices, scanFails
                                  ? QStringLiteral("echo 'scanimage: open of device failed' >&2; exit 1")
                                  : QStringLiteral("cat '%1'")
                                        .arg(test::TestDataPath(QStringLiteral("picture/quadrants.tif"))))
                .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        return path;
    }
    QTemporaryDir FDir;
};

TEST_F(AcquireImageTest, ScannedImageLandsInThePicture) {
    TZpScriptedDialogsGuard dialogs;
    TZpPictureObject pic;
    const TZpScanner scanner(FakeScanner(QStringLiteral("test:0\\n")));
    EXPECT_EQ(scanner.Devices(), QStringList{QStringLiteral("test:0")});
    EXPECT_TRUE(AcquireImage(pic, scanner));
    EXPECT_EQ(pic.ImageWidth(), 16);
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

TEST_F(AcquireImageTest, NoAnsweringDeviceGivesTheWarning) {
    const struct {
        const char* Case;
        QString Program;
    } cases[] = {
        {"not installed", FDir.filePath(QStringLiteral("missing"))},
        {"no device", FakeScanner(QString())},
        {"device fails", FakeScanner(QStringLiteral("test:0\\n"), true)},
    };
    for (const auto& c : cases) {
        TZpScriptedDialogsGuard dialogs;
        TZpPictureObject pic;
        EXPECT_FALSE(AcquireImage(pic, TZpScanner(c.Program))) << c.Case;
        EXPECT_FALSE(pic.HasImage()) << c.Case;
        EXPECT_EQ(dialogs->Messages(), QStringList{kNoScannerMessage}) << c.Case;
    }
}

} // namespace
} // namespace zp
