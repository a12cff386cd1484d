#pragma once
// The campaign being edited as a file: which file it is (the name last saved or opened), the save
// with its name checks and overwrite question, the open and the preview. Messages go through the
// message-box service.

#include "campaign_editor/campaign_record.h"

#include "platform/text/file_names.h"

#include <optional>
#include <string>

namespace cadrell {

class CampaignSession
{
public:
    // `folder` is the campaign folder, where the *.cfc files are.
    explicit CampaignSession(std::string folder);

    const std::string& folder() const { return m_folder; }
    // File name, without ".cfc", of the campaign last saved or opened; "semnome" when none.
    const std::string& currentName() const { return m_currentName; }
    bool hasName() const;

    // Set by the main panel's Save: the next save writes over the current file without asking.
    bool saveInPlace() const { return m_saveInPlace; }
    void setSaveInPlace(bool inPlace) { m_saveInPlace = inPlace; }

    // Path of the campaign file called `name` (no extension) as the folder holds it, in any letter
    // case; nothing when the name cannot be a file of the folder.
    std::optional<std::string> pathOf(const std::string& name) const;

    enum class SaveResult {
        Refused, // a bad name, or the user chose not to overwrite: nothing was written
        Failed,  // the file could not be written; the previous file is as it was
        Saved,
    };
    // Checks the name (typed names are taken without the blanks at their ends) and the texts,
    // asks before overwriting another campaign (the file of that name in any letter case), writes
    // the file and says "ok". A saved file becomes the current campaign. Ends any save in place.
    // `nameFitsCodePage` is false when the name was typed with letters Windows-1252 lacks (shown
    // as '?' in `name`): such a name is refused for what it is.
    SaveResult save(const std::string& name, const CampaignRecord& campaign, bool nameFitsCodePage = true);

    // Reads the campaign file `file` of the folder into `campaign` and makes it the current
    // campaign. False, with a message, when its name has letters a campaign's name cannot hold or
    // it cannot be read; nothing changes then.
    bool open(const platform::text::FolderFile& file, CampaignRecord& campaign);

    // The three lines describing the campaign file `file`; empty when it cannot be read, and why
    // when its name cannot be used.
    std::string preview(const platform::text::FolderFile& file) const;

private:
    std::string m_folder;
    std::string m_currentName;
    bool m_saveInPlace = false;
};

} // namespace cadrell
