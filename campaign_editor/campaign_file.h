#pragma once
// The campaign file (*.cfc): writer, reader and header preview.

#include "campaign_editor/campaign_record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cadrell {

// Longest soldier name a campaign keeps; longer names are cut to this many characters.
constexpr std::size_t kMaxSoldierName = 15;

// Texts the campaign file cannot carry, in the editor's words. The campaign's name and author are
// written between double quotes, nothing escaped: a double quote in them would cut them short on
// reading. A soldier name is a bare line read back as an item: a comma in it (one typed inside
// quotes) would split it, and a name that reads as the closing tag would end the list there.
inline constexpr const char* QuoteInTextMessage = "Don't put \" in the texts";
inline constexpr const char* CommaInNameMessage = "Don't put commas in the name";
inline constexpr const char* NamesTagInNameMessage = "Don't put <-Nomes> in the names";
// Why the campaign cannot be written so that it reads back as it stands; nothing when it can.
std::optional<std::string> campaignTextRefusal(const CampaignRecord& campaign);

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
// The missions are the items up to "<-Miss>" and the names those up to "<-Nomes>" (any letter
// case), however many there are and whatever the header's count says, so that a campaign opened
// and saved again keeps every mission and name. A short or damaged file gives what it holds and
// never reads past its end.
void readCampaign(std::string_view bytes, CampaignRecord& campaign);

// The three lines that describe a campaign file: its name, author and mission count.
std::string previewCampaign(std::string_view bytes);

} // namespace cadrell
