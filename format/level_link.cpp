// Level links: the board's 144 bytes in URL-safe base64 behind "#level=".
#include "format/level_link.h"

#include <array>
#include <cstdint>

namespace {

// URL-safe base64: '-' and '_' instead of '+' and '/', no '=' padding.
const char LINK_ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
const int LINK_GROUP_BYTES = 3;
const int LINK_GROUP_CHARS = 4;
const int LINK_CHAR_BITS = 6;
const int LINK_NOT_A_DIGIT = -1;
// Characters a link's board may end with: the end of a line pasted in.
const char* const LINK_TRAILING_SPACE = " \t\r\n";

int LinkDigit(char c)
{
    for (int digit = 0; LINK_ALPHABET[digit] != '\0'; ++digit)
        if (LINK_ALPHABET[digit] == c)
            return digit;
    return LINK_NOT_A_DIGIT;
}

} // namespace

bool LevelLinkIs(const std::string& text)
{
    return text.find(LEVEL_LINK_MARK) != std::string::npos;
}

std::string LevelLinkMake(const LevelFile& file)
{
    std::array<uint8_t, LEVEL_TILE_BYTES> board{};
    for (size_t i = 0; i < board.size() && i < file.bytes.size(); ++i)
        board[i] = file.bytes[i];
    std::string link = LEVEL_LINK_MARK;
    for (size_t at = 0; at < board.size(); at += LINK_GROUP_BYTES) {
        const uint32_t group = static_cast<uint32_t>(board[at]) << 16 | static_cast<uint32_t>(board[at + 1]) << 8 |
                               board[at + 2];
        for (int c = LINK_GROUP_CHARS - 1; c >= 0; --c)
            link += LINK_ALPHABET[(group >> (c * LINK_CHAR_BITS)) & 0x3f];
    }
    return link;
}

bool LevelLinkParse(const std::string& link, LevelFile& file, std::string& why)
{
    const size_t mark = link.find(LEVEL_LINK_MARK);
    if (mark == std::string::npos) {
        why = std::string("it is no level link: it holds no ") + LEVEL_LINK_MARK;
        return false;
    }
    std::string board = link.substr(mark + std::string(LEVEL_LINK_MARK).size());
    board.erase(board.find_last_not_of(LINK_TRAILING_SPACE) + 1);
    for (size_t at = 0; at < board.size(); ++at) {
        if (LinkDigit(board[at]) == LINK_NOT_A_DIGIT) {
            why = "the link is damaged: its board holds '" + std::string(1, board[at]) + "' at character " +
                  std::to_string(at + 1) + ", which no level link holds";
            return false;
        }
    }
    if (board.size() != LEVEL_LINK_CHARS) {
        why = "the link is damaged: its board is " + std::to_string(board.size()) + " characters long; a level link's is " +
              std::to_string(LEVEL_LINK_CHARS);
        return false;
    }
    file = LevelFileBlank();
    for (size_t at = 0, byte = 0; at < board.size(); at += LINK_GROUP_CHARS, byte += LINK_GROUP_BYTES) {
        uint32_t group = 0;
        for (int c = 0; c < LINK_GROUP_CHARS; ++c)
            group = group << LINK_CHAR_BITS | static_cast<uint32_t>(LinkDigit(board[at + c]));
        file.bytes[byte] = static_cast<uint8_t>(group >> 16);
        file.bytes[byte + 1] = static_cast<uint8_t>(group >> 8);
        file.bytes[byte + 2] = static_cast<uint8_t>(group);
    }
    const std::vector<LevelProblem> problems = LevelCheck(file);
    if (!problems.empty()) {
        why = "the link's board can't be played: " + problems.front().text;
        return false;
    }
    return true;
}
