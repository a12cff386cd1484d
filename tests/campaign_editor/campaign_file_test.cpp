#include "campaign_editor/campaign_file.h"

#include "soldier_name_cases.h"

#include "platform/text/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using cadrell::CampaignRecord;

namespace {

std::string fixture(const std::string& name)
{
    std::string bytes;
    EXPECT_TRUE(platform::text::readFile(std::string(SUITE_FIXTURES) + "/" + name, bytes)) << name;
    return bytes;
}

// The bytes of a file made of these lines, each ended by CR LF.
std::string crlfJoin(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& l : lines) {
        bytes += l + "\r\n";
    }
    return bytes;
}

} // namespace

TEST(CampaignFile, WritesTheExampleCampaignByteForByte)
{
    CampaignRecord c;
    c.name = "Alpha";
    c.author = "Bo";
    c.missions = {"m1", "m2"};
    c.namesText = "Ann\r\nBob";
    c.keepOrder = true;
    EXPECT_EQ(cadrell::writeCampaign(c), fixture("alpha.cfc"));
}

TEST(CampaignFile, EmptyCampaignIsWrittenWithEverySectionAndReadsBackEmpty)
{
    CampaignRecord c;
    c.keepOrder = false;
    const std::string bytes = cadrell::writeCampaign(c);
    EXPECT_EQ(bytes, crlfJoin({"<Campanha>", "\"\"", "\"\"", " 0 ", "False", "<-Campanha>", "<Miss>",
                               "<-Miss>", "<Nomes>", "<-Nomes>"}));

    CampaignRecord back;
    back.name = "old";
    back.author = "old";
    back.missions = {"stale"};
    back.namesText = "Stale\r\n";
    back.keepOrder = true;
    cadrell::readCampaign(bytes, back);
    EXPECT_EQ(back.name, "");
    EXPECT_EQ(back.author, "");
    EXPECT_TRUE(back.missions.empty());
    EXPECT_EQ(back.namesText, "");
    EXPECT_FALSE(back.keepOrder);
}

TEST(CampaignFile, NamesBoxIsSplitLikeTheItemReader)
{
    struct Case
    {
        const char* box;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"Ann, Bob\r\nCarl", {"Ann", "Bob", "Carl"}},
        {"\"Dee\"\r\n  Eve", {"Dee", "Eve"}},               // quotes removed, leading blanks dropped
        {"ABCDEFGHIJKLMNOPQRST", {"ABCDEFGHIJKLMNO"}},      // 20 characters cut to 15
        {"ABCDEFGHIJKLMNO\r\nX", {"ABCDEFGHIJKLMNO", "X"}}, // exactly 15 kept whole
        {"Ann\r\nBob\r\n", {"Ann", "Bob"}},                 // the box as the reader leaves it
        {"", {}},
        {"Jo\xE3o", {"Jo\xE3o"}}, // Windows-1252 bytes kept
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cadrell::splitSoldierNames(c.box), c.names) << c.box;
    }
}

TEST(CampaignFile, EveryNameTypedIsSavedAndOpenedBack)
{
    for (const auto& c : soldier_names::cases()) {
        CampaignRecord campaign;
        campaign.name = "N";
        campaign.author = "A";
        campaign.namesText = c.box;
        const std::string bytes = cadrell::writeCampaign(campaign);
        EXPECT_EQ(bytes, soldier_names::campaignFile(c.names)) << c.what;

        CampaignRecord back;
        cadrell::readCampaign(bytes, back);
        EXPECT_EQ(back.namesText, crlfJoin(c.names)) << c.what;
        EXPECT_EQ(cadrell::splitSoldierNames(back.namesText), c.names) << c.what;
        EXPECT_EQ(cadrell::writeCampaign(back), bytes) << c.what;
    }
}

TEST(CampaignFile, TextsAreWrittenAsTheyStand)
{
    CampaignRecord c;
    c.name = "Opera\xE7\xE3o, final";
    c.author = "Z\xE9";
    c.missions = {"Miss\xE3o 1"};
    const std::string bytes = cadrell::writeCampaign(c);
    EXPECT_EQ(bytes.rfind("<Campanha>\r\n\"Opera\xE7\xE3o, final\"\r\n\"Z\xE9\"\r\n 1 \r\n", 0), 0u) << bytes;

    CampaignRecord back;
    cadrell::readCampaign(bytes, back);
    EXPECT_EQ(back.name, c.name); // the comma stays inside the quotes
    EXPECT_EQ(back.author, c.author);
    EXPECT_EQ(back.missions, c.missions);
}

TEST(CampaignFile, ReadsBackWhatItWrites)
{
    CampaignRecord c;
    c.name = "Alpha";
    c.author = "Bo";
    c.missions = {"m2", "m1", "m3"};
    c.namesText = "Ann\r\nBob\r\nCarl\r\n";
    c.keepOrder = false;
    CampaignRecord back;
    cadrell::readCampaign(cadrell::writeCampaign(c), back);
    EXPECT_EQ(back.name, c.name);
    EXPECT_EQ(back.author, c.author);
    EXPECT_EQ(back.missions, c.missions);
    EXPECT_EQ(back.namesText, c.namesText);
    EXPECT_EQ(back.keepOrder, c.keepOrder);
    EXPECT_EQ(cadrell::writeCampaign(back), cadrell::writeCampaign(c));
}

