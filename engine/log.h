// The error log. No operation of the game opens it.
#pragma once

#include <cstdio>

extern std::FILE* ErrorLog;

// Writes printf-style text to ErrorLog. 0 when format is null or the log is closed.
int LogWrite(const char* format, ...);
