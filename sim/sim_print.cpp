// What the simulator prints: events as they happen, and the board, the game
// state, the level menu, the saved progress and pictures on request.
#include "sim/sim.h"

#include "app/app.h"
#include "engine/bitmap.h"
#include "engine/clock.h"
#include "engine/display.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/sprites.h"
#include "platform/headless/headless.h"
#include "tools/level/level_map.h"

#include <SDL.h>

#include <fstream>

namespace {

const int BMP_HEADER_BYTES = BITMAP_FILE_HEADER_SIZE + BITMAP_INFO_HEADER_SIZE;
const int BMP_BITS = 24;

void PrintValue(const char* name, long long value)
{
    SimOutput(std::string(name) + "=" + std::to_string(value));
}

void PutLittleEndian(std::string* out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out->push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
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
            line += LevelCharFromCode(static_cast<uint8_t>(Board[column][row]));
        SimOutput(line);
    }
}

void SimPrintState()
{
    const GameStateRecord& s = GameState;
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
    PrintValue("playerx", PlayerSprite.x);
    PrintValue("playery", PlayerSprite.y);
    PrintValue("pilex", PileSprite.x);
    PrintValue("piley", PileSprite.y);
    PrintValue("exitx", ExitSprite.x);
    PrintValue("exity", ExitSprite.y);
    PrintValue("drawnw", s.drawnWidth);
    PrintValue("drawnh", s.drawnHeight);
    PrintValue("landrise", s.landRiseWidth);
    PrintValue("gone", s.playerGone);
    PrintValue("exitframe", ExitSprite.frameIndex);
    PrintValue("playerframe", PlayerSprite.frameIndex);
    PrintValue("landframe", LandSprite.frameIndex);
    PrintValue("sparkleframe", SparkleSprite.frameIndex);
    PrintValue("newsparkle", s.newSparkle);
    PrintValue("sparklecol", s.sparkleColumn);
    PrintValue("sparklerow", s.sparkleRow);
    PrintValue("completiontime", s.completionTime);
    PrintValue("sparkletime", s.sparkleTime);
    PrintValue("clock", ClockNow());
    PrintValue("frame", static_cast<long long>(HeadlessFramesBegun()));
}

void SimPrintMenu()
{
    std::string levels = "levels=";
    for (uint32_t command = IDM_LEVEL_1; command <= IDM_LEVEL_12; ++command)
        levels += PlatformMenuIsEnabled(command) ? '1' : '0';
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

bool SimWriteShot(const std::string& path, std::string* error)
{
    SDL_Surface* surface = MainDisplay.backSurface;
    if (surface == nullptr) {
        *error = "there is no back surface to write";
        return false;
    }
    const int width = surface->w;
    const int height = surface->h;
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes) * static_cast<uint32_t>(height);

    std::string bmp;
    bmp += "BM";
    PutLittleEndian(&bmp, BMP_HEADER_BYTES + imageBytes, 4);
    PutLittleEndian(&bmp, 0, 4);                       // reserved
    PutLittleEndian(&bmp, BMP_HEADER_BYTES, 4);        // pixel offset
    PutLittleEndian(&bmp, BITMAP_INFO_HEADER_SIZE, 4);
    PutLittleEndian(&bmp, static_cast<uint32_t>(width), 4);
    PutLittleEndian(&bmp, static_cast<uint32_t>(height), 4);   // bottom-up rows
    PutLittleEndian(&bmp, 1, 2);                       // planes
    PutLittleEndian(&bmp, BMP_BITS, 2);
    PutLittleEndian(&bmp, 0, 4);                       // no compression
    PutLittleEndian(&bmp, imageBytes, 4);
    bmp.append(16, '\0');                           // resolutions and colour counts: none

    if (SDL_MUSTLOCK(surface))
        SDL_LockSurface(surface);
    for (int row = height - 1; row >= 0; --row) {
        const uint8_t* line = static_cast<const uint8_t*>(surface->pixels) + row * surface->pitch;
        for (int column = 0; column < width; ++column) {
            const uint32_t pixel = reinterpret_cast<const uint32_t*>(line)[column];
            uint8_t red = 0, green = 0, blue = 0;
            SDL_GetRGB(pixel, surface->format, &red, &green, &blue);
            bmp.push_back(static_cast<char>(blue));
            bmp.push_back(static_cast<char>(green));
            bmp.push_back(static_cast<char>(red));
        }
        bmp.append(static_cast<size_t>(rowBytes - width * 3), '\0');
    }
    if (SDL_MUSTLOCK(surface))
        SDL_UnlockSurface(surface);

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bmp.data(), static_cast<std::streamsize>(bmp.size()));
    out.close();
    if (!out) {
        *error = "can't write the picture " + path;
        return false;
    }
    return true;
}
