// The editor tests' entry: an off-screen application with the engine, the editors and the Qt measuring canvas.
#include "editors/EditorClasses.h"
#include "formula/Engine.h"
#include "grid/QtCanvas.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qv::InitEngine();
    qv::InitEditors();
    qv::InstallQtMeasureCanvas();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
