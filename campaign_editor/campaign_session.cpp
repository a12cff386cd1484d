#include "campaign_editor/campaign_session.h"

#include "campaign_editor/campaign_file.h"
#include "campaign_editor/campaign_folder.h"

#include "platform/text/text_file.h"
#include "platform/ui/message_boxes.h"

#include <utility>

namespace cadrell {

namespace ui = platform::ui;

namespace {

constexpr std::string_view kTitle = "Editor";

} // namespace

CampaignSession::CampaignSession(std::string folder) : m_folder(std::move(folder)), m_currentName(kNoName) {}

bool CampaignSession::hasName() const
{
    return m_currentName != kNoName;
}

std::string CampaignSession::pathOf(const std::string& name) const
{
    return m_folder + "/" + name + ".cfc";
}

CampaignSession::SaveResult CampaignSession::save(const std::string& name, const CampaignRecord& campaign)
{
    const bool inPlace = std::exchange(m_saveInPlace, false);

    if (const auto refusal = fileNameRefusal(name)) {
        ui::msgBox(*refusal, ui::MsgButtons::Ok, ui::MsgIcon::Critical, kTitle);
        return SaveResult::Refused;
    }
    const std::string path = pathOf(name);
    if (!inPlace && platform::text::fileExists(path)) {
        const ui::MsgAnswer answer = ui::msgBox("This campaign already exist.\rOverwrite?",
                                                ui::MsgButtons::YesNo, ui::MsgIcon::Question, "Overwright?");
        if (answer != ui::MsgAnswer::Yes) {
            return SaveResult::Refused;
        }
    }

    const platform::text::WriteResult written =
        platform::text::writeFileAtomic(path, writeCampaign(campaign));
    if (!written.ok) {
        ui::msgBox("The campaign could not be saved to " + path + ":\r\n" + written.error, ui::MsgButtons::Ok,
                   ui::MsgIcon::Critical, kTitle);
        return SaveResult::Failed;
    }
    m_currentName = name;
    ui::msgBox("ok", ui::MsgButtons::Ok, ui::MsgIcon::Exclamation, kTitle);
    return SaveResult::Saved;
}

bool CampaignSession::open(const std::string& fileName, CampaignRecord& campaign)
{
    const std::string path = m_folder + "/" + fileName;
    std::string bytes;
    if (!platform::text::readFile(path, bytes)) {
        ui::msgBox("The campaign " + path + " could not be read.", ui::MsgButtons::Ok, ui::MsgIcon::Critical,
                   kTitle);
        return false;
    }
    m_currentName = stripExtension(fileName);
    readCampaign(bytes, campaign);
    return true;
}

std::string CampaignSession::preview(const std::string& fileName) const
{
    std::string bytes;
    if (!platform::text::readFile(m_folder + "/" + fileName, bytes)) {
        return {};
    }
    return previewCampaign(bytes);
}

} // namespace cadrell
