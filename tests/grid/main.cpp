// The grid tests' entry: one Qt application, on the offscreen platform unless another is chosen, around all tests.
#include "formula/Engine.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Listing the tests at build time runs this too, without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qv::InitEngine();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
