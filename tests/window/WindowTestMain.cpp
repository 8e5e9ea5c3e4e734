// The widget tests' main: an off-screen application with the engine and the Qt measuring canvas.
#include "editors/EditorClasses.h"
#include "formula/Engine.h"
#include "grid/QtCanvas.h"

#include <QApplication>

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    qv::InitEngine();
    qv::InitEditors();
    qv::InstallQtMeasureCanvas();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
