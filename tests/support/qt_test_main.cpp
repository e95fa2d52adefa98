// Runs the GoogleTest cases inside a QApplication, so that widget tests can
// create windows (offscreen under ctest). Settings go to a folder of their
// own that is removed afterwards, never to the user's.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settingsFolder;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("coinwell-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
