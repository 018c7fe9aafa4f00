// Test main for widget tests: a QApplication on the offscreen platform, so no
// display is needed (also while CTest lists the tests).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zanfo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zanfo"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
