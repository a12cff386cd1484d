#pragma once
// Helpers of the battle tests: a synthetic tile sheet, mission texts and temporary folders.

#include "platform/gfx/picture.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace battle_test {

// The colour that tile k (1..110) of the synthetic sheet is filled with.
inline platform::gfx::Rgb tileColour(int k)
{
    return 0x200000u + static_cast<platform::gfx::Rgb>(k);
}

// A 463 x 106 tile sheet in the layout of map.bmp: 22 x 5 tiles of 20 x 20 on a 21-pixel pitch
// behind grey borders, each tile one flat colour.
inline platform::gfx::Picture tileSheet()
{
    platform::gfx::Picture sheet(463, 106, 0x808080);
    for (int k = 1; k <= 110; ++k) {
        const int x = 1 + 21 * ((k - 1) % 22);
        const int y = 1 + 21 * ((k - 1) / 22);
        sheet.fillBox(x, y, x + 19, y + 19, tileColour(k));
    }
    return sheet;
}

inline std::string fixturePath(const std::string& name)
{
    return std::string(SUITE_FIXTURES) + "/" + name;
}

// Joins lines with CR LF after each.
inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

inline std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// A mission text in the file layout; every section can be changed before building it.
struct MissionText
{
    int cols = 25;
    int rows = 25;
    std::vector<std::string> map; // rows; empty means every cell "01"
    std::vector<std::string> objects;
    std::vector<std::string> enemies;
    std::vector<std::string> troop = {quoted("02,02"), quoted("4 "), quoted("01"),
                                      quoted("01"),    quoted("01"), quoted("1")};
    std::vector<std::string> scripts; // raw lines between the troop and "<Fim>"

    std::string bytes() const
    {
        std::vector<std::string> lines = {
            "<Info>",  quoted("Test"), quoted(""), std::to_string(cols), std::to_string(rows),
            "<-Info>", "<Map>"};
        if (map.empty()) {
            std::string row;
            for (int x = 0; x < cols; ++x)
                row += "01";
            for (int y = 0; y < rows; ++y)
                lines.push_back(row);
        } else {
            lines.insert(lines.end(), map.begin(), map.end());
        }
        lines.push_back("<-Map>");
        lines.push_back("<Objts>");
        for (const auto& o : objects)
            lines.push_back(quoted(o));
        lines.push_back("<-Objts>");
        lines.push_back("<Inimigos>");
        for (const auto& e : enemies)
            lines.push_back(quoted(e));
        lines.push_back("<-Inimigos>");
        lines.push_back("<Tropa>");
        lines.insert(lines.end(), troop.begin(), troop.end());
        lines.push_back("<-Tropa>");
        lines.insert(lines.end(), scripts.begin(), scripts.end());
        lines.push_back("<Fim>");
        return crlf(lines);
    }
};

// A programs' folder of its own for one test, with "arquivos/" and its subfolders.
class ProgramFolder
{
public:
    ProgramFolder()
    {
        for (const char* sub : {"arquivos/campanha", "arquivos/grafico", "arquivos/musica"})
            std::filesystem::create_directories(path() + "/" + sub);
    }
    std::string path() const { return m_dir.path().toStdString(); }
    void write(const std::string& relative, const std::string& bytes) const
    {
        std::ofstream out(path() + "/" + relative, std::ios::binary);
        out << bytes;
    }
    void copyFixture(const std::string& fixture, const std::string& relative) const
    {
        std::filesystem::copy_file(fixturePath(fixture), path() + "/" + relative,
                                   std::filesystem::copy_options::overwrite_existing);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace battle_test
