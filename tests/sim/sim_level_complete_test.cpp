// The exit rule and the level-complete sequence. With the clock set to 0
// before the first frame, frame k reads the clock at floor(50 (k - 1) / 3) ms
// (each presented frame adds 1/60 s). The player steps onto the exit in
// frames 1 to 10, so the completion time is that of frame 10, 150 ms, and
// the sequence begins in frame 11. In frame k of the sequence the elapsed
// time is floor(50 (k - 1) / 3) - 150: just over 1000 ms first in frame 71,
// over 4000 ms in frame 251 and over 6000 ms in frame 371.
#include "sim_harness.h"

#include "support/bmp.h"
#include "support/tile_sheet.h"

#include <filesystem>

namespace {

// EXIT_LEVEL: start at (2, 2), the exit at (3, 2), land beyond it at (4, 2).
// SECOND_LEVEL starts at (7, 7).

struct BannerPiece {
    int sprite, x, y;
};

const BannerPiece BANNER[] = {
    {0, 124, 190}, {1, 222, 190}, {2, 296, 190}, {2, 370, 190}, {3, 98, 290},
    {4, 176, 290}, {5, 266, 290}, {1, 356, 290}, {6, 438, 290},
};
const int BANNER_ROW = 3;   // the banner pieces are cut from row 3 of the tile sheet

// The player shrinks and may slide down and right by one pixel per shrinking
// frame, by a random draw: both coordinates move together.
void ExpectSlide(const SimState& s, int shrinkingFrames)
{
    const long long slide = s["playerx"] - 150;
    EXPECT_EQ(s["playery"] - 100, slide);
    EXPECT_GE(slide, 0);
    EXPECT_LE(slide, shrinkingFrames);
}

} // namespace

TEST_F(SimTest, LevelCompleteSequence)
{
    WriteLevel("level1.dat", EXIT_LEVEL);
    WriteLevel("level2.dat", SECOND_LEVEL);
    SimResult run = Run(R"(
        clock 0
        hold right      # held throughout: no arrow is read during the sequence
        run 10
        print state     # 0, frame 10: on the exit, not yet complete
        run 1
        print state     # 1, frame 11: complete
        print board
        print menu
        print saved
        run 14
        print state     # 2, frame 25: the 15th shrinking frame
        run 1
        print state     # 3, frame 26
        run 34
        print state     # 4, frame 60
        print board
        run 1
        print state     # 5, frame 61: the land covers the exit
        print board
        run 9
        shot before.bmp # frame 70: exactly 1000 ms, no banner
        run 1
        shot banner.bmp # frame 71
        run 299
        print state     # 6, frame 370: exactly 6000 ms
        run 1
        print state     # 7, frame 371: level 2
        print menu
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.states.size(), 8u);
    EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 1", "11 sound bifald.wav", "11 saved 2",
                                 "371 level 2", "371 exit 0"}));
    // Shrinking from 50 to 35 takes 15 frames; the land grows 1 pixel a frame
    // and in its 51st frame covers the exit.
    EXPECT_EQ(run.StatesOf("level reset complete exitframe drawnw drawnh landrise gone"),
              (Lines{"1 1 0 0 50 50 0 0", "2 1 1 1 49 49 1 0", "2 1 1 1 35 35 15 0", "2 1 1 1 35 35 16 0",
                     "2 1 1 1 35 35 50 0", "2 1 1 1 35 35 50 1", "2 1 1 1 35 35 50 1", "2 2 0 0 50 50 0 0"}));
    EXPECT_EQ(run.states[0]("playerx"), "150");
    EXPECT_EQ(run.states[1]("allfinished direction moving landframe completiontime"), "0 0 0 0 150");
    ExpectSlide(run.states[1], 1);
    ExpectSlide(run.states[2], 15);
    EXPECT_EQ(run.states[3]("playerx"), run.states[2]("playerx"));
    EXPECT_EQ(run.states[7]("playerx playery exitframe playerframe"), "350 350 0 0");
    const Lines started = StartedMap(EXIT_LEVEL);
    EXPECT_EQ(run.boards, (std::vector<Lines>{started, started, With(started, {{3, 2, '.'}})}));
    EXPECT_EQ(run.menus, (Lines{"110000000000", "110000000000"}));
    EXPECT_EQ(run.saved, Lines{"2"});

    // The banner: nine pieces of 100 x 100 at fixed places, from frame 71 on.
    // The next piece covers the right of each, so its left half shows.
    BmpImage before, banner;
    ASSERT_TRUE(BmpDecode(ReadFileBytes(root + "/before.bmp"), &before));
    ASSERT_TRUE(BmpDecode(ReadFileBytes(root + "/banner.bmp"), &banner));
    for (const BannerPiece& piece : BANNER) {
        SCOPED_TRACE("banner piece at " + std::to_string(piece.x) + ", " + std::to_string(piece.y));
        const uint32_t colour = TestCellColour(piece.sprite, BANNER_ROW);
        EXPECT_NE(before.At(piece.x + 50, piece.y + 99), colour);
        EXPECT_EQ(banner.At(piece.x, piece.y), colour);
        EXPECT_EQ(banner.At(piece.x + 50, piece.y + 99), colour);
        EXPECT_NE(banner.At(piece.x - 1, piece.y - 1), colour);
        EXPECT_NE(banner.At(piece.x + 50, piece.y + 100), colour);
    }
}

