// The entry of the sheet model's suites: the value classes registered without the formula engine above them.
#include "cells/StandardCells.h"
#include "sheet/Manager.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qv::RegisterStandardCellClasses(qv::XLManager());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
