// The generated data files, read for the data tests.
#pragma once

#include "support/bmp.h"

#include <string>

inline Bytes ReadDataFile(const std::string& name)
{
    return ReadFileBytes(std::string(QUAGMORE_TEST_DATA_DIR) + "/" + name);
}
