#include "tools/make_assets/catalogue.h"

#include "tools/make_assets/audio.h"
#include "tools/make_assets/battle_sheets.h"
#include "tools/make_assets/hud_sheets.h"
#include "tools/make_assets/music.h"
#include "tools/make_assets/screen_art.h"
#include "tools/make_assets/soldier_art.h"
#include "tools/make_assets/sound_effects.h"
#include "tools/make_assets/tile_art.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace assets {

std::vector<BitmapFile> bitmapFiles()
{
    return {
        {"map.bmp", tileSheet},
        {"soldiers.bmp", soldierSheet},
        {"fire.bmp", fireSheet},
        {"cursor.bmp", cursorSheet},
        {"anim.bmp", moveMarkSheet},
        {"mapobjts.bmp", objectSheet},
        {"efeitos.bmp", blastSheet},
        {"showbar.bmp", statusSheet},
        {"menubar.bmp", panelSheet},
        {"qualifica.bmp", medalSheet},
        {"pmp.bmp", menuButtons},
        {"titlefundo.bmp", titleBackground},
        {"titulo.bmp", titlePicture},
        {"objtpic.bmp", markerStrip},
        {"btnadd.bmp", [] { return listButton(0); }},
        {"btnremove.bmp", [] { return listButton(1); }},
        {"btnup.bmp", [] { return listButton(2); }},
        {"btndown.bmp", [] { return listButton(3); }},
    };
}

bool writeFileIfChanged(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::vector<std::uint8_t> old((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
            if (old == bytes)
                return true;
        }
    }
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out.good())
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

bool writeAll(const std::string& dataDir)
{
    namespace fs = std::filesystem;
    const fs::path root(dataDir);
    std::error_code ec;
    for (const char* sub : {"grafico", "som", "musica"}) {
        fs::create_directories(root / sub, ec);
        if (ec) {
            std::cerr << "make_assets: cannot create " << (root / sub).string() << ": " << ec.message()
                      << "\n";
            return false;
        }
    }
    bool ok = true;
    auto write = [&](const fs::path& path, const std::vector<std::uint8_t>& bytes) {
        if (!writeFileIfChanged(path.string(), bytes)) {
            std::cerr << "make_assets: cannot write " << path.string() << "\n";
            ok = false;
        }
    };
    for (const BitmapFile& b : bitmapFiles())
        write(root / "grafico" / b.name, encodeBmp(b.draw()));
    for (const Effect& e : soundEffects())
        write(root / "som" / e.file, encodeWav(e.samples));
    for (const Piece& p : musicPieces())
        write(root / "musica" / p.file, encodeWav(p.samples));
    return ok;
}

} // namespace assets
