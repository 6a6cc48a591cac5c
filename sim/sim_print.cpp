// What the simulator prints: events as they happen, and the board, the game
// state, the level menu and its marks, the saved progress, the records and
// pictures on request.
#include "sim/sim.h"

#include "app/app.h"
#include "engine/clock.h"
#include "engine/display.h"
#include "format/bmp_file.h"
#include "format/level_format.h"
#include "platform/common/records.h"
#include "platform/headless/headless.h"

#include <fstream>

namespace {

void PrintValue(const char* name, long long value)
{
    SimOutput(std::string(name) + "=" + std::to_string(value));
}

} // namespace

void SimOutput(const std::string& line)
{
    if (std::fputs(line.c_str(), stdout) < 0 || std::fputc('\n', stdout) == EOF || std::fflush(stdout) != 0)
        SimOutputClosed();
}

void SimEvent(const std::string& text)
{
    SimOutput(std::to_string(HeadlessFramesBegun()) + " " + text);
}

// The board in the level files' text form; a code that is no tile shows as '?'.
void SimPrintBoard()
{
    for (int row = 0; row < BOARD_SIZE; ++row) {
        std::string line;
        for (int column = 0; column < BOARD_SIZE; ++column)
            line += LevelCharFromCode(static_cast<uint8_t>(Game.board[column][row]));
        SimOutput(line);
    }
}

void SimPrintState()
{
    const GameModel& s = Game;
    PrintValue("level", s.currentLevel);
    PrintValue("reset", s.resetLevel);
    PrintValue("editor", s.editor);
    PrintValue("clearboard", s.clearBoard);
    PrintValue("complete", s.levelComplete);
    PrintValue("allfinished", s.allFinished);
    PrintValue("finishedsound", s.finishedSound);
    PrintValue("direction", s.direction);
    PrintValue("moving", s.moving);
    PrintValue("pushing", s.pushing);
    PrintValue("stepx", s.stepX);
    PrintValue("stepy", s.stepY);
    PrintValue("playerx", s.playerX);
    PrintValue("playery", s.playerY);
    PrintValue("pilex", s.pileX);
    PrintValue("piley", s.pileY);
    PrintValue("exitx", s.exitX);
    PrintValue("exity", s.exitY);
    PrintValue("drawnw", s.drawnWidth);
    PrintValue("drawnh", s.drawnHeight);
    PrintValue("landrise", s.landRiseWidth);
    PrintValue("gone", s.playerGone);
    PrintValue("exitframe", s.exitFrame);
    PrintValue("playerframe", s.walk.frame);
    PrintValue("landframe", s.landFrame);
    PrintValue("sparkleframe", s.sparkle.frame);
    PrintValue("newsparkle", s.newSparkle);
    PrintValue("sparklecol", s.sparkleColumn);
    PrintValue("sparklerow", s.sparkleRow);
    PrintValue("completiontime", s.completionTime);
    PrintValue("sparkletime", s.sparkleTime);
    PrintValue("moves", s.moves);
    PrintValue("pushes", s.pushes);
    PrintValue("undo", static_cast<long long>(s.undo.size()));
    PrintValue("editorundo", static_cast<long long>(s.edit.undo.size()));
    PrintValue("grid", s.edit.grid);
    PrintValue("playtest", s.edit.playTest);
    PrintValue("clock", ClockNow());
    PrintValue("frame", static_cast<long long>(HeadlessFramesBegun()));
}

void SimPrintMenu()
{
    std::string levels = "levels=";
    for (int32_t level = 1; level <= AppCampaignLevelCount(); ++level)
        levels += PlatformMenuIsEnabled(AppLevelCommand(level)) ? '1' : '0';
    SimOutput(levels);
}

void SimPrintSaved()
{
    uint8_t level = 0;
    if (PlatformProgressRead(&level))
        SimOutput("saved=" + std::to_string(level));
    else
        SimOutput("saved=none");
}

void SimPrintStatus()
{
    SimOutput("status=" + PlatformStatusShown());
}

void SimPrintRecords()
{
    RecordsFile file = RecordsLoad(RecordsPath());
    if (file.state == RecordsState::Missing) {
        SimOutput("records=none");
        return;
    }
    if (file.state == RecordsState::Unreadable) {
        SimOutput("records=unreadable");
        return;
    }
    SimOutput("records=" + std::to_string(file.lines.size()));
    for (const RecordsLine& line : file.lines)
        SimOutput(line.text);
}

void SimPrintMarks()
{
    std::string marks;
    for (uint32_t command = IDM_LEVEL_1; command <= IDM_LEVEL_LAST; ++command) {
        std::string mark = PlatformMenuMark(command);
        if (mark.empty())
            continue;
        marks += (marks.empty() ? "" : "; ") + std::to_string(command - IDM_LEVEL_1 + 1) + ": " + mark;
    }
    SimOutput("marks=" + marks);
}

void SimPrintCampaign()
{
    SimOutput("campaign=" + AppCampaignTitle() + " levels=" + std::to_string(AppCampaignLevelCount()));
}

bool SimWriteShot(const std::string& path, std::string* error)
{
    const Picture& back = MainDisplay.back;
    if (PictureEmpty(back)) {
        *error = "there is no back surface to write";
        return false;
    }
    const std::vector<uint8_t> bmp = BmpFileEncode(back.width, back.height, false, [&back](int x, int y) {
        return back.Row(y)[x];
    });

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    out.close();
    if (!out) {
        *error = "can't write the picture " + path;
        return false;
    }
    return true;
}
