// The settings reader on any file content: whatever it makes of a file must
// come back the same from the text it would write, and a number read from it
// stays within the range asked for.
#include "fuzz/fuzz_support.h"
#include "platform/common/common.h"
#include "platform/common/settings.h"
#include "platform/platform.h"

namespace {

bool SameSettings(const Settings& a, const Settings& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].key != b[i].key || a[i].value != b[i].value)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string directory = [] {
        PlatformSetDirectories(FuzzDirectory(), FuzzDirectory() + "/home");
        PlatformMakeDirectories(PlatformUserConfigDir());
        return PlatformUserConfigDir();
    }();
    if (!FuzzWriteFile(directory + "/settings", data, size))
        return 0;
    const Settings settings = SettingsRead();
    if (!SameSettings(SettingsParse(SettingsFormat(settings)), settings))
        __builtin_trap();
    const int zoom = SettingsInt(settings, "zoom", 1, 4, 1);
    if (zoom < 1 || zoom > 4)
        __builtin_trap();
    return 0;
}