TEST(CampaignFile, FlagSetsTheOrderInAnyCaseAndOtherwiseLeavesIt)
{
    struct Case
    {
        const char* flag;
        bool before;
        bool after;
    };
    const std::vector<Case> cases = {
        {"TRUE", false, true}, {"tRuE", false, true},   {"false", true, false}, {"FALSE", true, false},
        {"maybe", true, true}, {"maybe", false, false}, {"", false, false},
    };
    for (const auto& c : cases) {
        CampaignRecord r;
        r.keepOrder = c.before;
        cadrell::readCampaign(crlfJoin({"<Campanha>", "\"n\"", "\"a\"", " 0 ", c.flag, "<-Campanha>",
                                        "<Miss>", "<-Miss>", "<Nomes>", "<-Nomes>"}),
                              r);
        EXPECT_EQ(r.keepOrder, c.after) << c.flag << " from " << c.before;
    }
}

TEST(CampaignFile, ReaderTakesTheMissionsToTheirTagAndEndsNamesAtTheTagInAnyCase)
{
    CampaignRecord r;
    cadrell::readCampaign(crlfJoin({"<Campanha>", "\"n\"", "\"a\"", " 3 ", "True", "<-Campanha>", "<Miss>",
                                    "a,b", "c", "<-Miss>", "<Nomes>", "Ann", "<-NOMES>", "Ghost"}),
                          r);
    // "a,b" is read as two missions.
    EXPECT_EQ(r.missions, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(r.namesText, "Ann\r\n");
}

TEST(CampaignFile, ReaderAcceptsLinuxLineEnds)
{
    CampaignRecord r;
    cadrell::readCampaign(
        "<Campanha>\n\"Alpha\"\n\"Bo\"\n 1 \nFalse\n<-Campanha>\n<Miss>\nm1\n<-Miss>\n<Nomes>\n"
        "Ann\n<-Nomes>\n",
        r);
    EXPECT_EQ(r.name, "Alpha");
    EXPECT_EQ(r.missions, (std::vector<std::string>{"m1"}));
    EXPECT_EQ(r.namesText, "Ann\r\n");
    EXPECT_FALSE(r.keepOrder);
}

TEST(CampaignFile, ShortOrDamagedFilesReadWhatIsThere)
{
    const std::string whole = fixture("alpha.cfc");
    // Every prefix of a good file, cut anywhere, reads without fault and never invents entries.
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        CampaignRecord r;
        cadrell::readCampaign(whole.substr(0, n), r);
        EXPECT_LE(r.missions.size(), 2u) << n;
        cadrell::previewCampaign(whole.substr(0, n));
    }

    // A count far beyond the lines present: the missions present, then the rest of the file.
    CampaignRecord r;
    cadrell::readCampaign(
        crlfJoin({"<Campanha>", "\"n\"", "\"a\"", " 99999999999 ", "True", "<-Campanha>", "<Miss>", "m1"}),
        r);
    EXPECT_EQ(r.missions, (std::vector<std::string>{"m1"}));
    EXPECT_EQ(r.namesText, "");

    // A last name cut off from its closing tag is kept.
    CampaignRecord cut;
    cadrell::readCampaign(crlfJoin({"<Campanha>", "\"n\"", "\"a\"", " 0 ", "True", "<-Campanha>", "<Miss>",
                                    "<-Miss>", "<Nomes>", "Ann"}) +
                              "Bob",
                          cut);
    EXPECT_EQ(cut.namesText, "Ann\r\nBob\r\n");

    // Binary rubbish and a negative count.
    CampaignRecord junk;
    cadrell::readCampaign(std::string("\0\xFF\"\r,\n\0 -5 \r\n\"", 14), junk);
    cadrell::readCampaign(crlfJoin({"<Campanha>", "\"n\"", "\"a\"", " -5 ", "True"}), junk);
    EXPECT_TRUE(junk.missions.empty());
}

// Every mission and every name of a file is read, however many there are and whatever the
// header's count says; saved again, the file holds them all under the true count.
TEST(CampaignFile, EveryMissionAndNameIsReadWhateverTheCount)
{
    const struct
    {
        int missions;
        const char* count; // as the header says it
        int names;
    } cases[] = {
        {0, " 0 ", 0},          {1000, " 1000 ", 3}, {1001, " 1001 ", 3}, {5000, " 5000 ", 0},
        {1100, " 1100 ", 6000}, // more missions and names than the game plays with
        {3, " 5 ", 2},          {3, " 1 ", 2},       {1100, " 1000 ", 2}, {2, " 0 ", 2},
        {2, " -4 ", 2},         {2, " x ", 2},       {0, " 3 ", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.missions) + " missions, count" + c.count);
        CampaignRecord written;
        written.name = "n";
        written.author = "a";
        for (int i = 1; i <= c.missions; ++i) {
            written.missions.push_back("m" + std::to_string(i));
        }
        for (int i = 1; i <= c.names; ++i) {
            written.namesText += "n" + std::to_string(i) + "\r\n";
        }
        const std::string bytes = cadrell::writeCampaign(written);
        std::string told = bytes;
        const std::string trueCount = " " + std::to_string(c.missions) + " \r\n";
        told.replace(told.find(trueCount), trueCount.size(), std::string(c.count) + "\r\n");

        CampaignRecord back;
        cadrell::readCampaign(told, back);
        EXPECT_EQ(back.missions, written.missions);
        EXPECT_EQ(back.namesText, written.namesText);
        EXPECT_EQ(cadrell::writeCampaign(back), bytes);
    }
}

TEST(CampaignFile, PreviewShowsNameAuthorAndCount)
{
    CampaignRecord c;
    c.name = "Alpha";
    c.author = "Bo";
    c.missions = {"a", "b", "c"};
    c.namesText = "Ann";
    EXPECT_EQ(cadrell::previewCampaign(cadrell::writeCampaign(c)), "Nome: Alpha\r\nAutor: Bo\r\nMiss\xF5"
                                                                   "es: 3\r\n");
    EXPECT_EQ(cadrell::previewCampaign(""), "Nome: \r\nAutor: \r\nMiss\xF5"
                                            "es: \r\n");
}
