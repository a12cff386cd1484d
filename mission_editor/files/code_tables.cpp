#include "mission_editor/files/code_tables.h"

#include "platform/text/vb.h"

namespace plotwright {

std::string tileCode(int tile)
{
    return vb::hex2(tile);
}

std::string codeOf(std::string_view listText, int width)
{
    return vb::left(listText, width);
}

} // namespace plotwright
