// SPDX-License-Identifier: MIT
// One main for every test executable: the user's real settings and files are
// never touched (XDG folders point into a temporary folder) and widgets run
// on the offscreen platform.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    // Qt's own test mode would move settings under the real $HOME, so the
    // whole home is moved instead.
    qputenv("HOME", home.path().toUtf8());
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(var, (home.path() + QLatin1Char('/') + QLatin1String(var)).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
