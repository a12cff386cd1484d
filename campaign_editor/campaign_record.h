#pragma once
// What a campaign holds while the editor works on it: the texts of the window's boxes and lists,
// kept as Windows-1252 bytes.

#include <string>
#include <vector>

namespace cadrell {

struct CampaignRecord
{
    std::string name;                  // the "Campaign name:" box
    std::string author;                // the "Autor name:" box
    std::vector<std::string> missions; // the selected missions, in play order
    std::string namesText;             // the soldier-names box, lines separated by CR LF
    bool keepOrder = true;             // "Keep the order" (true) or "Random on start" (false)
};

} // namespace cadrell
