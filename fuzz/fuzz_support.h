// What the fuzz targets share: the entry point libFuzzer calls, and a private
// temporary directory for the loaders that read files by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// A directory of this process's own, made on first use and removed at exit.
const std::string& FuzzDirectory();
// Replaces the file at `path` with the input's bytes. False when it can't.
bool FuzzWriteFile(const std::string& path, const uint8_t* data, size_t size);
