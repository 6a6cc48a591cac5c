// The keys read from the headless platform, and the clock's wait across the
// tick count's wrap.
#include "engine/clock.h"
#include "platform/headless/headless.h"

#include <gtest/gtest.h>

TEST(KeyboardRead, FollowsTheKeysHeldAndTellsOfNoKeyboard)
{
    HeadlessReset();
    PlatformKeys keys;
    HeadlessSetKey(PLATFORM_KEY_UP, true);
    HeadlessSetKey(PLATFORM_KEY_R, true);
    for (int poll = 0; poll < 2; ++poll) {   // held keys stay down until released
        ASSERT_EQ(PlatformKeyboardRead(&keys), 1);
        for (int key = 0; key < PLATFORM_KEYS; ++key)
            EXPECT_EQ(keys.down[key], key == PLATFORM_KEY_UP || key == PLATFORM_KEY_R) << key;
    }
    HeadlessSetKey(PLATFORM_KEY_UP, false);
    ASSERT_EQ(PlatformKeyboardRead(&keys), 1);
    EXPECT_FALSE(keys.down[PLATFORM_KEY_UP]);
    EXPECT_TRUE(keys.down[PLATFORM_KEY_R]);
    HeadlessSetKeyboardPresent(false);
    EXPECT_EQ(PlatformKeyboardRead(&keys), 0);
}

TEST(Clock, WaitMeasuresFromTheMarkAcrossTheWrap)
{
    HeadlessReset();
    HeadlessSetClock(1000);
    ClockMark();
    HeadlessSetClock(1200);
    ClockWaitSinceMark(150);
    EXPECT_EQ(ClockNow(), 1200u);  // already past: no wait at all
    for (uint32_t start : {1200u, 0xFFFFFFFFu - 40, 0xFFFFFFFFu}) {
        HeadlessSetClock(start);
        ClockMark();
        ClockWaitSinceMark(150);
        EXPECT_EQ(ClockNow(), start + 150u) << start;  // wraps past 0 for the last two
    }
}
