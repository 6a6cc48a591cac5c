// The exit rule and the level-complete sequence. With the clock set to 0
// before the first frame, frame k reads the clock at floor(50 (k - 1) / 3) ms
// (each presented frame adds 1/60 s). The player steps onto the exit in
// frames 1 to 10, so the completion time is that of frame 10, 150 ms, and
// the sequence begins in frame 11. In frame k of the sequence the elapsed
// time is floor(50 (k - 1) / 3) - 150: just over 1000 ms first in frame 71,
// over 4000 ms in frame 251 and over 6000 ms in frame 371.
#include "tests/sim/sim_harness.h"

#include <filesystem>

namespace {

// Start at (2, 2), the exit at (3, 2), land beyond it at (4, 2).
const Lines EXIT_LEVEL = LevelMap({"@E."}, 2, 2);
// Level 2 starts at (7, 7).
const Lines SECOND_LEVEL = LevelMap({"@."}, 7, 7);

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
void ExpectSlide(SimState& s, int shrinkingFrames)
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

    SimState& onExit = run.states[0];
    EXPECT_EQ(onExit["playerx"], 150);
    EXPECT_EQ(onExit["complete"], 0);
    EXPECT_EQ(onExit["level"], 1);
    EXPECT_EQ(onExit["exitframe"], 0);

    SimState& complete = run.states[1];
    EXPECT_EQ(complete["complete"], 1);
    EXPECT_EQ(complete["level"], 2);
    EXPECT_EQ(complete["reset"], 1);
    EXPECT_EQ(complete["allfinished"], 0);
    EXPECT_EQ(complete["direction"], 0);
    EXPECT_EQ(complete["moving"], 0);
    EXPECT_EQ(complete["exitframe"], 1);
    EXPECT_EQ(complete["drawnw"], 49);
    EXPECT_EQ(complete["drawnh"], 49);
    EXPECT_EQ(complete["landrise"], 1);
    EXPECT_EQ(complete["landframe"], 0);
    EXPECT_EQ(complete["gone"], 0);
    EXPECT_EQ(complete["completiontime"], 150);
    ExpectSlide(complete, 1);
    EXPECT_EQ(run.boards.at(0), StartedMap(EXIT_LEVEL));
    EXPECT_EQ(run.menus.at(0), "110000000000");
    EXPECT_EQ(run.saved.at(0), "2");

    // Shrinking from 50 to 35 takes 15 frames, then the size stays.
    EXPECT_EQ(run.states[2]["drawnw"], 35);
    EXPECT_EQ(run.states[2]["drawnh"], 35);
    EXPECT_EQ(run.states[2]["landrise"], 15);
    ExpectSlide(run.states[2], 15);
    EXPECT_EQ(run.states[3]["drawnw"], 35);
    EXPECT_EQ(run.states[3]["landrise"], 16);
    EXPECT_EQ(run.states[3]["playerx"], run.states[2]["playerx"]);

    // The land grows 1 pixel a frame; in the 51st frame it covers the exit.
    EXPECT_EQ(run.states[4]["landrise"], 50);
    EXPECT_EQ(run.states[4]["gone"], 0);
    EXPECT_EQ(MapCell(run.boards.at(1), 3, 2), 'E');
    EXPECT_EQ(run.states[5]["landrise"], 50);
    EXPECT_EQ(run.states[5]["gone"], 1);
    EXPECT_EQ(MapCell(run.boards.at(2), 3, 2), '.');

    // The banner: nine pieces of 100 x 100 at fixed places, from frame 71 on.
    Picture before = ReadPicture("before.bmp");
    Picture banner = ReadPicture("banner.bmp");
    ASSERT_EQ(banner.width, 600);
    ASSERT_EQ(banner.height, 600);
    for (const BannerPiece& piece : BANNER) {
        SCOPED_TRACE("banner piece at " + std::to_string(piece.x) + ", " + std::to_string(piece.y));
        const uint32_t colour = SheetColour(piece.sprite, BANNER_ROW);
        EXPECT_NE(before.At(piece.x + 50, piece.y + 50), colour);
        EXPECT_EQ(banner.At(piece.x, piece.y), colour);
        EXPECT_EQ(banner.At(piece.x + 50, piece.y + 50), colour);
        EXPECT_NE(banner.At(piece.x - 1, piece.y - 1), colour);
    }
    EXPECT_EQ(banner.At(438, 389), SheetColour(6, BANNER_ROW));   // the last piece's lower left
    EXPECT_EQ(banner.At(537, 389), SheetColour(6, BANNER_ROW));   // and lower right corner
    EXPECT_NE(banner.At(538, 389), SheetColour(6, BANNER_ROW));

