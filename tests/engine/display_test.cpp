// The back surface and its presentation through the platform.
#include "engine/display.h"
#include "platform/headless/headless.h"

#include <SDL.h>
#include <gtest/gtest.h>

TEST(Display, StartMakesTheBackSurfaceAndPresentShowsIt)
{
    HeadlessReset();
    ASSERT_EQ(DisplayStart(), 1);
    SDL_Surface* back = MainDisplay.backSurface;
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->w, BACK_SURFACE_SIZE);
    EXPECT_EQ(back->h, BACK_SURFACE_SIZE);
    EXPECT_EQ(back->format->format, static_cast<uint32_t>(SDL_PIXELFORMAT_RGB888));

    // Each present waits for its frame slot first.
    const uint32_t before = PlatformTicks();
    DisplayPresent();
    DisplayPresent();
    EXPECT_EQ(HeadlessPresentCount(), 2u);
    EXPECT_EQ(HeadlessLastPresented(), back);
    EXPECT_EQ(PlatformTicks() - before, 33u);

    EXPECT_EQ(DisplayShutdown(), 1);
    EXPECT_EQ(MainDisplay.backSurface, nullptr);
    DisplayPresent();
    EXPECT_EQ(HeadlessPresentCount(), 2u);
    EXPECT_EQ(DisplayShutdown(), 1);
}
