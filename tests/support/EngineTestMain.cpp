// The entry of the engine's suites: the registries filled once, as every program does at start-up.
#include "formula/Engine.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qv::InitEngine();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