    EXPECT_EQ(run.states[6]["complete"], 1);
    EXPECT_EQ(run.states[6]["level"], 2);

    SimState& next = run.states[7];
    EXPECT_EQ(next["complete"], 0);
    EXPECT_EQ(next["level"], 2);
    EXPECT_EQ(next["reset"], 2);
    EXPECT_EQ(next["playerx"], 350);
    EXPECT_EQ(next["playery"], 350);
    EXPECT_EQ(next["exitframe"], 0);
    EXPECT_EQ(next["playerframe"], 0);
    EXPECT_EQ(next["drawnw"], 50);
    EXPECT_EQ(next["landrise"], 0);
    EXPECT_EQ(next["gone"], 0);
    EXPECT_EQ(run.menus.at(1), "110000000000");
}

TEST_F(SimTest, WalkingOntoTheExitCompletesOnTheNextFrame)
{
    // The step onto the exit runs its ten frames; the eleventh frame completes.
    WriteLevel("level1.dat", LevelMap({"@.E"}, 2, 2));
    SimResult run = Run("hold right\nrun 20\nprint state\nrun 1\nprint state\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.states.at(0)["playerx"], 200);
    EXPECT_EQ(run.states.at(0)["complete"], 0);
    EXPECT_EQ(run.states.at(1)["complete"], 1);
    EXPECT_EQ(run.EventsOf("sound bifald"), Lines{"21 sound bifald.wav"});
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
    ASSERT_EQ(run.states.size(), 5u);
    EXPECT_EQ(run.menus.at(0), "111111111111");
    EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 12", "11 sound bifald.wav",
                                 "251 sound finished.wav", "401 level 12", "401 exit 0"}));
    EXPECT_EQ(run.states[0]["complete"], 1);
    EXPECT_EQ(run.states[0]["level"], 12);
    EXPECT_EQ(run.states[0]["reset"], 12);
    EXPECT_EQ(run.states[0]["allfinished"], 1);
    EXPECT_EQ(run.states[0]["finishedsound"], 1);
    EXPECT_EQ(run.states[1]["finishedsound"], 1);
    EXPECT_EQ(run.states[2]["finishedsound"], 0);
    EXPECT_EQ(run.states[3]["complete"], 1);
    EXPECT_EQ(run.states[3]["allfinished"], 1);
    EXPECT_EQ(run.states[4]["complete"], 0);
    EXPECT_EQ(run.states[4]["allfinished"], 0);
    EXPECT_EQ(run.states[4]["level"], 12);
    EXPECT_EQ(run.states[4]["playerx"], 100);
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
    EXPECT_EQ(run.states.at(0)["level"], 1);
    EXPECT_EQ(run.states.at(0)["finishedsound"], 1);
    EXPECT_EQ(run.states.at(0)["allfinished"], 0);
    EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 12", "11 sound bifald.wav", "11 level 1",
                                 "23 sound bifald.wav", "263 sound finished.wav", "383 level 2", "383 exit 0"}));
}

TEST_F(SimTest, ResetDuringTheSequenceReplaysTheSolvedLevel)
{
    WriteLevel("level1.dat", EXIT_LEVEL);
    WriteLevel("level2.dat", SECOND_LEVEL);
    for (const char* leave : {"hold r\nrun 1\nhold\n", "menu 5\nrun 1\n"}) {
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
        // R is read in frame 21; the menu command is taken before frame 21.
        const std::string replay = leave[0] == 'h' ? "21 level 1" : "20 level 1";
        EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 1", "11 sound bifald.wav", "11 saved 2", replay,
                                     "421 exit 0"}));
        SimState& s = run.states.at(0);
        EXPECT_EQ(s["level"], 1);
        EXPECT_EQ(s["reset"], 1);
        EXPECT_EQ(s["complete"], 0);
        EXPECT_EQ(s["exitframe"], 0);
        EXPECT_EQ(s["drawnw"], 50);
        EXPECT_EQ(s["landrise"], 0);
        EXPECT_EQ(s["playerx"], 100);
        EXPECT_EQ(s["playery"], 100);
        EXPECT_EQ(run.boards.at(0), StartedMap(EXIT_LEVEL));
        EXPECT_EQ(run.menus.at(0), "110000000000");   // menu items are never grayed again
        EXPECT_EQ(run.saved.at(0), "2");
    }
}
