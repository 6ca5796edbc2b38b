// Every test runs headless and silent unless it asks for more, however it is started:
// by CTest, by hand, or as a child process of another test.

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Not overwritten: a caller may choose a display or the capture device.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("DITTARO_AUDIO", "null", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
