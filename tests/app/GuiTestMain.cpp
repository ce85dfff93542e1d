// GUI tests run headless inside the real application object.
#include "app/OrvaneApplication.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    orvane::OrvaneApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
