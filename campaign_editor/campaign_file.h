#pragma once
// The campaign file (*.cfc): writer, reader and header preview.

#include "campaign_editor/campaign_record.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cadrell {

// Longest soldier name a campaign keeps; longer names are cut to this many characters.
constexpr std::size_t kMaxSoldierName = 15;
// The most missions and soldier names a campaign file is read with; the rest is ignored.
constexpr std::size_t kMaxMissions = 1000;
constexpr std::size_t kMaxNames = 5000;

// The campaign's name and author are written between double quotes and its soldier names are read
// back as items, nothing escaped: a double quote in any of them would cut it short on reading, so
// the editor refuses it. The message in the editor's words.
inline constexpr const char* QuoteInTextMessage = "Don't put \" in the texts";
bool fitsCampaignFile(const CampaignRecord& campaign);

// True when a mission of that name can be listed in a campaign and read back as the same name: a
// plain file name without commas or double quotes, not starting with a blank, and not the tag that
// closes the list.
bool campaignCanName(std::string_view missionName);

// Splits the soldier-names box into names: items separated by commas and line ends, leading
// blanks dropped, surrounding quotes removed, each cut to 15 characters. Empty items (empty or
// blank-only lines, two commas in a row) are skipped: every name typed is kept, in order, and no
// name is empty. Every place that needs the names of the box takes them from here.
std::vector<std::string> splitSoldierNames(std::string_view namesText);

// The bytes of the campaign file for a campaign.
std::string writeCampaign(const CampaignRecord& campaign);

// Fills `campaign` from a campaign file's bytes: name, author, missions and names box are
// replaced; the order option changes only when the file says "true" or "false" (any letter case).
// A short or damaged file gives what it holds and never reads past its end.
void readCampaign(std::string_view bytes, CampaignRecord& campaign);

// The three lines that describe a campaign file: its name, author and mission count.
std::string previewCampaign(std::string_view bytes);

} // namespace cadrell
