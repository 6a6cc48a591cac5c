// The shell around the game's steps: the level files, the keys of a frame,
// and the effects a step returns, carried out in their order.
#include "app/app.h"
#include "app/editor_verdict.h"

#include "game/render.h"

#include "engine/clock.h"
#include "engine/display.h"
#include "engine/sound.h"
#include "game/sprites.h"

#include <cstdio>
#include <string>

GameModel Game;
GameSprites Sprites;
int32_t SoundIds[GAME_SOUNDS] = {SOUND_NONE, SOUND_NONE, SOUND_NONE, SOUND_NONE};

namespace {

// Between the status line's parts.
const char* const STATUS_GAP = "   ";
// A level file is 300 bytes; one far longer is no level file.
const uint64_t LEVEL_FILE_MAX_BYTES = 64 * 1024;

// The message box keeps the game's one text; the reason goes to stderr.
void ReportFileProblem(const std::string& path, const std::string& why)
{
    std::fprintf(stderr, "Quagmore: %s: %s\n", path.c_str(), why.c_str());
}

class FileLevelStore : public GameLevelStore {
public:
    bool LevelRead(int32_t level, int8_t* bytes, size_t size) override
    {
        std::string why;
        if (!AppReadLevelFile(level, bytes, size, &why)) {
            ReportFileProblem(PlatformFindDataFile(LevelFileName(level)), why);
            return false;
        }
        return true;
    }

    bool LevelWrite(const int8_t* bytes, size_t size) override
    {
        // The file is replaced at once by a new one renamed over it; the bytes
        // past the 300th of a file already there stay. A save that did not
        // reach the disk must not pass for one that did.
        std::string why;
        if (!PlatformSaveUserFile(LevelFileName(EDITOR_LEVEL), bytes, size, &why)) {
            ReportFileProblem(LevelFileName(EDITOR_LEVEL), why);
            return false;
        }
        return true;
    }
};

FileLevelStore LevelFiles;

void Pause(uint32_t ms)
{
    ClockMark();
    ClockWaitSinceMark(ms);
}

void StoreProgress(int32_t level)
{
    EnableLevelMenu(level);
    if (level > ReadSavedLevel())
        WriteSavedLevel(static_cast<uint8_t>(level));
}

} // namespace

GameLevelStore& AppLevelStore()
{
    return LevelFiles;
}

bool AppReadLevelFile(int32_t level, int8_t* bytes, size_t size, std::string* why)
{
    // A level file or pack brought by the player was read whole at the start.
    if (level != EDITOR_LEVEL && Campaign.kind != CAMPAIGN_SHIPPED)
        return AppCampaignLevelRead(level, bytes, size);
    std::string path = PlatformFindDataFile(LevelFileName(level));
    std::string problem;
    // Only a regular file of a sensible size is read: a FIFO or a device is
    // never waited on.
    std::FILE* file = PlatformOpenRegularFile(path, LEVEL_FILE_MAX_BYTES, &problem);
    if (file == nullptr) {
        if (why != nullptr)
            *why = problem;
        return false;
    }
    // A shorter file fills only the first bytes; the rest keep what they held.
    size_t ignored = std::fread(bytes, 1, size, file);
    (void)ignored;
    std::fclose(file);
    return true;
}

GameInput AppReadInput()
{
    PlatformKeys keys;
    GameInput input;
    input.keyboard = PlatformKeyboardRead(&keys) != 0;
    // Without a keyboard no key reads as down, but the window system still
    // tells of Escape and Enter.
    input.escape = keys.down[PLATFORM_KEY_ESCAPE];
    input.enter = keys.down[PLATFORM_KEY_ENTER];
    if (input.keyboard) {
        input.left = keys.down[PLATFORM_KEY_LEFT];
        input.up = keys.down[PLATFORM_KEY_UP];
        input.right = keys.down[PLATFORM_KEY_RIGHT];
        input.down = keys.down[PLATFORM_KEY_DOWN];
        input.reset = keys.down[PLATFORM_KEY_R];
        input.editor = keys.down[PLATFORM_KEY_D];
        input.save = keys.down[PLATFORM_KEY_S];
        input.load = keys.down[PLATFORM_KEY_L];
        input.undo = keys.down[PLATFORM_KEY_Z] || keys.down[PLATFORM_KEY_BACKSPACE] || keys.down[PLATFORM_KEY_U];
        input.skip = keys.down[PLATFORM_KEY_SPACE];
        input.help = keys.down[PLATFORM_KEY_F1];
        input.play = keys.down[PLATFORM_KEY_P];
        input.grid = keys.down[PLATFORM_KEY_G];
        input.hint = keys.down[PLATFORM_KEY_H];
        input.watch = keys.down[PLATFORM_KEY_W];
    }
    return input;
}

void AppApplyEffects(const GameEffects& effects)
{
    for (int i = 0; i < effects.count; ++i) {
        const GameEffect& effect = effects.items[i];
        switch (effect.kind) {
        case EFFECT_SOUND:
            SoundPlay(SoundIds[effect.value]);
            break;
        case EFFECT_MESSAGE:
            ShowMessage(effect.text);
            break;
        case EFFECT_QUIT: {
            // The window goes at the start of the next pass of the main loop.
            PlatformEvent close;
            close.kind = PLATFORM_EVENT_CLOSE;
            PlatformPostEvent(close);
            break;
        }
        case EFFECT_LEVEL_STARTED:
            PlatformTrace("level", effect.value);
            RecordsLevelStarted();
            break;
        case EFFECT_LEVELS_OPEN:
            EnableLevelMenu(effect.value);
            break;
        case EFFECT_PROGRESS:
            // A play-test's solve counts for nothing.
            if (!Game.edit.playTest)
                StoreProgress(effect.value);
            break;
        case EFFECT_PAUSE:
            Pause(static_cast<uint32_t>(effect.value));
            break;
        case EFFECT_SOLVED:
            RecordsSolved(Game.solved);
            break;
        }
    }
}

void AppRunFrame()
{
    GameInput input = AppReadInput();
    // The help panel holds the game, as the About box does; the frame runs
    // once it is closed, with the keys as they are then.
    if (input.help) {
        ShowHelpBox();
        input = AppReadInput();
    }
    GameEffects effects;
    GameStep(Game, input, ClockNow(), LevelFiles, effects);
    // The verdict is sought while the effects (a press's pause) are carried out.
    EditorVerdictAsk(Game);
    AppApplyEffects(effects);
    AppHintFrame();
    AppWatchFrame();
    AppDailyFrame();
    GameRender(Game, Sprites, MainDisplay.back);
    DisplayPresent();
    AppUpdateStatus();
}

void AppUpdateStatus()
{
    std::string line = AppDailyStatus();
    if (line.empty())
        line = GameStatusLine(Game, RecordsStatusBest(), AppCampaignStatusName());
    EditorVerdictAsk(Game);
    const std::string verdict = EditorVerdictText();
    if (!verdict.empty())
        line += STATUS_GAP + verdict;
    PlatformSetStatus(line);
    AppShareLevelMenuUpdate();
}

void AppStartLevel()
{
    GameEffects effects;
    GameStartLevel(Game, LevelFiles, effects);
    AppApplyEffects(effects);
    AppUpdateStatus();
}
