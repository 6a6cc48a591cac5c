// The saved-progress reader on any file content.
#include "fuzz/fuzz_support.h"
#include "platform/common/common.h"
#include "platform/platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string directory = [] {
        PlatformSetDirectories(FuzzDirectory(), FuzzDirectory() + "/home");
        PlatformMakeDirectories(PlatformUserConfigDir());
        return PlatformUserConfigDir();
    }();
    if (!FuzzWriteFile(directory + "/progress", data, size))
        return 0;
    uint8_t level = 0;
    PlatformProgressRead(&level);
    return 0;
}
