// The error log: a stream that stays closed unless someone opens it.
#include "engine/log.h"

#include <cstdarg>

std::FILE* ErrorLog = nullptr;

int LogWrite(const char* format, ...)
{
    if (format == nullptr || ErrorLog == nullptr)
        return 0;
    std::va_list args;
    va_start(args, format);
    std::vfprintf(ErrorLog, format, args);
    va_end(args);
    std::fflush(ErrorLog);
    return 1;
}
