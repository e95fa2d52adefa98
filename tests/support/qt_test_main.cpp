// Runs the GoogleTest cases inside a QApplication, so that widget tests can
// create windows (offscreen under ctest). Whatever they store goes to Qt's
// test folders, never to the user's own settings.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
