// fuzz-libs: campaign_editor_lib
// fuzz-run: -dict=dictionaries/campaign.dict -max_len=4096
// Arbitrary bytes as a campaign file: reading and previewing stay within what the bytes hold,
// and what the file format can carry of what was read is written and read back the same.
#include "campaign_editor/campaign_file.h"
#include "platform/text/codepage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A text written between double quotes reads back as itself unless it holds a double quote or
// a line end.
bool quotedLineCarries(std::string_view text)
{
    return text.find_first_of("\"\r\n") == std::string_view::npos;
}

// A text written as a bare line reads back as one item, itself, unless it holds a comma or a
// line end, or starts with a blank (skipped) or a double quote (taken as quotes).
bool bareLineCarries(std::string_view text)
{
    return text.find_first_of(",\r\n") == std::string_view::npos &&
           (text.empty() || (text.front() != ' ' && text.front() != '"'));
}

// A soldier's name is a bare line that must not read as the list's closing tag.
bool nameLineCarries(std::string_view name)
{
    return !name.empty() && bareLineCarries(name) && platform::text::lowerCase(name) != "<-nomes>";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    cadrell::CampaignRecord campaign;
    cadrell::readCampaign(bytes, campaign);
    if (campaign.missions.size() > bytes.size() || campaign.namesText.size() > 2 * bytes.size() + 2)
        std::abort();
    (void)cadrell::previewCampaign(bytes);

    // What the format can carry of the campaign: texts that a line of their kind reads back as
    // themselves, and the soldier names as the writer splits them from the names box.
    cadrell::CampaignRecord carried;
    carried.name = quotedLineCarries(campaign.name) ? campaign.name : std::string();
    carried.author = quotedLineCarries(campaign.author) ? campaign.author : std::string();
    carried.keepOrder = campaign.keepOrder;
    for (const std::string& mission : campaign.missions)
        if (bareLineCarries(mission))
            carried.missions.push_back(mission);
    std::vector<std::string> names;
    for (const std::string& name : cadrell::splitSoldierNames(campaign.namesText)) {
        if (nameLineCarries(name)) {
            names.push_back(name);
            carried.namesText += name + "\r\n";
        }
    }

    cadrell::CampaignRecord back;
    back.keepOrder = !carried.keepOrder;
    cadrell::readCampaign(cadrell::writeCampaign(carried), back);
    if (back.name != carried.name || back.author != carried.author || back.keepOrder != carried.keepOrder ||
        back.missions != carried.missions || cadrell::splitSoldierNames(back.namesText) != names)
        std::abort();
    return 0;
}
