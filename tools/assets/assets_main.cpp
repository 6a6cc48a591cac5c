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

    bool ok = true;
    const AssetsImage sheet = AssetsDrawSheet();
    ok &= Report(AssetsWriteBmp(base + "pieces.bmp", sheet), base + "pieces.bmp");
    ok &= Report(AssetsWriteBmp(base + "icon.bmp", AssetsDrawIcon(WINDOW_ICON_SIZE, false)), base + "icon.bmp");
    for (int size : PNG_ICON_SIZES) {
        const std::string n = std::to_string(size);
        const std::string appDir = icons + "/hicolor/" + n + "x" + n + "/apps";
        std::filesystem::create_directories(appDir, ec);
        const std::string path = appDir + "/quagmore.png";
        ok &= Report(AssetsWritePng(path, AssetsDrawIcon(size, true)), path);
    }
    ok &= Report(AssetsWriteWav(base + "splash.wav", AssetsSoundSplash()), base + "splash.wav");
    ok &= Report(AssetsWriteWav(base + "start.wav", AssetsSoundStart()), base + "start.wav");
    ok &= Report(AssetsWriteWav(base + "bifald.wav", AssetsSoundApplause()), base + "bifald.wav");
    ok &= Report(AssetsWriteWav(base + "finished.wav", AssetsSoundFanfare()), base + "finished.wav");

    if (preview) {
        AssetsImage board = AssetsDrawPreview(sheet);
        ok &= Report(AssetsWriteBmp(base + "preview.bmp", board), base + "preview.bmp");
        AssetsDrawBanner(board, sheet);
        ok &= Report(AssetsWriteBmp(base + "preview-banner.bmp", board), base + "preview-banner.bmp");
    }
    return ok ? 0 : 1;
}
