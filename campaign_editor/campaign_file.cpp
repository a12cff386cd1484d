#include "campaign_editor/campaign_file.h"

#include "platform/text/codepage.h"
#include "platform/text/file_names.h"
#include "platform/text/text_file.h"
#include "platform/text/vb.h"

#include <algorithm>
#include <limits>

namespace cadrell {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Items of a file, read from its start; past the end of the bytes every read gives nothing.
void skipItems(platform::text::TextReader& reader, int count)
{
    for (int i = 0; i < count && !reader.atEnd(); ++i) {
        reader.readItem();
    }
}

// Number of missions announced by the header; 0 for anything but a positive number.
std::size_t missionCount(const std::string& item)
{
    const double value = vb::val(item);
    if (!(value > 0)) {
        return 0;
    }
    if (value >= static_cast<double>(std::numeric_limits<std::size_t>::max() / 2)) {
        return std::numeric_limits<std::size_t>::max() / 2;
    }
    return static_cast<std::size_t>(value);
}

} // namespace

std::optional<std::string> campaignTextRefusal(const CampaignRecord& campaign)
{
    for (const std::string* text : {&campaign.name, &campaign.author}) {
        if (text->find('"') != std::string::npos) {
            return QuoteInTextMessage;
        }
    }
    // A double quote inside a soldier name is carried: a bare item runs to its comma or line end.
    for (const std::string& name : splitSoldierNames(campaign.namesText)) {
        if (name.find(',') != std::string::npos) {
            return CommaInNameMessage;
        }
        if (platform::text::lowerCase(name) == "<-nomes>") {
            return NamesTagInNameMessage;
        }
    }
    return std::nullopt;
}

bool campaignCanName(std::string_view missionName)
{
    return platform::text::isPlainFileName(missionName) &&
           missionName.find_first_of(",\"") == std::string_view::npos && missionName.front() != ' ' &&
           platform::text::compareNoCase(missionName, "<-Miss>") != 0;
}

std::vector<std::string> splitSoldierNames(std::string_view namesText)
{
    std::string box(namesText);
    box += kCrLf;
    platform::text::TextReader reader(std::move(box));
    std::vector<std::string> names;
    while (!reader.atEnd()) {
        std::string item = reader.readItem();
        // Blanks inside quotes are dropped too, so the name reads back as it is written.
        item.erase(0, item.find_first_not_of(' '));
        // An empty line, a blank-only line or two commas in a row hold no name: skip them, so
        // that an Enter pressed twice never loses the names typed after it.
        if (item.empty()) {
            continue;
        }
        if (item.size() > kMaxSoldierName) {
            item.resize(kMaxSoldierName);
        }
        names.push_back(std::move(item));
    }
    return names;
}

std::string writeCampaign(const CampaignRecord& campaign)
{
    platform::text::TextWriter out;
    out.line("<Campanha>");
    out.quoted(campaign.name);
    out.quoted(campaign.author);
    out.count(static_cast<long long>(campaign.missions.size()));
    out.flag(campaign.keepOrder);
    out.line("<-Campanha>");
    out.line("<Miss>");
    for (const std::string& mission : campaign.missions) {
        out.line(mission);
    }
    out.line("<-Miss>");
    out.line("<Nomes>");
    for (const std::string& name : splitSoldierNames(campaign.namesText)) {
        out.line(name);
    }
    out.line("<-Nomes>");
    return out.bytes();
}

void readCampaign(std::string_view bytes, CampaignRecord& campaign)
{
    platform::text::TextReader reader{std::string(bytes)};
    reader.readItem(); // "<Campanha>"
    campaign.name = reader.readItem();
    campaign.author = reader.readItem();
    const std::size_t count = missionCount(reader.readItem());
    const std::string flag = platform::text::lowerCase(reader.readItem());
    if (flag == "false") {
        campaign.keepOrder = false;
    } else if (flag == "true") {
        campaign.keepOrder = true;
    }
    skipItems(reader, 2); // "<-Campanha>", "<Miss>"

    // The missions run up to "<-Miss>", as the game reads them: a count that another program got
    // wrong neither drops missions nor takes tags and names for missions. Only a file cut short
    // before that tag is held to its count, so what is left of the lost tags is no mission.
    campaign.missions.clear();
    bool listClosed = false;
    while (!reader.atEnd()) {
        std::string item = reader.readItem();
        if (platform::text::lowerCase(item) == "<-miss>") {
            listClosed = true;
            break;
        }
        campaign.missions.push_back(std::move(item));
    }
    if (!listClosed && campaign.missions.size() > count) {
        campaign.missions.resize(count);
    }
    skipItems(reader, 1); // "<Nomes>"

    // The names run up to "<-Nomes>" or to the end of the file. A last name that the end of a
    // damaged file cuts off from its closing tag is kept.
    campaign.namesText.clear();
    while (!reader.atEnd()) {
        const std::string item = reader.readItem();
        if (platform::text::lowerCase(item) == "<-nomes>") {
            break;
        }
        if (reader.atEnd() && item.empty()) {
            break;
        }
        campaign.namesText += item;
        campaign.namesText += kCrLf;
    }
}

std::string previewCampaign(std::string_view bytes)
{
    platform::text::TextReader reader{std::string(bytes)};
    reader.readItem(); // "<Campanha>"
    const std::string name = reader.readItem();
    const std::string author = reader.readItem();
    const std::string count = vb::rtrim(reader.readItem());
    std::string info;
    info += "Nome: " + name + std::string(kCrLf);
    info += "Autor: " + author + std::string(kCrLf);
    info += "Miss\xF5"
            "es: " +
            count + std::string(kCrLf);
    return info;
}

} // namespace cadrell
