#pragma once
// The game's music: ten battle tracks, the title music and the end music.

#include "tools/make_assets/audio.h"

#include <string>
#include <vector>

namespace assets {

struct Piece
{
    std::string file; // name in arquivos/musica
    bool loops;       // played looping by the game: the end joins the start without a click
    Samples samples;
};

std::vector<Piece> musicPieces();

} // namespace assets