TEST_F(SimTest, LastLevelPlaysFinishedAndStays)
{
    WriteProgress(12);
    WriteLevel("level12.dat", EXIT_LEVEL);
    SimResult run = Run(R"(
        clock 0
        print menu
        hold right
        run 10
        hold
        run 1
        print state     # 0, frame 11: level 12 solved
        run 239
        print state     # 1, frame 250: exactly 4000 ms
        run 1
        print state     # 2, frame 251: finished.wav
        run 149
        print state     # 3, frame 400: still there
        hold r
        run 1           # R replays level 12
        hold
        print state     # 4
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.menus, Lines{"111111111111"});
    EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 12", "11 sound bifald.wav",
                                 "251 sound finished.wav", "401 level 12", "401 exit 0"}));
    EXPECT_EQ(run.StatesOf("level reset complete allfinished finishedsound"),
              (Lines{"12 12 1 1 1", "12 12 1 1 1", "12 12 1 1 0", "12 12 1 1 0", "12 12 0 0 0"}));
    EXPECT_EQ(run.states.at(4)("playerx"), "100");
}

TEST_F(SimTest, FinishedSoundLeftPendingPlaysInTheNextSequence)
{
    // Level 12 is left by the menu before 4000 ms: the finished sound is still
    // due and plays 4000 ms into the next sequence, that of level 1. Level 1 is
    // solved in frame 23 (completion time: frame 22's clock, 350 ms), so the
    // sound comes in frame 263 and level 2 in frame 383.
    WriteProgress(12);
    WriteLevel("level12.dat", EXIT_LEVEL);
    WriteLevel("level1.dat", EXIT_LEVEL);
    WriteLevel("level2.dat", SECOND_LEVEL);
    SimResult run = Run(R"(
        clock 0
        hold right
        run 11          # level 12 solved in frame 11
        hold
        menu 21
        run 1           # Level 1 starts before frame 12
        print state
        hold right
        run 10
        hold
        run 361         # to frame 383
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.StatesOf("level finishedsound allfinished"), Lines{"1 1 0"});
    EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 12", "11 sound bifald.wav", "11 level 1",
                                 "23 sound bifald.wav", "263 sound finished.wav", "383 level 2", "383 exit 0"}));
}

TEST_F(SimTest, ResetDuringTheSequenceReplaysTheSolvedLevel)
{
    WriteLevel("level1.dat", EXIT_LEVEL);
    WriteLevel("level2.dat", SECOND_LEVEL);
    // R is read in frame 21; the menu command is taken before frame 21.
    const std::pair<const char*, const char*> ways[] = {{"hold r\nrun 1\nhold\n", "21 level 1"},
                                                        {"menu 5\nrun 1\n", "20 level 1"}};
    for (const auto& [leave, replay] : ways) {
        SCOPED_TRACE(leave);
        std::filesystem::remove_all(home);
        SimResult run = Run(std::string("hold right\nrun 10\nhold\nrun 10\n") + leave + R"(
            print state
            print board
            print menu
            print saved
            run 400         # the replayed level does not end by itself
        )");
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 1", "11 sound bifald.wav", "11 saved 2", replay,
                                     "421 exit 0"}));
        EXPECT_EQ(run.StatesOf("level reset complete exitframe drawnw landrise playerx playery"),
                  Lines{"1 1 0 0 50 0 100 100"});
        EXPECT_EQ(run.boards, std::vector<Lines>{StartedMap(EXIT_LEVEL)});
        EXPECT_EQ(run.menus, Lines{"110000000000"});   // menu items are never grayed again
        EXPECT_EQ(run.saved, Lines{"2"});
    }
}
