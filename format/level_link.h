// Level links: a board carried in a web address, "#level=" followed by the
// level file's first 144 bytes (the tile codes, column by column) in URL-safe
// base64 without padding, 192 characters. The game's page plays the board of
// such a link, and the desktop game and the simulator take the link, or its
// fragment alone, wherever they take a level file.
#pragma once

#include "format/level_text.h"

#include <string>

// The mark that starts a link's board, in a whole address or alone.
inline constexpr const char* LEVEL_LINK_MARK = "#level=";
// 144 bytes are 48 groups of three, each written as four characters.
enum { LEVEL_LINK_CHARS = LEVEL_TILE_BYTES / 3 * 4 };

// True when the text is meant as a level link: it holds LEVEL_LINK_MARK.
bool LevelLinkIs(const std::string& text);
// The fragment of a level's board: LEVEL_LINK_MARK and 192 characters.
std::string LevelLinkMake(const LevelFile& file);
// The level of a link (an address or a fragment): a blank level file with the
// link's board. The board must be playable, as a level file's must. False
// with *why saying what is wrong, in words for the player.
bool LevelLinkParse(const std::string& link, LevelFile& file, std::string& why);
