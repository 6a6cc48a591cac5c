// Small boards for the level tests, written as rows of the text form.
#pragma once

#include "solver/solver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The text form of a board; rows shorter than 12 and missing rows are filled with water.
inline std::string TestText(const std::vector<std::string>& rows)
{
    std::string text;
    for (int row = 0; row < BOARD_SIZE; ++row) {
        std::string line = row < static_cast<int>(rows.size()) ? rows[row] : "";
        line.resize(BOARD_SIZE, LEVEL_CHAR_WATER);
        text += line + "\n";
    }
    return text;
}

// A text that must parse.
inline LevelFile TestParse(const std::string& text)
{
    LevelFile file;
    std::vector<LevelProblem> problems;
    EXPECT_TRUE(LevelTextParse(text, file, problems)) << text;
    return file;
}

inline LevelFile TestBoard(const std::vector<std::string>& rows)
{
    return TestParse(TestText(rows));
}

inline SolverPosition TestPosition(const std::vector<std::string>& rows)
{
    SolverPosition position;
    EXPECT_TRUE(SolverPositionFromLevel(TestBoard(rows), position));
    return position;
}
