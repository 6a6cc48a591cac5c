// Random boards for the solver's survey and tests. A seed gives the same board
// on every machine: the generator is our own, not the library's distributions.
#pragma once

#include "solver/solver.h"

#include <cstdint>
#include <string>
#include <vector>

struct RandomBoardShape {
    int columns = BOARD_SIZE;   // the board's content fills this corner; water elsewhere
    int rows = BOARD_SIZE;
    int piles = 1;
    int waterPercent = 40;      // of the cells that are neither start, exit nor pile
    // Columns of water across the middle, with the start and the piles on the
    // left and the exit on the right; 0 for none.
    int moatColumns = 0;
};

// A splitmix64 sequence.
class RandomSequence {
public:
    explicit RandomSequence(uint64_t seed) : state_(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int bound) { return static_cast<int>(Next() % static_cast<uint64_t>(bound)); }

private:
    uint64_t state_;
};

// A board of water and land with one start, one exit and up to shape.piles
// piles on distinct cells, all inside the shape's corner. With a moat the
// start and piles lie left of it and the exit right of it.
inline SolverPosition RandomBoard(uint64_t seed, const RandomBoardShape& shape)
{
    RandomSequence random(seed);
    SolverPosition position;
    position.cells.fill(TILE_WATER);
    auto cellAt = [&](int column, int row) { return LevelByteIndex(column, row); };
    for (int column = 0; column < shape.columns; ++column)
        for (int row = 0; row < shape.rows; ++row)
            position.cells[cellAt(column, row)] = random.Below(100) < shape.waterPercent ? TILE_WATER : TILE_LAND;
    const int moatStart = (shape.columns - shape.moatColumns) / 2;
    const int moatEnd = moatStart + shape.moatColumns;
    for (int column = moatStart; column < moatEnd; ++column)
        for (int row = 0; row < shape.rows; ++row)
            position.cells[cellAt(column, row)] = TILE_WATER;
    // A free cell left of the moat (the whole corner when there is none), or right of it.
    auto freeCell = [&](bool right = false) {
        const int first = right ? moatEnd : 0;
        const int count = shape.moatColumns == 0 ? shape.columns : right ? shape.columns - moatEnd : moatStart;
        for (;;) {
            const int cell = cellAt(first + random.Below(count), random.Below(shape.rows));
            if (position.cells[cell] == TILE_WATER || position.cells[cell] == TILE_LAND)
                return cell;
        }
    };
    position.player = freeCell();
    position.cells[position.player] = TILE_LAND;
    int exit = freeCell(shape.moatColumns > 0);
    while (exit == position.player)
        exit = freeCell(shape.moatColumns > 0);
    position.cells[exit] = TILE_EXIT;
    const int room = (shape.moatColumns == 0 ? shape.columns : moatStart) * shape.rows - 2;
    for (int i = 0; i < shape.piles && i < room; ++i) {
        int cell = freeCell();
        while (cell == position.player)
            cell = freeCell();
        position.cells[cell] = TILE_PILE;
    }
    return position;
}

// A board of rows in the text form ('@' the start), water where rows are short
// or missing. No checks: for boards written in the tests themselves.
inline SolverPosition BoardFromRows(const std::vector<std::string>& rows)
{
    SolverPosition position;
    position.cells.fill(TILE_WATER);
    for (int row = 0; row < static_cast<int>(rows.size()) && row < BOARD_SIZE; ++row) {
        for (int column = 0; column < static_cast<int>(rows[row].size()) && column < BOARD_SIZE; ++column) {
            const char c = rows[row][column];
            const int cell = LevelByteIndex(column, row);
            position.cells[cell] = c == LEVEL_CHAR_START ? uint8_t{TILE_LAND} : LevelCodeFromChar(c);
            if (c == LEVEL_CHAR_START)
                position.player = cell;
        }
    }
    return position;
}

// Fourteen piles on open land, three rows of water before the exit: far more
// positions than any budget lets a search hold.
inline SolverPosition OpenLandBoard()
{
    return BoardFromRows({"@...........", ".o..o..o..o.", "............", "..o..o..o...", "............",
                          ".o..o..o..o.", "............", "..o..o..o...", "............", "~~~~~~~~~~~~",
                          "~~~~~~~~~~~~", "~~~~~~~~~~~E"});
}
