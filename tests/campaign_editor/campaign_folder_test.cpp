#include "campaign_editor/campaign_folder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using Names = std::vector<std::string>;

TEST(CampaignFolder, FileNameChecksGiveOneMessageForTheFirstBadCharacter)
{
    const std::string extension = "Don't put extensions in the file name";
    const std::string invalid = "\\ / : * ? < > | are invalid caracters.";
    struct Case
    {
        const char* name;
        std::optional<std::string> refusal;
    };
    const std::vector<Case> cases = {
        {"", "I will need a file name."},
        {"camp.cfc", extension},
        {"camp.", extension},
        {"a*b", invalid},
        {"a\"b", invalid},
        {"a/b", invalid},
        {"a\\b", invalid},
        {"a:b", invalid},
        {"a?b", invalid},
        {"a<b>c|", invalid},
        {"tab\there", invalid},
        {"a*b.cfc", invalid}, // the first bad character decides
        {"a.b*c", extension},
        {"campanha 1", std::nullopt},
        {"Opera\xE7\xE3o", std::nullopt},
        {"semnome", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cadrell::fileNameRefusal(c.name), c.refusal) << c.name;
    }
}

TEST(CampaignFolder, MissionNamesAreTheMissionFilesLessTheirExtension)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    for (const char* name : {"b.cfm", "A.CFM", "c.cfc", "notes.txt", "x.cfm.bak"}) {
        std::ofstream(folder + "/" + name) << "x";
    }
    // Names as the file system spells them; those a campaign could not name are left out.
    for (const char* name : {"miss\xC3\xA3o.cfm", "\xE4\xBB\xBB.cfm", "a,b.cfm", " lead.cfm", "q\"x.cfm",
                             ".cfm", "<-MISS>.cfm", "tail .cfm"}) {
        std::ofstream(folder + "/" + name) << "x";
    }
    std::filesystem::create_directory(folder + "/dir.cfm");
    EXPECT_EQ(cadrell::listMissionNames(folder), (Names{"A", "b", "miss\xE3o", "tail "}));
    EXPECT_EQ(cadrell::listFiles(folder, ".cfc"), (Names{"c.cfc"}));
    EXPECT_TRUE(cadrell::listMissionNames(folder + "/missing").empty());
}
