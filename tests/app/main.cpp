// The window-level tests that a scenario cannot reach: Qt's own dialogs, shortcuts, font metrics.
#include <gtest/gtest.h>
#include <QApplication>

#include "app/application.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
