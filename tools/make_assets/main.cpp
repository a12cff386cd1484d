// make_assets: draws every bitmap and synthesises every sound of the game and its editors.
//
//   make_assets <data dir>              writes <data dir>/grafico, som and musica
//   make_assets --contact <dir>         writes review pictures (PNG) into <dir>
//
// The output is the same, byte for byte, on every run.

#include "tools/make_assets/catalogue.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    std::string dataDir, contactDir;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--contact" && i + 1 < argc)
            contactDir = argv[++i];
        else if (!arg.empty() && arg[0] != '-')
            dataDir = arg;
        else {
            std::cerr << "usage: make_assets <data dir> | make_assets --contact <dir>\n";
            return 2;
        }
    }
    if (dataDir.empty() && contactDir.empty()) {
        std::cerr << "usage: make_assets <data dir> | make_assets --contact <dir>\n";
        return 2;
    }
    bool ok = true;
    if (!dataDir.empty())
        ok = assets::writeAll(dataDir) && ok;
    if (!contactDir.empty())
        ok = assets::writeContactSheets(contactDir) && ok;
    return ok ? 0 : 1;
}
