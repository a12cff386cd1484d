#pragma once
// Every file that the generator writes, and where.

#include "tools/make_assets/canvas.h"

#include <functional>
#include <string>
#include <vector>

namespace assets {

struct BitmapFile
{
    std::string name; // in arquivos/grafico
    std::function<Canvas()> draw;
};

std::vector<BitmapFile> bitmapFiles();

// Writes everything into dataDir/grafico, som and musica. Files whose bytes are already
// right are left untouched. Returns false (with a message on stderr) when a file fails.
bool writeAll(const std::string& dataDir);

// Review pictures: every bitmap scaled 4 x with a pixel grid, a sample map and a battle scene.
bool writeContactSheets(const std::string& dir);

// Writes bytes to path unless the file already holds exactly them; through a temporary file.
bool writeFileIfChanged(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace assets
