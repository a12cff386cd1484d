#include "campaign_editor/campaign_session.h"

#include "campaign_editor/campaign_file.h"
#include "campaign_editor/campaign_folder.h"

#include "platform/text/text_file.h"
#include "platform/text/vb.h"
#include "platform/ui/message_boxes.h"

#include <utility>

namespace cadrell {

namespace ui = platform::ui;

namespace {

constexpr std::string_view kTitle = "Editor";

// Said, followed by the name, when the file picked or the name typed has letters a campaign's
// name cannot hold.
std::string unusableNameMessage(const std::string& shown)
{
    return "The name of this file has letters that can't be in a campaign's name: " + shown;
}

} // namespace

CampaignSession::CampaignSession(std::string folder) : m_folder(std::move(folder)), m_currentName(kNoName) {}

bool CampaignSession::hasName() const
{
    return m_currentName != kNoName;
}

std::optional<std::string> CampaignSession::pathOf(const std::string& name) const
{
    return platform::text::pathInFolder(m_folder, name + ".cfc");
}

CampaignSession::SaveResult CampaignSession::save(const std::string& typed, const CampaignRecord& campaign,
                                                  bool nameFitsCodePage)
{
    const bool inPlace = std::exchange(m_saveInPlace, false);
    const std::string name = inPlace ? typed : vb::trim(typed);

    if (const auto refusal = nameFitsCodePage ? fileNameRefusal(name) : unusableNameMessage(name)) {
        ui::msgBox(*refusal, ui::MsgButtons::Ok, ui::MsgIcon::Critical, kTitle);
        return SaveResult::Refused;
    }
    if (const auto refusal = campaignTextRefusal(campaign)) {
        ui::msgBox(*refusal, ui::MsgButtons::Ok, ui::MsgIcon::Critical, kTitle);
        return SaveResult::Refused;
    }
    const std::optional<std::string> path = pathOf(name);
    if (!path) {
        return SaveResult::Refused; // the name checks let no such name through
    }
    if (!inPlace && platform::text::fileExists(*path)) {
        const ui::MsgAnswer answer = ui::msgBox("This campaign already exist.\rOverwrite?",
                                                ui::MsgButtons::YesNo, ui::MsgIcon::Question, "Overwright?");
        if (answer != ui::MsgAnswer::Yes) {
            return SaveResult::Refused;
        }
    }

    const platform::text::WriteResult written =
        platform::text::writeFileAtomic(*path, writeCampaign(campaign));
    if (!written.ok) {
        ui::msgBox("The campaign could not be saved to " + platform::text::shownText(*path) + ":\r\n" +
                       written.error,
                   ui::MsgButtons::Ok, ui::MsgIcon::Critical, kTitle);
        return SaveResult::Failed;
    }
    m_currentName = name;
    ui::msgBox("ok", ui::MsgButtons::Ok, ui::MsgIcon::Exclamation, kTitle);
    return SaveResult::Saved;
}

bool CampaignSession::open(const platform::text::FolderFile& file, CampaignRecord& campaign)
{
    if (!file.name) {
        // The campaign could never be saved back under its name.
        ui::msgBox(unusableNameMessage(file.shownText()), ui::MsgButtons::Ok, ui::MsgIcon::Critical, kTitle);
        return false;
    }
    std::string bytes;
    if (!platform::text::readFile(file.pathIn(m_folder), bytes)) {
        ui::msgBox("The campaign " + *file.name + " could not be read.", ui::MsgButtons::Ok,
                   ui::MsgIcon::Critical, kTitle);
        return false;
    }
    m_currentName = stripExtension(*file.name);
    readCampaign(bytes, campaign);
    return true;
}

std::string CampaignSession::preview(const platform::text::FolderFile& file) const
{
    if (!file.name) {
        return unusableNameMessage(file.shownText());
    }
    std::string bytes;
    if (!platform::text::readFile(file.pathIn(m_folder), bytes)) {
        return {};
    }
    return previewCampaign(bytes);
}

} // namespace cadrell
