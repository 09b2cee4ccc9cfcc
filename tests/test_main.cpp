// Every test program starts as the real programs do: the FPU in 64-bit
// precision with rounding to nearest, whatever the runtime left it in.
#include <gtest/gtest.h>

#include "loan/fault.h"

int main(int argc, char** argv)
{
    qm::initFloatingPoint();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
