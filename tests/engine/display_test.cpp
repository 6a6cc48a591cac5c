// The back picture and its presentation through the platform.
#include "engine/display.h"
#include "platform/headless/headless.h"

#include <gtest/gtest.h>

TEST(Display, StartMakesTheBackPictureAndPresentShowsIt)
{
    HeadlessReset();
    ASSERT_EQ(DisplayStart(), 1);
    const Picture& back = MainDisplay.back;
    EXPECT_EQ(back.width, BACK_SURFACE_SIZE);
    EXPECT_EQ(back.height, BACK_SURFACE_SIZE);
    ASSERT_GE(back.pixels.size(), static_cast<size_t>(back.pitch) * BACK_SURFACE_SIZE);
    EXPECT_GE(back.pitch, BACK_SURFACE_SIZE);

    // Each present waits for its frame slot first.
    const uint32_t before = PlatformTicks();
    DisplayPresent();
    DisplayPresent();
    EXPECT_EQ(HeadlessPresentCount(), 2u);
    EXPECT_EQ(HeadlessLastPresented(), &back);
    EXPECT_EQ(PlatformTicks() - before, 33u);

    EXPECT_EQ(DisplayShutdown(), 1);
    EXPECT_TRUE(PictureEmpty(MainDisplay.back));
    DisplayPresent();
    EXPECT_EQ(HeadlessPresentCount(), 2u);
    EXPECT_EQ(DisplayShutdown(), 1);
}
