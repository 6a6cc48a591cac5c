// quagmore-assets: writes the game's picture and sound data into a directory.
//   quagmore-assets DIR                 the tile sheet, window icon and sounds
//     --icons ICONDIR                   PNG icons as ICONDIR/hicolor/NxN/apps/quagmore.png
//                                       (default DIR/icons)
//     --preview                         also sample boards composed from the sheet
#include "assets.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

constexpr int WINDOW_ICON_SIZE = 32;
constexpr int PNG_ICON_SIZES[] = {32, 48, 64, 128, 256};

int Usage()
{
    std::fprintf(stderr, "usage: quagmore-assets [--preview] [--icons ICONDIR] DIR\n");
    return 2;
}

bool Report(bool ok, const std::string& path)
{
    if (!ok) std::fprintf(stderr, "quagmore-assets: cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    bool preview = false;
    std::string dir, icons;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--preview") == 0) preview = true;
        else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc) icons = argv[++i];
        else if (std::strcmp(argv[i], "--help") == 0) {
            Usage();
            return 0;
        }
        else if (dir.empty()) dir = argv[i];
        else return Usage();
    }
    if (dir.empty()) return Usage();
    if (icons.empty()) icons = dir + "/icons";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const std::string base = dir + "/";

    auto bmp = [&base](const char* name, const AssetsImage& img) {
        return Report(AssetsWriteBmp(base + name, img), base + name);
    };
    auto wav = [&base](const char* name, const std::vector<uint8_t>& samples) {
        return Report(AssetsWriteWav(base + name, samples), base + name);
    };

    bool ok = true;
    const AssetsImage sheet = AssetsDrawSheet();
    ok &= bmp("pieces.bmp", sheet);
    ok &= bmp("icon.bmp", AssetsDrawIcon(WINDOW_ICON_SIZE, false));
    for (int size : PNG_ICON_SIZES) {
        const std::string n = std::to_string(size);
        const std::string appDir = icons + "/hicolor/" + n + "x" + n + "/apps";
        std::filesystem::create_directories(appDir, ec);
        const std::string path = appDir + "/quagmore.png";
        ok &= Report(AssetsWritePng(path, AssetsDrawIcon(size, true)), path);
    }
    ok &= wav("splash.wav", AssetsSoundSplash());
    ok &= wav("start.wav", AssetsSoundStart());
    ok &= wav("bifald.wav", AssetsSoundApplause());
    ok &= wav("finished.wav", AssetsSoundFanfare());

    if (preview) {
        AssetsImage board = AssetsDrawPreview(sheet);
        ok &= bmp("preview.bmp", board);
        AssetsDrawBanner(board, sheet);
        ok &= bmp("preview-banner.bmp", board);
    }
    return ok ? 0 : 1;
}
