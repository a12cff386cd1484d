// Every mission file of the tree (the test fixtures and the demo campaign) opens in the editor
// and is saved back byte for byte. Files written by hand rather than by the editor are compared
// with the form the editor gives them: its object list sorted, tile codes in upper case, the
// shown lines of the first animation and AI animation sorted, a troop size below 10 followed by
// its blank, and the enemy and troop sections always present.

#include "dialog_test_support.h"

#include "mission_editor/files/file_commands.h"

#include "platform/ui/user_actions.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>

namespace plotwright {
namespace {

namespace fs = std::filesystem;
namespace ui = platform::ui;

std::vector<fs::path> missionFilesOfTheTree()
{
    std::vector<fs::path> files;
    const fs::path source(SUITE_SOURCE_DIR);
    for (const fs::path& top : {source / "tests", source / "arquivos" / "campanha"}) {
        if (!fs::exists(top)) {
            continue;
        }
        for (const auto& entry : fs::recursive_directory_iterator(top)) {
            if (entry.is_regular_file() && entry.path().extension() == ".cfm") {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The lines from the one after `open` up to the first `close`, sorted as the editor's lists
// sort: ascending, letter case ignored.
void sortBlock(std::vector<std::string>& lines, std::string_view open, std::string_view close)
{
    const auto start = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return std::string_view(l).starts_with(open);
    });
    if (start == lines.end()) {
        return;
    }
    const auto end = std::find(start + 1, lines.end(), close);
    std::stable_sort(start + 1, end, [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    });
}

// The file as the editor writes the mission it holds.
std::string editorForm(const std::string& bytes)
{
    std::vector<std::string> lines = platform::text::splitLines(bytes);
    const auto map = std::find(lines.begin(), lines.end(), "<Map>");
    for (auto row = map == lines.end() ? map : map + 1; row != lines.end() && *row != "<-Map>"; ++row) {
        for (char& c : *row) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    const auto troop = std::find(lines.begin(), lines.end(), "<Tropa>");
    if (troop != lines.end() && lines.end() - troop > 2 && troop[2].size() == 3) {
        troop[2].insert(2, " "); // "4" -> "4 "
    }
    sortBlock(lines, "<Objts>", "<-Objts>");
    sortBlock(lines, "<Anim-", "<-Anim>");
    sortBlock(lines, "<AniAI-", "<-AniAI>");
    std::string form;
    for (const std::string& line : lines) {
        form += line + "\r\n";
    }
    return form;
}

// A file that ends after its objects: the writer always writes the enemy and troop sections.
bool endsAfterObjects(const std::string& bytes)
{
    return bytes.find("<-Objts>\r\n<Fim>\r\n") != std::string::npos;
}

class RoundTrip : public testing::DialogTest
{
protected:
    // Opens the file through the open dialog and saves it again with the Save command.
    std::string openAndSave(const std::string& fileName)
    {
        commands.LoadButton_Click();
        load.Directory.refresh();
        const auto& names = load.Directory.items();
        const auto at = std::find(names.begin(), names.end(), fileName);
        if (at == names.end()) {
            ADD_FAILURE() << fileName << " not listed";
            return {};
        }
        load.Directory.setListIndex(static_cast<int>(at - names.begin()));
        ui::user::click(load.LoadButton);
        EXPECT_FALSE(load.visible()) << fileName << " did not open";
        commands.SaveButton_Click();
        EXPECT_FALSE(save.visible());
        return folder.bytes(model.MissionFile);
    }

    MissionModel model;
    FormSave save{model, editor, folder.path()};
    FormConfig config{model, editor};
    FormLoad load{model, editor, folder.path()};
    FileCommands commands{model, editor, save, config, load};
};

TEST_F(RoundTrip, EveryMissionOfTheTreeSavesBackByteForByte)
{
    const std::vector<fs::path> files = missionFilesOfTheTree();
    ASSERT_FALSE(files.empty()) << "no mission files found below " << SUITE_SOURCE_DIR;
    const std::string shippedFolder = (fs::path(SUITE_SOURCE_DIR) / "arquivos").string();
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        std::string original;
        ASSERT_TRUE(platform::text::readFile(file.string(), original));
        const std::string fileName = file.filename().string();
        folder.put(fileName, original);

        const std::string saved = openAndSave(fileName);
        if (endsAfterObjects(original)) {
            // Saved in the full layout, which then stays as it is.
            EXPECT_NE(saved, original);
            EXPECT_EQ(openAndSave(fileName), saved);
        } else if (file.string().starts_with(shippedFolder)) {
            EXPECT_EQ(saved, original); // the shipped missions are the editor's own work
        } else {
            EXPECT_EQ(saved, editorForm(original));
        }
        fs::remove(folder.mission(model.MissionFile));
    }
    EXPECT_TRUE(boxes.shown().empty());
}

} // namespace
} // namespace plotwright
