// Runs the GoogleTest cases inside a QApplication, so that widget tests can
// create windows (offscreen under ctest), in English as the program shows
// it. Settings go to a folder of their own that is removed afterwards, never
// to the user's.
#include "app/language.h"

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
    if (!coinwell::installTranslations(coinwell::Language::English)) {
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
